// TfrmOpenPRP, the copy file browser: the lessons of the main index, the copy files of the
// chosen lesson's folder and the raw lines of the chosen file, from which a copy file is opened.
#pragma once

#include "index/course_index.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zelkon {

struct Program;

/// How the browser closed.
enum class OpenPrpResult {
    Ok,          ///< a file was chosen; its path is in fileName()
    Cancel,      ///< closed with "ｷｬﾝｾﾙ" or Esc
    NoMainIndex, ///< the main index was missing at the first showing; the window never opened
};

class TfrmOpenPRP : public QDialog
{
    Q_OBJECT

public:
    /// `program` must outlive the window. Created once: the lessons are read at the first
    /// showing, the files of the chosen lesson again at every showing.
    explicit TfrmOpenPRP(Program &program, QWidget *parent = nullptr);

    /// Shows the window modally; at OK `lastCopyFilePosition` and `lastCopyFileName` hold the
    /// file chosen.
    OpenPrpResult execute();

    /// The composed path of the file chosen at OK; none when the browser was cancelled or the
    /// main index was missing.
    std::optional<std::string> browse();

    /// The composed path `edtFileName` shows; empty while no file is chosen.
    const std::string &fileName() const { return m_fileName; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectChoice(QListWidget *list, void (TfrmOpenPRP::*choose)(int));

    bool readLessonList();
    void FormShow();
    void lstLessonClick(int row);
    void flbPRPClick(int row);
    void btnOkClick();
    void showFileName(const std::string &path);

    Program &m_program;
    bool m_firstShow = true;
    /// This window's own lesson tables, read at the first showing.
    CourseIndex m_index;
    /// The folder whose files flbPRP lists.
    std::string m_fileFolder;
    std::string m_fileName;
    /// The current row of the list pressed last, taken before the press moved it.
    int m_rowBeforePress = -1;

    QLabel *pnlLesson = nullptr;
    QLabel *pnlPRP = nullptr;
    QLabel *Panel1 = nullptr;
    QListWidget *lstLesson = nullptr;
    QListWidget *flbPRP = nullptr;
    QListWidget *lstContents = nullptr;
    QLineEdit *edtFileName = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

} // namespace zelkon
