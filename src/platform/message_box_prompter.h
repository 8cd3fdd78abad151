// The Prompter of the program: QMessageBox and QFileDialog over a parent window.
#pragma once

#include "common/prompter.h"

#include <QPointer>
#include <QWidget>

namespace zelkon {

class MessageBoxPrompter : public Prompter
{
public:
    /// Boxes are modal over `parent` (may be null) and carry `title` (the application title).
    MessageBoxPrompter(QWidget *parent, QString title);

    void setParent(QWidget *parent) { m_parent = parent; }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    PromptAnswer askYesNoCancel(std::string_view text) override;
    std::optional<std::string> chooseOpenFile(std::string_view title,
                                              std::string_view folder,
                                              std::string_view filter) override;
    std::optional<std::string> chooseSaveFile(std::string_view title,
                                              std::string_view folder,
                                              std::string_view fileName) override;

private:
    QPointer<QWidget> m_parent;
    QString m_title;
};

} // namespace zelkon
