// Helpers shared by the tests of the log-on, password and record windows: typing Japanese into
// a box, and answering a modal dialog that a click is about to open.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QString>
#include <QTimer>

#include <functional>

namespace zelkon::test {

/// Types `text` into the box as an input method commits it (QTest::keyClicks takes only ASCII).
inline void Commit(QWidget *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

/// Runs `steps` on `dialog` once it is shown by whatever runs next (a click that opens it
/// modally), counting the showings in `shown`. A dialog that is not visible by then, or still
/// open after the steps, fails the test and is closed, so a test never hangs in its loop.
inline void WhenShown(QDialog *dialog, int &shown, std::function<void()> steps, bool &failed)
{
    QTimer::singleShot(0, dialog, [dialog, &shown, steps = std::move(steps), &failed] {
        if (!dialog->isVisible()) {
            failed = true;
            return;
        }
        ++shown;
        QApplication::setActiveWindow(dialog);
        steps();
        if (dialog->isVisible()) {
            failed = true;
            dialog->reject();
        }
    });
}

} // namespace zelkon::test
