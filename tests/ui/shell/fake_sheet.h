// A worksheet window that records what the main window asks of it, in place of the real one.
#pragma once

#include "settings/app_state.h"
#include "shell/sheet_window.h"

#include <QMdiSubWindow>

#include <string>
#include <vector>

namespace zelkon {
struct Program;
class TfrmMain;
} // namespace zelkon

namespace zelkon::test {

class FakeSheet : public QMdiSubWindow, public SheetWindow
{
public:
    /// Adds itself to the frame under `key` and becomes the active worksheet when activated;
    /// it is freed when closed.
    FakeSheet(Program &program, TfrmMain &main, const std::string &key);

    QMdiSubWindow *subWindow() override { return this; }
    Worksheet &sheet() override { return document; }
    void redrawSheet() override { ++redraws; }
    void takeLineSpacing(int spacing) override
    {
        calls.push_back("lineSpacing " + std::to_string(spacing));
    }
    void takeFontSize(int size) override { calls.push_back("fontSize " + std::to_string(size)); }
    void takeAnswerDisplay(bool shown) override
    {
        calls.push_back(shown ? "answers shown" : "answers hidden");
    }
    void setPaper(const PaperSpec &paper) override { document.paper = paper; }
    void switchReducedView(bool reduced) override { calls.push_back(reduced ? "reduced" : "full"); }
    void largeWindow() override { calls.push_back("large"); }
    int scrollPosition() const override { return scroll; }
    void setScrollPosition(int position) override { scroll = position; }
    int pageImageHeight() const override { return 1000; }
    int windowHeight() const override { return 500; }
    QImage pageImage() const override { return page; }
    std::pair<QPoint, QPoint> selectionCorners() const override { return corners; }
    void removeSelectionMark() override { calls.push_back("mark removed"); }

    Worksheet document;
    std::vector<std::string> calls;
    int redraws = 0;
    int scroll = 0;
    QImage page;
    std::pair<QPoint, QPoint> corners;
    bool refuseClose = false; ///< as a modified sheet whose close question was cancelled

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TfrmMain &m_main;
    WorksheetId m_id;
};

} // namespace zelkon::test
