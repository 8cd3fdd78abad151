// TfrmMain: the keys of the frame, the mouse over the side panel, closing, and the
// teacher/student lock.
#include "shell/main.h"

#include "shell/glyphs.h"
#include "shell/program.h"
#include "shell/sheet_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace zelkon {

namespace {

// Windows hands a typed character to the control even after the frame consumed its key, so
// spin boxes can still be typed into; only keys that type nothing stay with the frame.
bool TypesACharacter(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backspace)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint()
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Every key of the frame, its side panel, its sheets and the title window comes here
        // first; dialogs and menus are windows of their own and keep theirs.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != this)
            return false;
        return handleKey(static_cast<QKeyEvent *>(event));
    }
    case QEvent::MouseMove:
        if (watched == pnlSide || watched == m_central)
            hideSavePanel();
        return false;
    case QEvent::Enter:
        if (watched == btnPrint || watched == btnKran || watched == m_mdiArea->viewport())
            hideSavePanel();
        else if (watched == btnSaveAs || (watched == btnOverwrite && btnOverwrite->isEnabled()))
            static_cast<QWidget *>(watched)->setFocus();
        return false;
    default:
        return false;
    }
}

bool TfrmMain::handleKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers == Qt::ShiftModifier)
            close();
        else
            closeActiveSheet();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        scrollSheet();
        return true;
    case Qt::Key_C:
        if (modifiers == Qt::ControlModifier) {
            if (btnCopy->isEnabled())
                btnCopyClick();
            return true;
        }
        break;
    default:
        break;
    }
    return !TypesACharacter(event);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // Each sheet asks its own questions; one that stays open keeps the program running.
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        const bool isSheet = std::any_of(m_sheets.begin(), m_sheets.end(), [window](auto &entry) {
            return entry.second->subWindow() == window;
        });
        if (isSheet && !window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TfrmMain::btnLockClick()
{
    const bool locked = !m_program.state.keyLock;
    m_program.state.keyLock = locked;
    const SettingWrite written = m_program.settings.writeFlag(kKeyLock, locked);
    if (!written.ok)
        m_program.prompter.message(written.error);
    applyLock(locked);
}

void TfrmMain::applyLock(bool locked)
{
    m_program.state.keyLock = locked;
    btnLock->setText(QString::fromUtf8(locked ? "生徒用" : "先生用"));
    btnLock->setIcon(Glyph(locked ? "lock_closed" : "lock_open"));
    for (QWidget *control : {static_cast<QWidget *>(btnClose),
                             static_cast<QWidget *>(btnOpen),
                             static_cast<QWidget *>(btnSave),
                             static_cast<QWidget *>(btnPrint),
                             static_cast<QWidget *>(btnEdit),
                             static_cast<QWidget *>(btnKran),
                             static_cast<QWidget *>(chkBetsukai),
                             static_cast<QWidget *>(btnKaitou),
                             pnlGyokan,
                             pnlMojiSize,
                             static_cast<QWidget *>(grbCopy)})
        control->setVisible(!locked);
    for (QMenu *menu : {mnuFile, mnuEdit, mnuWindow})
        menu->menuAction()->setVisible(!locked);
    mnuDoYouKnow->setVisible(!locked);
    // The sheets' own menus reach the same teacher functions.
    for (const auto &entry : m_sheets)
        entry.second->applyLock(locked);
}

} // namespace zelkon
