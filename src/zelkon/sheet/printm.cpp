// TfrmPrintM: creation from the unit record, activation, the page picture and its redraw, the
// setters from the side panel and the sheet's menu.
#include "sheet/printm.h"

#include "common/cp932.h"
#include "common/prompter.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_canvas.h"
#include "platform/qt_picture.h"
#include "practice/answer_box.h"
#include "sheet/graph_loading.h"
#include "sheet/layout_blocks.h"
#include "sheet/mark_outline.h"
#include "sheet/paper.h"
#include "sheet/render_sheet.h"
#include "sheet/worksheet_document.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace zelkon {

namespace {

const QColor kDeskColour(160, 164, 172);

void Append(Messages &to, const Messages &more)
{
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace

TfrmPrintM::TfrmPrintM(Program &program, TfrmMain &main, MainSeams &seams)
    : QMdiSubWindow(main.mdiArea())
    , m_program(program)
    , m_main(main)
    , m_seams(seams)
{
    setObjectName("frmPrintM");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(main.windowIcon());
    buildControls();
    buildMenu();
    TakeUnitRecord();
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TfrmPrintM::FormActivate);
}

void TfrmPrintM::buildControls()
{
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    scrPage = new QScrollArea(body);
    scrPage->setObjectName("scrPage");
    scrPage->setWidgetResizable(false);
    scrPage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette desk = scrPage->palette();
    desk.setColor(QPalette::Window, kDeskColour);
    scrPage->setPalette(desk);
    scrPage->setBackgroundRole(QPalette::Window);
    layout->addWidget(scrPage);

    pnlPage = new QWidget;
    pnlPage->setObjectName("pnlPage");
    Image1 = new QLabel(pnlPage);
    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2 = new QLabel(pnlPage);
    Image2->setObjectName("Image2");
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->hide();
    // The display images lie over the page picture, so a graph's place on the page is its
    // place in Image1.
    for (int k = 1; k <= kMaxGraphs; ++k) {
        imgFig[k] = new QLabel(Image1);
        imgFig[k]->setObjectName(QStringLiteral("imgFig%1").arg(k));
        imgFig[k]->setScaledContents(true);
        imgFig[k]->hide();
        imgFig[k]->installEventFilter(this);
    }
    Image1->installEventFilter(this);
    shpMark = new MarkOutline(Image1);
    scrPage->setWidget(pnlPage);
    setWidget(body);
}

void TfrmPrintM::buildMenu()
{
    mnuMain = new QMenuBar(widget());
    mnuMain->setObjectName("mnuMain");
    widget()->layout()->setMenuBar(mnuMain);

    QMenu *file = mnuMain->addMenu(U("ファイル(&F)"));
    file->setObjectName("mnuFile");
    file->addAction(U("開く(&O)"), &m_main, &TfrmMain::btnOpenClick);
    file->addAction(U("コピーファイルを開く(&P)"), this, &TfrmPrintM::mnuOpenCopyFileClick)
        ->setObjectName("mnuOpenCopyFile");
    mnuOverwrite = file->addAction(U("上書き保存(&S)"), &m_main, &TfrmMain::btnOverwriteClick);
    file->addAction(U("印刷(&P)"), &m_main, &TfrmMain::btnPrintClick);
    file->addAction(U("閉じる(&C)"), this, &QWidget::close);
    file->addSeparator();
    file->addAction(U("終了(&X)"), &m_main, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &TfrmPrintM::mnuFilePopup);

    QMenu *edit = mnuMain->addMenu(U("編集(&E)"));
    edit->setObjectName("mnuEdit");
    edit->addAction(U("目次作成(&C)"), &m_main, &TfrmMain::mnuIndexClick);
    edit->addAction(U("学校名・塾名(&J)"), this, &TfrmPrintM::mnuSchoolNameClick);
    edit->addAction(U("編集(&E)"), &m_main, &TfrmMain::btnEditClick);
    edit->addAction(U("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&B)"), this, &TfrmPrintM::mnuClipboardClick);
    edit->addAction(U("単元の追加(&D)"), &m_main, &TfrmMain::addUnit)->setObjectName("mnuAddUnit");

    QMenu *view = mnuMain->addMenu(U("表示(&V)"));
    view->setObjectName("mnuView");
    mnuAnswerDisplay = view->addAction(U("解答表示(&A)"), this, &TfrmPrintM::mnuAnswerDisplayClick);
    mnuAnswerDisplay->setObjectName("mnuAnswerDisplay");
    mnuAnswerDisplay->setCheckable(true);
    connect(view, &QMenu::aboutToShow, this, &TfrmPrintM::mnuViewPopup);

    QMenu *settings = mnuMain->addMenu(U("設定(&C)"));
    settings->setObjectName("mnuSettings");
    settings->addAction(U("印字モードの設定(&P)"), this, [this] { m_seams.showPrintModeDialog(); });
    settings->addAction(U("解答欄の設定(&K)"), &m_main, &TfrmMain::btnKranClick);
    settings->addAction(U("用紙サイズとオプションの設定(&S)"), &m_main, &TfrmMain::openPaperDialog);
}

void TfrmPrintM::TakeUnitRecord()
{
    AppState &state = m_program.state;
    const int reducedHeight = m_main.sidePanelHeight() - 36;
    Image2->setFixedSize(RoundHalfEven(reducedHeight / std::sqrt(2.0)), reducedHeight);
    ResetRenderTablesForNewSheet(m_program.renderTables);

    Messages messages;
    QtPictureLoader loader;
    Append(messages, LoadClassFlag(m_sheet.graphs, state.programFolder, loader));

    state.sheetDrawingEnabled = false;
    largeWindow();
    SheetCreationContext context = SheetCreationContextOf(state);
    context.selectedPaperWidth = m_main.currentPaperEntry().width;
    zelkon::TakeUnitRecord(m_sheet, m_program.unitRecord, context, messages);

    const std::string folder
        = graphFolder(state.programFolder, m_program.index, m_sheet.locator.lesson);
    Append(messages, LoadQuestionGraphs(m_sheet, folder, loader));
    Append(messages, LoadAnswerGraphs(m_sheet, folder, loader));
    showGraphs();

    setWindowTitle(ToQString(m_sheet.sheetKey));
    m_id = m_main.addSheet(*this);
    applyLock(state.keyLock);
    showMessages(messages);
}

void TfrmPrintM::retakeUnitRecord(const UnitRecord &record)
{
    zelkon::RetakeUnitRecord(m_sheet, record);
    Messages messages;
    QtPictureLoader loader;
    const std::string folder
        = graphFolder(m_program.state.programFolder, m_program.index, m_sheet.locator.lesson);
    Append(messages, LoadQuestionGraphs(m_sheet, folder, loader));
    Append(messages, LoadAnswerGraphs(m_sheet, folder, loader));
    showGraphs();
    showMessages(messages);
    redrawSheet();
}

void TfrmPrintM::FormActivate()
{
    largeWindow();
    if (m_program.state.activationRefresh)
        ActivateSheet();
    m_program.renderTables.collectAnswerFields = true;
    redrawSheet();
    // The copy area buttons act on the active sheet's mark, so they follow the sheet.
    m_main.setCopyButtonsEnabled(!shpMark->shownRect().isEmpty());
}

void TfrmPrintM::ActivateSheet()
{
    AppState &state = m_program.state;
    state.sheetDrawingEnabled = false;
    // Every control below runs its change command on this sheet, which would mark it modified.
    const bool wasModified = m_sheet.modified;
    state.activeWorksheet = m_id;
    mnuAnswerDisplay->setChecked(m_sheet.answersShown);
    m_main.setAnswerDisplay(m_sheet.answersShown);

    m_main.setLineSpacing(m_sheet.lineSpacing);
    m_main.setFontSize(m_sheet.fontSize);
    m_main.setSubLineSpacing(ParseDecimalInt(m_sheet.kranValues[8]).value_or(0));
    // The option boxes are ticked here too, so a sheet never prints with another's options.
    m_seams.takeSheetValues(*this);

    m_main.selectPaperButton(m_sheet.paper.width);
    SetPaperWidth(state, m_sheet.paper.width);

    state.sheetDrawingEnabled = true;
    setPaper(m_sheet.paper);
    m_sheet.modified = wasModified;
}

void TfrmPrintM::redrawSheet()
{
    const AppState &state = m_program.state;
    if (state.activeWorksheet != m_id || !state.sheetDrawingEnabled)
        return;
    const bool reduced = m_main.reducedView();
    showView(reduced);

    m_page = NewPageImage(Image1->width(), Image1->height());
    RenderTables &tables = m_program.renderTables;
    // The sheet's own page always records its fields: printing and practice leave the table
    // as it was, so fields and practice boxes follow the text again from here. States stay.
    tables.collectAnswerFields = true;
    Messages messages;
    {
        QtCanvas canvas(m_page);
        RenderSheet(m_sheet, tables, canvas, /*toPrinter=*/false, renderContext(), messages);
    }
    Image1->setPixmap(QPixmap::fromImage(m_page));
    showGraphs();
    if (reduced)
        Image2->setPixmap(QPixmap::fromImage(
            m_page.scaled(Image2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    showMessages(messages);
}

RenderContext TfrmPrintM::renderContext() const
{
    const AppState &state = m_program.state;
    RenderContext context;
    context.sheetDrawingEnabled = state.sheetDrawingEnabled;
    context.mojiSize = m_main.fontSizeValue();
    context.showAlternatives = m_main.showAlternatives();
    // The paper dialog's option boxes are ticked from the active sheet at every activation and
    // written back to it at its OK, so they always equal the sheet's option flags.
    context.classFlagBox = (m_sheet.optionFlags & kClassFlagOption) != 0;
    context.dateLineBox = (m_sheet.optionFlags & kDateLineOption) != 0;
    context.printStampBox = (m_sheet.optionFlags & kPrintStampOption) != 0;
    // The print mode dialog numbers the sheets; the page shows the number the next print gets.
    m_seams.applyPrintNumbering(context);
    context.schoolName = state.schoolName;
    context.learnerName = state.learnerName;
    const QDateTime now = QDateTime::currentDateTime();
    context.now = {now.date().year(),
                   now.date().month(),
                   now.date().day(),
                   now.time().hour(),
                   now.time().minute()};
    context.pictureWidth = Image1->width();
    context.pictureHeight = Image1->height();
    // The answer-field panel's 幅 and 高さ hold these two values of the active sheet.
    context.fieldWidthAllowance = ParseDecimalInt(m_sheet.kranValues[1]).value_or(0);
    context.fieldHeightAllowance = ParseDecimalInt(m_sheet.kranValues[2]).value_or(0);
    context.inputBoxHeight = AnswerBoxHeight;
    return context;
}

void TfrmPrintM::showView(bool reduced)
{
    Image1->setVisible(!reduced);
    Image2->setVisible(reduced);
    pnlPage->resize(reduced ? Image2->size() : Image1->size());
}

void TfrmPrintM::showGraphs()
{
    for (int k = 1; k <= kMaxGraphs; ++k) {
        const GraphSlot &slot = m_sheet.graphs.figures[k];
        QLabel *figure = imgFig[k];
        if (!slot.visible) {
            figure->hide();
            continue;
        }
        // A graph whose file is missing keeps its place with nothing to show.
        const auto *picture = dynamic_cast<const QtPicture *>(slot.shown.get());
        const QImage image = picture ? picture->image() : QImage();
        figure->setPixmap(QPixmap::fromImage(image));
        figure->setGeometry(slot.left, slot.top, image.width(), image.height());
        figure->show();
    }
}

void TfrmPrintM::showMessages(const Messages &messages)
{
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
}

void TfrmPrintM::takeLineSpacing(int spacing)
{
    TakeLineSpacing(m_sheet, spacing);
    redrawSheet();
}

void TfrmPrintM::takeFontSize(int size)
{
    TakeFontSize(m_sheet, size);
    redrawSheet();
}

void TfrmPrintM::takeAnswerDisplay(bool shown)
{
    m_sheet.answersShown = shown;
    mnuAnswerDisplay->setChecked(shown);
    redrawSheet();
}

void TfrmPrintM::setPaper(const PaperSpec &paper)
{
    const PaperEntry *entry = FindPaperByWidth(paper.width);
    if (!entry)
        return;
    m_sheet.paper = paper;
    m_main.selectPaperButton(paper.width);
    m_sheet.graphs.classFlagLeft = entry->classFlagLeft;
    m_sheet.graphs.classFlagTop = entry->classFlagTop;
    Image1->setFixedSize(entry->pageSize.width, entry->pageSize.height);
    showView(Image2->isVisible());
}

void TfrmPrintM::switchReducedView(bool reduced)
{
    showView(reduced);
    redrawSheet();
}

void TfrmPrintM::largeWindow()
{
    move(0, 0);
    resize(m_main.width() - m_main.sidePanelWidth() - 10, m_main.sidePanelHeight());
}

int TfrmPrintM::scrollPosition() const
{
    return scrPage->verticalScrollBar()->value();
}

void TfrmPrintM::setScrollPosition(int position)
{
    scrPage->verticalScrollBar()->setValue(position);
}

int TfrmPrintM::pageImageHeight() const
{
    return Image1->height();
}

void TfrmPrintM::applyLock(bool locked)
{
    mnuMain->setVisible(!locked);
}

void TfrmPrintM::mnuFilePopup()
{
    // Only a sheet of a master file can be written back into it.
    mnuOverwrite->setEnabled(m_sheet.openedFromMaster);
}

void TfrmPrintM::mnuViewPopup()
{
    mnuAnswerDisplay->setEnabled(m_main.answerButtonEnabled());
}

void TfrmPrintM::mnuAnswerDisplayClick()
{
    m_main.btnKaitouClick();
}

void TfrmPrintM::mnuSchoolNameClick()
{
    m_main.openSchoolName();
    redrawSheet();
}

void TfrmPrintM::mnuClipboardClick()
{
    QGuiApplication::clipboard()->setImage(m_page);
}

void TfrmPrintM::mnuOpenCopyFileClick()
{
    m_main.openCopyFile();
}

} // namespace zelkon
