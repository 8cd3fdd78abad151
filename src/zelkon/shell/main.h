// TfrmMain, the frame of the program: the worksheet area, the side panel of commands, the
// menus, the keys, the teacher/student lock and the tips panel.
#pragma once

#include "settings/app_state.h"
#include "sheet/paper.h"

#include <QMainWindow>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace zelkon {

struct MainSeams;
struct Program;
class SheetWindow;

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    /// `program` and `seams` must outlive the window.
    TfrmMain(Program &program, MainSeams &seams);
    ~TfrmMain() override;

    // Start-up (see Startup).
    /// Colours the side panel and the paper size panel.
    void colourPanels();
    /// Places the window at 0,0 with the screen's width and its height less 28 pixels.
    void coverScreen();
    QSize screenSize() const { return m_screenSize; }
    int sidePanelWidth() const;
    int sidePanelHeight() const;
    /// Ticks the tips panel's "show at the next start" box.
    void setShowDoYouKnow(bool show);
    /// Enables the answer button and gives it the picture of the current answer display.
    void enableAnswerButton();
    /// Places the tips panel over the middle of the sheet area and colours it.
    void placeTipsPanel();
    /// Gives the tips panel's close button the focus when the panel is visible.
    void focusTipsPanel();
    /// Shows `learnerName` in the learner field.
    void showLearnerName();
    /// Shows the controls and menus of student mode when `locked`, of teacher mode otherwise,
    /// on the frame and on every open sheet, without writing "KeyLock".
    void applyLock(bool locked);

    // State other windows read and set.
    QMdiArea *mdiArea() const { return m_mdiArea; }
    /// The keys of the open sheets (`openSheetList`).
    std::vector<std::string> &openSheetList() { return m_openSheetList; }
    /// Adds a sheet window to the frame: numbers it, counts it and lists its key. The sheet
    /// calls removeSheet when its window closes.
    WorksheetId addSheet(SheetWindow &sheet);
    /// Unlists a closing sheet: its key leaves `openSheetList`, `activeWorksheet` becomes none
    /// and the count drops by one.
    void removeSheet(WorksheetId id);
    /// The active worksheet; null when there is none.
    SheetWindow *activeSheet() const;
    /// The open sheet listed under `key` in `openSheetList`; null when there is none. A sheet
    /// to which units were added keeps its key while its caption shows the combined title.
    SheetWindow *sheetOfKey(std::string_view key) const;
    /// Activates the sheet listed under `key`; false when there is none.
    bool activateSheet(std::string_view key);
    /// "別解表示" is ticked.
    bool showAlternatives() const;
    /// Ticks or clears "別解表示" without running its command.
    void setShowAlternatives(bool shown);
    int lineSpacingValue() const;
    int fontSizeValue() const;
    /// The side panel's spin boxes; a change runs the control's command.
    void setLineSpacing(int spacing);
    void setFontSize(int size);
    void setSubLineSpacing(int spacing);
    /// Sets the answer display state and the answer button's picture.
    void setAnswerDisplay(bool shown);
    /// "解答表示" can be pressed.
    bool answerButtonEnabled() const;
    bool reducedView() const { return m_reducedView; }
    /// "拡大" while the view is reduced, "縮小" otherwise.
    QString reducedViewCaption() const;
    /// Checks the paper button of `width` (A4 for any other width) without running its command.
    void selectPaperButton(std::int32_t width);
    /// The PaperSpec of the checked paper button (A3 when none of B5, A4, B4 is checked).
    PaperSpec currentPaperEntry() const;
    /// Enables or disables "コピー" and "キャンセル" of the copy area box.
    void setCopyButtonsEnabled(bool enabled);
    bool copyButtonsEnabled() const;

    // Commands without a control of their own; each does nothing without a worksheet unless
    // it says otherwise.
    void choosePaper(Paper paper);
    /// Chooses the paper of that width; other widths change nothing.
    void setPaperByWidth(std::int32_t width);
    void togglePaperLock();
    void toggleReducedView();
    /// Scrolls the active sheet to its bottom when it is at the top, else to the top.
    void scrollSheet();
    /// Hands a column layout (0 to 2) to the sheet; marks it modified only when it changed.
    void setColumnLayout(int column);
    /// Adds another unit's questions to the sheet; refuses with a message without one.
    void addUnit();
    void openCopyFile();
    void markModified();
    void clearModified();
    void openSchoolName();
    void openPaperDialog();
    /// Closes the active worksheet; it asks its own questions.
    void closeActiveSheet();

    // Side panel and menu commands, also called by the worksheet's menu.
    void btnLockClick();
    void btnCloseClick();
    void btnOpenClick();
    void btnSaveClick();
    void btnOverwriteClick();
    void btnSaveAsClick();
    void btnPrintClick();
    void btnEditClick();
    void btnRenshuClick();
    void btnShimeiClick();
    void btnKranClick();
    void chkBetsukaiClick();
    void btnKaitouClick();
    void btnCopyClick();
    void btnCopyCancelClick();
    void mnuIndexClick();
    void mnuMaximizeClick();
    void mnuCloseAllClick();
    void mnuDoYouKnowClick();
    void btnTipsCloseClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildSidePanel();
    QPushButton *addPanelButton(QVBoxLayout *layout,
                                const char *name,
                                const char *utf8Caption,
                                const char *glyph);
    QWidget *addSpinRow(QVBoxLayout *layout,
                        QSpinBox *&spin,
                        const char *name,
                        const char *utf8Caption,
                        int minimum,
                        int maximum,
                        int value);
    void buildHiddenControls(QVBoxLayout *layout);
    void buildSavePanel(QWidget *parent);
    void buildTipsPanel(QWidget *parent);
    void buildMenus();
    void mnuWindowPopup();
    void connectControls();

    bool handleKey(QKeyEvent *event);
    void hideSavePanel();
    void showAnswerGlyph();
    void spnGyokanChange(int value);
    void spnMojiSizeChange(int value);
    void spnFukuGyokanChange(int value);
    void spnKaitouHabaChange(int value);
    void paperButtonClick(Paper paper);

    Program &m_program;
    MainSeams &m_seams;
    QSize m_screenSize;
    std::vector<std::string> m_openSheetList;
    std::map<WorksheetId, SheetWindow *> m_sheets;
    WorksheetId m_lastSheetId = kNoWorksheet;
    bool m_reducedView = false;

    QMdiArea *m_mdiArea = nullptr;
    QWidget *m_central = nullptr;

    // Side panel.
    QFrame *pnlSide = nullptr;
    QPushButton *btnLock = nullptr;
    QPushButton *btnClose = nullptr;
    QPushButton *btnOpen = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnEdit = nullptr;
    QPushButton *btnRenshu = nullptr;
    QPushButton *btnShimei = nullptr;
    QLineEdit *edtShimei = nullptr;
    QPushButton *btnKran = nullptr;
    QCheckBox *chkBetsukai = nullptr;
    QPushButton *btnKaitou = nullptr;
    QWidget *pnlGyokan = nullptr;
    QSpinBox *spnGyokan = nullptr;
    QWidget *pnlMojiSize = nullptr;
    QSpinBox *spnMojiSize = nullptr;
    QGroupBox *grbCopy = nullptr;
    QPushButton *btnCopy = nullptr;
    QPushButton *btnCopyCancel = nullptr;

    // Controls kept hidden: they hold state the commands and other windows use.
    QFrame *pnlPaper = nullptr;
    QRadioButton *rdbB5 = nullptr;
    QRadioButton *rdbA4 = nullptr;
    QRadioButton *rdbB4 = nullptr;
    QRadioButton *rdbA3 = nullptr;
    QPushButton *btnReduce = nullptr;
    QSpinBox *spnFukuGyokan = nullptr;
    QSpinBox *spnKaitouHaba = nullptr;
    QRadioButton *rdbColumn[3] = {};

    // Save choice panel beside "保　存　".
    QFrame *pnlSave = nullptr;
    QPushButton *btnOverwrite = nullptr;
    QPushButton *btnSaveAs = nullptr;

    // Tips panel.
    QGroupBox *grbDoYouKnow = nullptr;
    QCheckBox *chkShowDoYouKnow = nullptr;
    QPushButton *btnTipsClose = nullptr;

    // Menus.
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuWindow = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuMaximize = nullptr;
    QAction *mnuTile = nullptr;
    QAction *mnuCascade = nullptr;
    QAction *mnuCloseAll = nullptr;
    QAction *mnuDoYouKnow = nullptr;
};

} // namespace zelkon
