// Helpers of the authoring window tests: typing as an input method commits, answering a modal
// window a click is about to open, reading an area's lines, and reading CP932 files as UTF-8
// lines.
#pragma once

#include "common/cp932.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>

namespace zelkon::test {

/// Types `text` into the widget as an input method commits it (QTest::keyClicks takes ASCII).
inline void Commit(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

/// Runs `steps` on `dialog` as soon as something opens it modally (other modal windows may come
/// first) and it is the active window. A dialog that is still open after steps that failed is
/// closed without its questions, and one that never comes fails the test, so no test hangs.
inline void WhenShown(QDialog *dialog, std::function<void()> steps, int waitedMs = 0)
{
    QTimer::singleShot(10, dialog, [dialog, steps = std::move(steps), waitedMs]() mutable {
        // The steps start on a later turn of the event loop than the one that activated the
        // dialog, as a person's first key does: widgets finish their activation on the next turn
        // (a line edit that is not focused by then drops its selection), and work still pending
        // when the steps close the dialog would reach it only the next time it opens.
        if (!dialog->isVisible() || !dialog->isActiveWindow()) {
            if (dialog->isVisible())
                QApplication::setActiveWindow(dialog);
            if (waitedMs < 10000)
                WhenShown(dialog, std::move(steps), waitedMs + 10);
            else
                QFAIL("the window was not shown");
            return;
        }
        steps();
        if (dialog->isVisible() && QTest::currentTestFailed())
            dialog->done(QDialog::Rejected);
    });
}

/// The text of an area as its lines, as the editor stores them.
inline QStringList AreaLines(const QPlainTextEdit *area)
{
    QStringList lines = area->toPlainText().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

/// A CP932 text as a QString.
inline QString Q(const std::string &cp932)
{
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

/// The lines of a CP932 file with CR LF line ends, as UTF-8.
inline QStringList LinesOf(const QByteArray &bytes)
{
    QStringList lines = Q(bytes.toStdString()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

/// The bytes of UTF-8 lines written as a CP932 file with CR LF line ends.
inline QByteArray FileOf(const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines)
        bytes += Utf8ToCp932(line.toStdString()) + "\r\n";
    return QByteArray::fromStdString(bytes);
}

} // namespace zelkon::test
