// TfrmInputText, the text input dialog: one line of text for a section or unit title that the
// index editor adds or renames.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace zelkon {

class Prompter;

class TfrmInputText : public QDialog
{
    Q_OBJECT

public:
    /// The titles the rename modes start from, which the index editor gives.
    struct Hooks
    {
        std::function<std::string()> selectedSectionTitle; ///< CP932
        std::function<std::string()> selectedUnitTitle;    ///< CP932
    };

    /// `prompter` must outlive the dialog.
    explicit TfrmInputText(Prompter &prompter, QWidget *parent = nullptr);

    /// Sets where the rename modes take their starting titles from.
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    /// The mode word the next showing uses: "mainADD", "mainCHANGE", "subADD" or "subCHANGE".
    void setMode(std::string mode) { m_mode = std::move(mode); }
    /// The mode word set last.
    const std::string &mode() const { return m_mode; }

    /// Shows the dialog modally, centred on the screen: empty in the add modes, with the selected
    /// section ("mainCHANGE") or unit ("subCHANGE") title selected whole in the rename modes;
    /// true on OK.
    bool execute();

    /// The text at OK (CP932), one line.
    const std::string &text() const { return m_text; }

private:
    void btnOkClick();

    Prompter &m_prompter;
    Hooks m_hooks;
    std::string m_mode;
    std::string m_text;
    QLineEdit *memInput = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

} // namespace zelkon
