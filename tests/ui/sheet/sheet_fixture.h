// The program on a copy of the demo courseware, with worksheets opened through the real unit
// selection window and open path, for the tests of saving and of the mouse over the page.
#pragma once

#include "shell_fixture.h"

#include <QByteArray>
#include <QEvent>
#include <QPoint>

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
    /// Starts the program on a program folder holding the demo's lessons.
    SheetFixture();
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

/// Sends a mouse event of `type` at `pos` (in `widget`'s pixels) to the widget.
void SendMouse(QWidget *widget,
               QEvent::Type type,
               QPoint pos,
               Qt::MouseButton button = Qt::LeftButton);

} // namespace zelkon::test
