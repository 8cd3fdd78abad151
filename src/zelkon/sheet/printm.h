// TfrmPrintM, the worksheet window: one unit laid out as a page in a document window of the
// frame, its graphs over the page, its own menu, and the sheet's values in the side panel.
#pragma once

#include "common/messages.h"
#include "settings/app_state.h"
#include "sheet/render_context.h"
#include "sheet/sheet_graphs.h"
#include "sheet/worksheet.h"
#include "shell/sheet_window.h"

#include <QImage>
#include <QMdiSubWindow>

#include <array>
#include <utility>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;

namespace zelkon {

struct MainSeams;
struct Program;
class TfrmMain;

class TfrmPrintM : public QMdiSubWindow, public SheetWindow
{
    Q_OBJECT

public:
    /// Makes the window of the unit in the unit record, which was just read (`TakeUnitRecord`):
    /// the sheet takes the record, the class flag and its graphs, captions itself with the sheet
    /// key and joins the frame's open sheets. Messages of the blocks and graphs are shown. The
    /// caller sets the sheet's origin, shows it and activates it. All three must outlive it.
    TfrmPrintM(Program &program, TfrmMain &main, MainSeams &seams);

    QMdiSubWindow *subWindow() override { return this; }
    Worksheet &sheet() override { return m_sheet; }

    /// `RedrawSheet`: nothing unless this sheet is the active one and drawing is enabled;
    /// otherwise a white page of the paper's size, rendered anew with its answer fields
    /// collected, the graph pictures laid over it, and the reduced view when it is chosen.
    void redrawSheet() override;
    void takeLineSpacing(int spacing) override;
    void takeFontSize(int size) override;
    void takeAnswerDisplay(bool shown) override;
    void setPaper(const PaperSpec &paper) override;
    void switchReducedView(bool reduced) override;
    void largeWindow() override;

    int scrollPosition() const override;
    void setScrollPosition(int position) override;
    int pageImageHeight() const override;
    int windowHeight() const override { return height(); }

    QImage pageImage() const override { return m_page; }
    std::pair<QPoint, QPoint> selectionCorners() const override { return m_selection; }
    void removeSelectionMark() override { m_selection = {}; }
    RenderContext renderContext() const override;
    /// The sheet's menu is hidden in student mode: it reaches the teacher's commands.
    void applyLock(bool locked) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenu();

    void TakeUnitRecord();
    void ActivateSheet();
    void FormActivate();
    /// The close question of a modified sheet; true when the window may close.
    bool FormCloseQuery();
    void FormClose();

    void mnuFilePopup();
    void mnuViewPopup();
    void mnuAnswerDisplayClick();
    void mnuSchoolNameClick();
    void mnuClipboardClick();

    void showView(bool reduced);
    void showGraphs();
    void showMessages(const Messages &messages);

    Program &m_program;
    TfrmMain &m_main;
    MainSeams &m_seams;
    Worksheet m_sheet;
    WorksheetId m_id = kNoWorksheet;
    QImage m_page;
    std::pair<QPoint, QPoint> m_selection;

    QMenuBar *mnuMain = nullptr;
    QAction *mnuOverwrite = nullptr;
    QAction *mnuAnswerDisplay = nullptr;
    QScrollArea *scrPage = nullptr;
    QWidget *pnlPage = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    /// The graph display images imgFig1 … imgFig15 over the page ([0] unused).
    std::array<QLabel *, kMaxGraphs + 1> imgFig{};
};

} // namespace zelkon
