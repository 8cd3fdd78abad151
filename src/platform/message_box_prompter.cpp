// Message boxes and file dialogs.
#include "platform/message_box_prompter.h"

#include "common/path.h"
#include "platform/qstring_cp932.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zelkon {

namespace {

std::optional<std::string> Composed(const QString &fsPath)
{
    if (fsPath.isEmpty())
        return std::nullopt;
    return FromFsPath(fsPath.toStdString());
}

QString FsFolder(std::string_view composedFolder)
{
    return QString::fromStdString(ToFsPath(composedFolder));
}

} // namespace

MessageBoxPrompter::MessageBoxPrompter(QWidget *parent, QString title)
    : m_parent(parent)
    , m_title(std::move(title))
{}

void MessageBoxPrompter::message(std::string_view text)
{
    QMessageBox::information(m_parent, m_title, ToQString(text));
}

bool MessageBoxPrompter::askYesNo(std::string_view text)
{
    return QMessageBox::question(m_parent,
                                 m_title,
                                 ToQString(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
           == QMessageBox::Yes;
}

PromptAnswer MessageBoxPrompter::askYesNoCancel(std::string_view text)
{
    switch (QMessageBox::question(m_parent,
                                  m_title,
                                  ToQString(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

std::optional<std::string> MessageBoxPrompter::chooseOpenFile(std::string_view title,
                                                              std::string_view folder,
                                                              std::string_view filter)
{
    return Composed(QFileDialog::getOpenFileName(
        m_parent, ToQString(title), FsFolder(folder), ToQString(filter)));
}

std::optional<std::string> MessageBoxPrompter::chooseSaveFile(std::string_view title,
                                                              std::string_view folder,
                                                              std::string_view fileName)
{
    const QString start = FsFolder(folder) + "/" + ToQString(fileName);
    // The program checks the extension and asks before overwriting; the dialog must not.
    return Composed(QFileDialog::getSaveFileName(m_parent,
                                                 ToQString(title),
                                                 start,
                                                 ToQString(fileName),
                                                 nullptr,
                                                 QFileDialog::DontConfirmOverwrite));
}

} // namespace zelkon
