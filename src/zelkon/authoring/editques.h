// TfrmEditQues, the master file editor: one unit of a master file in seven areas — questions
// with their answer marks, choices, dummies, hints, question and answer graphs, layout blocks —
// checked, composed and written back into the whole file.
#pragma once

#include "master/unit_locator.h"

#include <QDialog>
#include <QPixmap>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zelkon {

class Cp932TextEdit;
struct Program;
class TfrmBMP;
class TfrmEditSource;
struct UnitAreas;
struct Worksheet;

class TfrmEditQues : public QDialog
{
    Q_OBJECT

public:
    /// What the editor reaches of the other windows.
    struct Hooks
    {
        /// Recounts the unit selection window's practice counts and similar-problem marks.
        std::function<void()> refreshCounts;
    };

    /// Created once for the run; `program`, `source` and `viewer` must outlive it.
    TfrmEditQues(Program &program, TfrmEditSource &source, TfrmBMP &viewer, QWidget *parent);

    /// Sets the windows the editor reaches; an unset entry does nothing.
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    /// Edit mode: shows the unit of `sheet` modally, its layout and graphs as they stand on the
    /// sheet. True when it closed with OK, the master file written; false on Cancel or when the
    /// master file cannot be read (reported), the editor then not shown.
    bool EditUnit(Worksheet &sheet);
    /// New-unit mode: shows the unit of `currentLocator` modally, from the template when it is
    /// not in its file yet; direct editing is off. True when it closed with OK.
    bool EditNewUnit();

    /// The modified flag: some area was changed since the unit was loaded or saved.
    bool modified() const { return m_modified; }
    /// The editor's copy of the whole master file (CP932), as last read or written.
    const std::vector<std::string> &fileLines() const { return m_fileLines; }

protected:
    /// Esc, "キャンセル" and the close box: with the modified flag set the teacher is asked
    /// whether to save; Yes runs OK, No (or no changes) closes with Cancel.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();

    // The unit.
    bool execute();
    /// The show sequence; false when the unit could not be loaded.
    bool FormShow();
    /// `LoadUnit`; false, with the reason shown, when the master file cannot be read.
    bool LoadUnit();
    void fillAreas(const UnitAreas &areas);
    /// The seven areas as lines; none when one holds a character CP932 cannot hold (shown).
    std::optional<UnitAreas> areaLines();
    /// OK steps 1 to 7 and 9: checks, stores and writes; false when the window must stay open.
    bool saveUnit();
    void btnOkClick();
    void closeWithCancel();
    void btnEditDirectClick();
    void areaChanged();

    // The answers and choices.
    /// The extraction ("抽出=>"); false when the answer-mark check failed.
    bool btnTestClick();
    /// Replaces the questions' selection by its markup; false when nothing was selected.
    bool markSelection(std::string (*markup)(std::string_view));
    void btnKaiClick();
    void btnKakkoClick();
    void btnKgAddClick();
    void btnDummyClick();
    void btnKGClearClick();
    void showAnswerCount();
    void showChoiceCounts();

    // The graphs.
    void fillGraphList(int lesson);
    void flbGraphClick(QListWidgetItem *item);
    void imgGraphClick();
    void addGraphs(Cp932TextEdit *area, bool answerGraphs);
    void clearPreview();

    Program &m_program;
    TfrmEditSource &m_source;
    TfrmBMP &m_viewer;
    Hooks m_hooks;

    bool m_newUnit = false;
    Worksheet *m_sheet = nullptr; ///< the sheet of edit mode while the editor is shown
    UnitLocator m_locator;
    std::string m_filePath;    ///< composed CP932 path of the master file
    std::string m_graphFolder; ///< composed CP932 path of the graph folder; empty when none
    bool m_modified = false;
    bool m_filling = false; ///< the program is loading the areas, which is no change
    std::vector<std::string> m_fileLines;
    std::vector<std::string> m_answers;
    QPixmap m_preview;
    QString m_previewName;

    QLineEdit *edtLesson = nullptr;
    QLineEdit *edtTangen = nullptr;
    QLineEdit *edtFileName = nullptr;
    Cp932TextEdit *MemQues = nullptr;
    Cp932TextEdit *memKgroup = nullptr;
    Cp932TextEdit *memDummy = nullptr;
    Cp932TextEdit *memHint = nullptr;
    Cp932TextEdit *memQGraph = nullptr;
    Cp932TextEdit *memAGraph = nullptr;
    Cp932TextEdit *memPasteLo = nullptr;
    QListWidget *lstKai = nullptr;
    QLabel *lblKosuh = nullptr;
    QLabel *lblKosuh2 = nullptr;
    QLabel *lblKosuh3 = nullptr;
    QCheckBox *chkSuuji = nullptr;
    QCheckBox *chkKigou = nullptr;
    QListWidget *flbGraph = nullptr;
    QLabel *imgGraph = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnEditDirect = nullptr;
    QPushButton *btnTest = nullptr;
    QPushButton *btnKai = nullptr;
    QPushButton *btnKakko = nullptr;
    QPushButton *btnKgAdd = nullptr;
    QPushButton *btnDummy = nullptr;
    QPushButton *btnKGClear = nullptr;
    QPushButton *btnQGAdd = nullptr;
    QPushButton *btnAGAdd = nullptr;
    QPushButton *btnQGClear = nullptr;
    QPushButton *btnAGClear = nullptr;
};

} // namespace zelkon
