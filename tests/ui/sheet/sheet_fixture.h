// The program on a copy of the demo courseware, with worksheets opened through the real unit
// selection window and open path, for the tests of saving and of the mouse over the page.
#pragma once

#include "shell_fixture.h"

#include <QByteArray>
#include <QEvent>
#include <QPoint>

#include <functional>
#include <memory>
#include <string>

class QMouseEvent;
class QWidget;

namespace zelkon {
class TfrmMain;
class TfrmPrintM;
} // namespace zelkon

namespace zelkon::test {

class SheetFixture
{
public:
    /// Whether the program folder gets the demo's lessons before `prepare` runs.
    enum class Lessons { Demo, None };
    /// What a test writes into the program folder or the store before the program starts.
    using Preparation = std::function<void(ShellFixture &)>;

    /// Starts the program on a program folder holding the demo's lessons, or only what
    /// `prepare` writes beside the shell fixture's own files.
    explicit SheetFixture(const Preparation &prepare = {}, Lessons lessons = Lessons::Demo);
    /// Lets modified sheets go without their question, then drops the program.
    ~SheetFixture();

    TfrmMain &main() { return shell.zelkon->mainWindow(); }
    Program &program() { return *shell.program; }
    ScriptedPrompter &prompter() { return shell.prompter; }

    /// Presses "開  く " and chooses these rows (from 0; similar -1 for the unit itself) in the
    /// unit selection window, then OK.
    void open(int lesson, int section, int unit, int similar = -1);
    /// The active worksheet window; ends the test program when there is none.
    TfrmPrintM *active();
    /// The composed path of a file of the program folder (CP932, as the program names it).
    std::string composed(const std::string &rest) const;
    /// The bytes of a file of the program folder.
    QByteArray bytes(const QString &name) const;

    ShellFixture shell;
};

/// What every test program on the fixture does once: standard paths in test mode, the font
/// substitutions, and no quitting when the last window closes.
void PrepareSheetTests();

/// Drops the fixture, then fails the running test with the first problem its prompter noted.
void DropAndReport(std::unique_ptr<SheetFixture> &fixture);

/// Sends a mouse event of `type` at `pos` (in `widget`'s pixels) to the widget.
void SendMouse(QWidget *widget,
               QEvent::Type type,
               QPoint pos,
               Qt::MouseButton button = Qt::LeftButton);

} // namespace zelkon::test
