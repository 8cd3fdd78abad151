// TfrmEditIndex, the index editor: the title, sections and units of one lesson's index file,
// shown as lists and as a tree, added to and renamed, and written back on OK.
#pragma once

#include "authoring/index_buffer.h"
#include "master/unit_locator.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelkon {

struct Program;
class TfrmEditSource;
class TfrmInputText;

class TfrmEditIndex : public QDialog
{
    Q_OBJECT

public:
    /// What the window reaches beyond its own dialogs.
    struct Hooks
    {
        /// The help file at a topic.
        std::function<void(int topic)> showHelpTopic;
        /// The unit selection window's label (mark and bracketed count) of unit u of section s
        /// of `lesson`; empty when it holds none for that lesson.
        std::function<std::string(int lesson, int section, int unit)> unitLabel;
    };

    /// `program` and the dialogs must outlive the window, which is created once for the run;
    /// the text input dialog's rename modes start from this window's chosen titles.
    TfrmEditIndex(Program &program,
                  TfrmInputText &inputText,
                  TfrmEditSource &editSource,
                  QWidget *parent = nullptr);

    /// A hook left unset does nothing: no help, no labels.
    void setHooks(Hooks hooks);

    /// Shows the window modally on the first lesson; true when it closed with OK. A missing
    /// main index is reported and the window does not open.
    bool execute();

    /// `ReadMainIndex`: reads "Main.ind" into the lesson list and the program's lesson tables;
    /// false, with the message shown, when it is missing or unreadable. When the lessons read
    /// differ from those the unit selection window has, it is told to read them again.
    bool ReadMainIndex();

    /// `SelectWorksheetLesson`: places the window at the top left and chooses the lesson and
    /// then the section of `worksheet` when its lesson is above 0, else the first lesson.
    void SelectWorksheetLesson(const UnitLocator *worksheet = nullptr);

    /// `ReadLessonIndex`: reads lesson k's index file (the seven-line template when it is
    /// missing) and shows it; unsaved edits of the lesson shown before are dropped. A file that
    /// exists but cannot be read is reported and cannot be edited, so it is never overwritten.
    void ReadLessonIndex(int lesson);

    /// `BuildIndexTree`: builds `tree` from the index lines with the unit selection labels,
    /// refills the section list and the title, and opens every section.
    void BuildIndexTree(QTreeWidget *tree, int section);

    /// The title of the section chosen last (CP932); empty when none is chosen.
    std::string selectedSectionTitle() const;
    /// The title of the unit chosen in the unit list (CP932); empty when none is chosen.
    std::string selectedUnitTitle() const;

    /// The lines as edited so far (CP932).
    const std::vector<std::string> &indexLines() const { return m_lines; }
    /// The composed path of the lesson's index file.
    const std::string &indexPath() const { return m_indexPath; }
    /// True after an edit not yet saved.
    bool modified() const { return m_modified; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void reject() override;

private:
    void buildControls();
    void layoutControls();
    void connectControls();
    void showHint(const char *utf8);

    void lstELessonClick(int row);
    void lstESectionClick(int row);
    void lstEUnitClick(int row);
    void edtMainTitleChange();
    void btnAddClick();
    void btnChangeClick();
    void btnAdd2Click();
    void btnChange2Click();
    void btnOkClick();
    void btnCloseClick();
    void btnEditDirectClick();
    void btnExpandClick();

    /// Chooses section N (from 1): its master file and its units; the first unit is chosen.
    void chooseSection(int section);
    /// Selects the tree node of unit u (from 1) of the chosen section.
    void chooseUnit(int unit);
    /// The tree after an add: titles without labels, the root and section N opened.
    void rebuildAfterAdd(int section);
    void fillTree(QTreeWidget *tree, bool withLabels);
    QTreeWidgetItem *sectionNode(int section) const;
    /// Shows no lesson at all, for a main index without lessons.
    void showNoLesson();
    void setEditable(bool editable);
    /// Asks the text input dialog in `mode`; the text at OK, none at Cancel.
    std::optional<std::string> askText(const char *mode);
    /// Writes the lines to the index path; false, with the message shown, when it cannot.
    bool saveIndex();
    /// Asks whether to save edits not saved yet; false when saving was wanted and failed.
    bool offerToSave();
    void showEditMessage(IndexEdit edit);

    Program &m_program;
    TfrmInputText &m_inputText;
    TfrmEditSource &m_editSource;
    Hooks m_hooks;
    std::vector<std::string> m_lines;
    std::string m_indexPath;
    int m_lesson = 0;
    int m_section = 0; ///< the section chosen last (from 1); 0 for none
    bool m_modified = false;
    bool m_expanded = false;
    bool m_hintGreen = false;

    QListWidget *lstELesson = nullptr;
    QLineEdit *edtMainTitle = nullptr;
    QListWidget *lstESection = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnChange = nullptr;
    QListWidget *lstEUnit = nullptr;
    QPushButton *btnAdd2 = nullptr;
    QPushButton *btnChange2 = nullptr;
    QLineEdit *edtIndex = nullptr;
    QLineEdit *edtDataFile = nullptr;
    QTreeWidget *trvSect = nullptr;
    QLabel *pnlHint = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnClose = nullptr;
    QPushButton *btnEditDirect = nullptr;
    QPushButton *btnExpand = nullptr;
    QPushButton *btnHelp = nullptr;
};

} // namespace zelkon
