// TfrmMenu, the unit selection window: lessons, sections and units side by side, with the
// practice counts and similar problems of the units, from which a unit is chosen to open or add.
#pragma once

#include "index/main_index.h"
#include "index/unit_list.h"
#include "master/unit_locator.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QStyleOptionViewItem;

namespace zelkon {

struct Program;

class TfrmMenu : public QDialog
{
    Q_OBJECT

public:
    /// The windows this one opens, which other parts of the program build. A button whose
    /// window is not set is hidden.
    struct Hooks
    {
        std::function<void()> logOn;        ///< learner log-on dialog, modal
        std::function<bool()> showRecords;  ///< record window, modal; true when records changed
        std::function<void()> showAllUnits; ///< all-units window, modal
    };

    /// `program` must outlive the window. Created once and reused: lists, choices and counts
    /// stay between showings.
    explicit TfrmMenu(Program &program, QWidget *parent = nullptr);

    void setHooks(Hooks hooks);

    /// Sets the mode and its caption; the window shows it at the next showing.
    void setMode(MenuMode mode);
    MenuMode mode() const { return m_mode; }

    /// Shows the window modally in `mode`; true when closed with OK, which left the choice in
    /// `currentLocator`, `lessonName`, `sectionName` and `unitName`.
    bool execute(MenuMode mode);

    /// Empties the three lists and reads the main index into the lesson list and the title;
    /// the next showing chooses lesson 1 again. Messages of the read are shown.
    MainIndexRead readMainIndex();

    /// Recomputes the practice counts, and the similar-problem marks when they are stale, of
    /// the lesson the lists show, for the learner logged on now; nothing while no lesson is
    /// loaded.
    void refreshCounts();

    /// The display prefixes and similar-problem flags of the loaded lesson's units.
    const UnitDisplayTable &unitDisplay() const { return m_display; }

    /// The lesson the lists belong to: its position from 1, or -1 when the folder or sub-index
    /// of the lesson chosen last was missing; 0 before any choice.
    int loadedLesson() const { return m_locator.lesson; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectChoice(QListWidget *list, void (TfrmMenu::*choose)(int));

    void FormShow();
    void lstLessonClick(int row);
    void lstSectionClick(int row);
    void lstUnitClick(int row);
    void lstUnitDrawItem(QPainter *painter, const QStyleOptionViewItem &option, int row);
    void lstRuidaiClick();
    void btnRuidaiClearClick();
    void btnOkClick();
    void btnKirokuClick();
    bool listKeyDown(QListWidget *list, int key);

    void fillSectionList();
    /// Fills the similar-problem list for unit n (from 1) of the unit list's section; 0 for none.
    void listSimilarProblems(int unit);
    void showSimilarProblems(bool shown);
    void setUnitPanel(bool similarSelected);
    void showMessages(const Messages &messages);

    Program &m_program;
    Hooks m_hooks;
    MenuMode m_mode = MenuMode::Open;
    bool m_firstShow = true;
    /// The choice being made; AppState gets it only at OK.
    UnitLocator m_locator;
    /// The section whose units the unit list shows.
    int m_unitListSection = 0;
    /// The current row of the list pressed last, taken before the press moved it.
    int m_rowBeforePress = -1;
    UnitDisplayTable m_display;

    QLabel *pnlTitle = nullptr;
    QLabel *pnlLesson = nullptr;
    QLabel *pnlSection = nullptr;
    QLabel *pnlUnit = nullptr;
    QListWidget *lstLesson = nullptr;
    QListWidget *lstSection = nullptr;
    QListWidget *lstUnit = nullptr;
    QLabel *lblRuidai = nullptr;
    QListWidget *lstRuidai = nullptr;
    QPushButton *btnRuidaiClear = nullptr;
    QLabel *lblNote = nullptr;
    QPushButton *btnZenTangen = nullptr;
    QPushButton *btnKiroku = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

} // namespace zelkon
