// TfrmKiroku, the record window: the learner's record counts of every unit and copy file of a
// lesson, a unit's record lines, and erasing the records of one unit.
#pragma once

#include "records/record_list.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zelkon {

struct Program;

class TfrmKiroku : public QDialog
{
    Q_OBJECT

public:
    /// `program` must outlive the window.
    explicit TfrmKiroku(Program &program, QWidget *parent = nullptr);

    /// `ShowRecordWindow`: shows the records of `lesson` (below 1 taken as 1) for `learnerName`
    /// modally; true when any record was erased, so the caller recounts what it shows.
    bool ShowRecordWindow(int lesson);
    /// ShowRecordWindow for the lesson of `currentLocator`.
    bool ShowRecordWindow();

    /// Prepares the next showing for `lesson` and clears the erase flag; ShowRecordWindow
    /// does this itself.
    void setLesson(int lesson);
    /// True when a record was erased since setLesson.
    bool erased() const { return m_erased; }
    /// The list's lines as built for the lesson.
    const std::vector<RecordListEntry> &entries() const { return m_entries; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormShow();
    /// Builds the list afresh, with `currentRow` as its current line (not selected).
    void fillList(int currentRow);
    void lstTitleClick();
    void btnEraseClick();
    void btnReturnClick();

    Program &m_program;
    int m_lesson = 1;
    bool m_erased = false;
    std::vector<RecordListEntry> m_entries;

    QLineEdit *edtLogOnName = nullptr;
    QPushButton *btnErase = nullptr;
    QPushButton *btnReturn = nullptr;
    QListWidget *lstTitle = nullptr;
    QPlainTextEdit *memDetail = nullptr;
};

} // namespace zelkon
