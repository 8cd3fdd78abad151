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
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QMouseEvent;
class QScrollArea;

namespace zelkon {

class MarkOutline;
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
    void removeSelectionMark() override;
    RenderContext renderContext() const override;
    /// The sheet's menu is hidden in student mode: it reaches the teacher's commands.
    void applyLock(bool locked) override;
    /// `RetakeUnitRecord` after an add: the sheet takes the record, loads the bitmaps of both
    /// graph lists again (reporting missing files) and redraws.
    void retakeUnitRecord(const UnitRecord &record) override;

    /// `SaveCopyFile` of this sheet: asks for a name in the save dialog until it is refused no
    /// more or the dialog is cancelled, asks before replacing an existing file, and writes the
    /// copy file (FileUpdate). True when it was written; on any other outcome the sheet keeps
    /// its name and its modified mark.
    bool SaveCopyFile();
    /// "上書き保存": writes the sheet's layout and graphs into its unit of the master file. True
    /// when written; a failure is shown and leaves the sheet modified.
    bool OverwriteSave();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();

    void TakeUnitRecord();
    void ActivateSheet();
    void FormActivate();
    /// The close question of a modified sheet; true when the window may close.
    bool FormCloseQuery();
    void FormClose();
    /// Writes the copy file and renames the window and its entry in the open sheets.
    bool FileUpdate(const std::string &path, const std::vector<std::string> &lines);

    // The page and the graphs under the mouse.
    void imgFigMouseDown(int k, QMouseEvent *event);
    void Image1MouseDown(QMouseEvent *event);
    void Image1DragOver(QPoint position);
    void Image1EndDrag(QPoint position);
    /// Where an event of a graph picture or of the page happened, in page pixels.
    QPoint pagePosition(QObject *watched, const QMouseEvent *event) const;
    void activateThisSheet();
    /// Runs "キャンセル" of the copy area when a region of this sheet is marked.
    void dropMarkedRegion();

    void mnuFilePopup();
    void mnuViewPopup();
    void mnuAnswerDisplayClick();
    void mnuSchoolNameClick();
    void mnuClipboardClick();
    void mnuOpenCopyFileClick();

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

    /// What the mouse is dragging over the page.
    enum class Drag { none, graph, region };
    Drag m_drag = Drag::none;
    int m_dragGraph = 0;        ///< the graph being dragged, 1 to 15
    bool m_dragStarted = false; ///< the mouse moved far enough to move the graph
    QPoint m_dragStart;         ///< page pixels

    QMenuBar *mnuMain = nullptr;
    QAction *mnuOverwrite = nullptr;
    QAction *mnuAnswerDisplay = nullptr;
    QScrollArea *scrPage = nullptr;
    QWidget *pnlPage = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    /// The graph display images imgFig1 … imgFig15 over the page ([0] unused).
    std::array<QLabel *, kMaxGraphs + 1> imgFig{};
    /// The outline of a dragged graph or of the marked region, over the page.
    MarkOutline *shpMark = nullptr;
};

} // namespace zelkon
