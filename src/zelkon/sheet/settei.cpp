// TfrmSettei: the answer-field panel's controls, opening it on the active sheet, the writes of
// its shape radios and spin boxes into the sheet, and its keys.
#include "sheet/settei.h"

#include "sheet/worksheet.h"
#include "sheet/worksheet_document.h"
#include "shell/glyphs.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelkon {

namespace {

constexpr int kPanelWidth = 123;
constexpr int kPanelHeight = 551;
// The allowances and positions have no range of their own; this one keeps every field
// rectangle of the page, on screen and on the printer, well inside integer arithmetic.
constexpr int kLargestOffset = 9999;
const QColor kPanelColour(192, 192, 255);
const QColor kGroupColour(255, 255, 240);

// A value from the sheet, shown without running the box's change command.
void ShowQuietly(QSpinBox *spin, int value)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}

bool InSpinBox(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<const QAbstractSpinBox *>(widget))
            return true;
    return false;
}

// Windows hands a typed character to the control even after the panel consumed its key, so 幅
// and 高さ can still be typed into; keys that type nothing stay with the panel.
bool TypesACharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint()
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

TfrmSettei::TfrmSettei(Program &program, TfrmMain &main)
    : QDialog(&main)
    , m_program(program)
    , m_main(main)
{
    setObjectName("frmSettei");
    setWindowTitle(U("設定"));
    setFont(main.font());
    Colour(this, kPanelColour);
    resize(kPanelWidth, kPanelHeight);
    setFixedWidth(kPanelWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 6, 5, 6);
    layout->setSpacing(6);
    buildShapeGroup();
    layout->addWidget(grbShape);
    buildPositionGroup();
    layout->addWidget(grbPosition);

    btnKakudai = new QPushButton(U("拡大"), this);
    btnKakudai->setObjectName("btnKakudai");
    btnOk = new QPushButton(Glyph("close"), U("閉じる"), this);
    btnOk->setObjectName("btnOk");
    for (QPushButton *button : {btnKakudai, btnOk}) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->setAutoDefault(false);
        button->setMinimumHeight(30);
        button->setIconSize(QSize(16, 16));
        layout->addWidget(button);
    }
    layout->addStretch(1);

    connectControls();
    qApp->installEventFilter(this);
}

void TfrmSettei::buildShapeGroup()
{
    grbShape = new QGroupBox(U("解答欄の形"), this);
    grbShape->setObjectName("grbShape");
    Colour(grbShape, kGroupColour);
    auto *layout = new QVBoxLayout(grbShape);
    layout->setContentsMargins(8, 6, 6, 8);
    layout->setSpacing(5);

    struct Entry
    {
        QRadioButton *&radio;
        const char *name;
        const char *caption;
        FieldShape shape;
    };
    const Entry entries[] = {
        {radNon, "radNon", "なし", FieldShape::None},
        {radShikaku, "radShikaku", "四角", FieldShape::Box},
        {radKakko, "radKakko", "[   ]", FieldShape::SquareBrackets},
        {radLine, "radLine", "【　】", FieldShape::LenticularBrackets},
        {radKasen, "radKasen", "____", FieldShape::Underline},
        {radRound, "radRound", "角丸", FieldShape::RoundedBox},
    };
    std::size_t index = 0;
    for (const Entry &entry : entries) {
        entry.radio = new QRadioButton(U(entry.caption), grbShape);
        entry.radio->setObjectName(entry.name);
        layout->addWidget(entry.radio);
        m_shapeRadios[index++] = {entry.shape, entry.radio};
    }
    radNon->setChecked(true);
    // The brackets are no choice of the teacher's; a sheet whose file holds one still shows it.
    radKakko->hide();
    radLine->hide();

    layout->addSpacing(4);
    pnlKranWX
        = addSpinRow(grbShape, spnKranWX, "spnKranWX", "幅", -kLargestOffset, kLargestOffset, 15);
    pnlKranH
        = addSpinRow(grbShape, spnKranH, "spnKranH", "高さ", -kLargestOffset, kLargestOffset, 2);
    layout->addWidget(pnlKranWX);
    layout->addWidget(pnlKranH);
}

void TfrmSettei::buildPositionGroup()
{
    grbPosition = new QGroupBox(U("解答位置と余白"), this);
    grbPosition->setObjectName("grbPosition");
    Colour(grbPosition, kGroupColour);
    auto *layout = new QVBoxLayout(grbPosition);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    layout->addWidget(new QLabel(U("解答位置"), grbPosition));
    auto *position = new QHBoxLayout;
    spnAnsX = addSpin(grbPosition, "spnAnsX", -kLargestOffset, kLargestOffset, 0);
    spnAnsY = addSpin(grbPosition, "spnAnsY", -kLargestOffset, kLargestOffset, 0);
    position->addWidget(spnAnsX);
    position->addWidget(spnAnsY);
    layout->addLayout(position);

    auto *arrows = new QGridLayout;
    const auto arrow = [this](const char *name, Qt::ArrowType type) {
        auto *button = new QToolButton(grbPosition);
        button->setObjectName(name);
        button->setArrowType(type);
        button->setFocusPolicy(Qt::ClickFocus);
        return button;
    };
    btnUp = arrow("btnUp", Qt::UpArrow);
    btnLeft = arrow("btnLeft", Qt::LeftArrow);
    btnRight = arrow("btnRight", Qt::RightArrow);
    btnDown = arrow("btnDown", Qt::DownArrow);
    arrows->addWidget(btnUp, 0, 1);
    arrows->addWidget(btnLeft, 1, 0);
    arrows->addWidget(btnRight, 1, 2);
    arrows->addWidget(btnDown, 2, 1);
    layout->addLayout(arrows);

    spnKranX = addSpin(grbPosition, "spnKranX", -kLargestOffset, kLargestOffset, 15);
    spnKranY = addSpin(grbPosition, "spnKranY", -kLargestOffset, kLargestOffset, 10);
    spnKranX->hide();
    spnKranY->hide();
    layout->addWidget(addSpinRow(grbPosition, spnLeftM, "spnLeftM", "左空白", 0, 15, 3));
    layout->addWidget(addSpinRow(grbPosition, spnRightM, "spnRightM", "右空白", 0, 15, 3));
    // Margins and answer positions change only through files and activation in this build.
    grbPosition->hide();
}

QSpinBox *
TfrmSettei::addSpin(QWidget *parent, const char *name, int minimum, int maximum, int value)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setFocusPolicy(Qt::ClickFocus);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

QWidget *TfrmSettei::addSpinRow(QWidget *parent,
                                QSpinBox *&spin,
                                const char *name,
                                const char *utf8Caption,
                                int minimum,
                                int maximum,
                                int value)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *label = new QLabel(U(utf8Caption), row);
    label->setMinimumWidth(28);
    spin = addSpin(row, name, minimum, maximum, value);
    label->setBuddy(spin);
    layout->addWidget(label);
    layout->addWidget(spin, 1);
    return row;
}

void TfrmSettei::connectControls()
{
    for (const ShapeRadio &entry : m_shapeRadios)
        connect(entry.radio, &QRadioButton::clicked, this, [this, shape = entry.shape] {
            radShapeClick(shape);
        });

    const auto kranBox = [this](QSpinBox *spin, KranLine line) {
        connect(spin, &QSpinBox::valueChanged, this, [this, line](int value) {
            kranSpinChange(line, value);
        });
    };
    kranBox(spnKranWX, KranLine::widthAllowance);
    kranBox(spnKranH, KranLine::heightAllowance);
    kranBox(spnAnsX, KranLine::answerX);
    kranBox(spnAnsY, KranLine::answerY);
    kranBox(spnKranX, KranLine::fieldX);
    kranBox(spnKranY, KranLine::fieldY);
    connect(spnLeftM, &QSpinBox::valueChanged, this, &TfrmSettei::spnLeftMChange);
    connect(spnRightM, &QSpinBox::valueChanged, this, &TfrmSettei::spnRightMChange);

    connect(btnLeft, &QAbstractButton::clicked, this, [this] { spnAnsX->stepBy(-1); });
    connect(btnRight, &QAbstractButton::clicked, this, [this] { spnAnsX->stepBy(1); });
    connect(btnUp, &QAbstractButton::clicked, this, [this] { spnAnsY->stepBy(-1); });
    connect(btnDown, &QAbstractButton::clicked, this, [this] { spnAnsY->stepBy(1); });

    connect(btnKakudai, &QPushButton::clicked, this, &TfrmSettei::btnKakudaiClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmSettei::btnOkClick);
}

void TfrmSettei::OpenAnswerFieldSettings(SheetWindow &window)
{
    const Worksheet &sheet = window.sheet();
    showShape(FieldShapeOf(sheet.kranValues[0]));
    ShowQuietly(spnKranWX, KranInt(sheet, KranLine::widthAllowance));
    ShowQuietly(spnKranH, KranInt(sheet, KranLine::heightAllowance));
    ShowQuietly(spnKranX, KranInt(sheet, KranLine::fieldX));
    ShowQuietly(spnKranY, KranInt(sheet, KranLine::fieldY));

    // Fields are judged against their answers, so the answers show while the panel is open
    // and stay shown afterwards. The toggle flips the main window's state, which therefore
    // starts from the sheet's.
    if (!sheet.answersShown) {
        m_main.setAnswerDisplay(false);
        m_main.btnKaitouClick();
    }

    if (exec() != QDialog::Accepted)
        return;
    SheetWindow *active = m_main.activeSheet();
    if (!active)
        return;
    TakeKranValue(active->sheet(), KranLine::widthAllowance, spnKranWX->value());
    TakeKranValue(active->sheet(), KranLine::heightAllowance, spnKranH->value());
    active->redrawSheet();
}

void TfrmSettei::takeSheetValues(SheetWindow &window)
{
    const Worksheet &sheet = window.sheet();
    ShowQuietly(spnLeftM, sheet.leftMargin);
    ShowQuietly(spnRightM, sheet.rightMargin);
    ShowQuietly(spnKranWX, KranInt(sheet, KranLine::widthAllowance));
    ShowQuietly(spnKranH, KranInt(sheet, KranLine::heightAllowance));
    ShowQuietly(spnAnsX, KranInt(sheet, KranLine::answerX));
    ShowQuietly(spnAnsY, KranInt(sheet, KranLine::answerY));
    ShowQuietly(spnKranX, KranInt(sheet, KranLine::fieldX));
    ShowQuietly(spnKranY, KranInt(sheet, KranLine::fieldY));
}

void TfrmSettei::takeAnswerWidth(SheetWindow &window)
{
    ShowQuietly(spnKranWX, KranInt(window.sheet(), KranLine::widthAllowance));
}

int TfrmSettei::answerWidth() const
{
    return spnKranWX->value();
}

void TfrmSettei::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfrmSettei::FormShow()
{
    // The panel lies over the side panel: its window frame starts where the side panel starts,
    // below the frame's caption and menu bar, and ends where it ends.
    const int sidePanelTop = m_main.centralWidget()->mapToGlobal(QPoint(0, 0)).y();
    move(m_main.frameGeometry().left(), sidePanelTop);
    const int decoration = frameGeometry().height() - geometry().height();
    resize(kPanelWidth, m_main.sidePanelHeight() - decoration);
    btnKakudai->setText(m_main.reducedViewCaption());
    // The radio already shows the sheet's shape (OpenAnswerFieldSettings); from here on every
    // change is drawn at once.
    m_program.state.sheetDrawingEnabled = true;
    for (const ShapeRadio &entry : m_shapeRadios)
        if (entry.radio->isChecked() && entry.radio->isVisibleTo(this))
            entry.radio->setFocus();
}

bool TfrmSettei::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // The panel sees the keys of all its controls before they do.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    return handleKey(static_cast<QKeyEvent *>(event));
}

bool TfrmSettei::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        btnOkClick();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        m_main.scrollSheet();
        return true;
    case Qt::Key_Backspace:
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text == QLatin1String("S") || text == QLatin1String("s")) {
        btnKakudaiClick();
        return true;
    }
    return !(TypesACharacter(event) && InSpinBox(focusWidget()));
}

void TfrmSettei::showShape(FieldShape shape)
{
    for (const ShapeRadio &entry : m_shapeRadios)
        if (entry.shape == shape)
            entry.radio->setChecked(true);
    const AllowanceUse use = AllowanceUseOf(shape);
    pnlKranWX->setEnabled(use.width);
    pnlKranH->setEnabled(use.height);
}

void TfrmSettei::radShapeClick(FieldShape shape)
{
    showShape(shape);
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    // Every shape the teacher picks is a change the close question must protect.
    ChooseFieldShape(sheet->sheet(), shape);
    sheet->redrawSheet();
}

void TfrmSettei::kranSpinChange(KranLine line, int value)
{
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    TakeKranValue(sheet->sheet(), line, value);
    sheet->redrawSheet();
}

void TfrmSettei::spnLeftMChange(int value)
{
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    Worksheet &document = sheet->sheet();
    const std::int32_t before = document.leftMargin;
    TakeLeftMargin(document, value);
    if (document.leftMargin != before)
        document.modified = true;
    sheet->redrawSheet();
}

void TfrmSettei::spnRightMChange(int value)
{
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    Worksheet &document = sheet->sheet();
    const std::int32_t before = document.rightMargin;
    TakeRightMargin(document, value);
    if (document.rightMargin != before)
        document.modified = true;
    sheet->redrawSheet();
}

void TfrmSettei::btnKakudaiClick()
{
    m_main.toggleReducedView();
    btnKakudai->setText(m_main.reducedViewCaption());
}

void TfrmSettei::btnOkClick()
{
    m_program.state.sheetDrawingEnabled = true;
    accept();
}

} // namespace zelkon
