// TfrmZenSeikai: "全問正解です" between two rows of red stars on a yellow panel.
#include "practice/zenseikai.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zelkon {

namespace {

// The Gothic face of the program's windows; fonts.h maps it onto the installed IPA font.
QFont PanelFont(bool bold)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(19);
    font.setBold(bold);
    return font;
}

QLabel *
PanelLine(QFrame *panel, const char *name, const QString &text, const QColor &colour, bool bold)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(PanelFont(bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

TfrmZenSeikai::TfrmZenSeikai(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmZenSeikai");
    setWindowTitle(QStringLiteral("frmZenSeikai"));
    setModal(true);
    setFixedSize(144, 167);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 8);
    layout->setSpacing(8);

    auto *pnlZenSeikai = new QFrame(this);
    pnlZenSeikai->setObjectName("pnlZenSeikai");
    pnlZenSeikai->setFrameShape(QFrame::Panel);
    pnlZenSeikai->setFrameShadow(QFrame::Raised);
    pnlZenSeikai->setLineWidth(2);
    pnlZenSeikai->setAutoFillBackground(true);
    QPalette yellow = pnlZenSeikai->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    pnlZenSeikai->setPalette(yellow);

    const QString stars = QStringLiteral("★★★★★★");
    auto *lines = new QVBoxLayout(pnlZenSeikai);
    lines->setContentsMargins(2, 4, 2, 4);
    lines->setSpacing(2);
    lines->addWidget(PanelLine(pnlZenSeikai, "lblStarsAbove", stars, Qt::red, false));
    lines->addWidget(
        PanelLine(pnlZenSeikai, "lblZenSeikai", QStringLiteral("全問正解です"), Qt::black, true));
    lines->addWidget(PanelLine(pnlZenSeikai, "lblStarsBelow", stars, Qt::red, false));
    layout->addWidget(pnlZenSeikai, 1);

    auto *btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setFixedSize(75, 25);
    btnOk->setDefault(true);
    layout->addWidget(btnOk, 0, Qt::AlignHCenter);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmZenSeikai::showEvent(QShowEvent *event)
{
    // The window is created once at start-up and shown after each all-correct drill; the
    // learner's screen is the one the main window is on.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : this;
    if (const QScreen *where = owner->screen()) {
        // Centre the whole window, title bar and border included, once the frame is known.
        QRect frame = frameGeometry();
        frame.moveCenter(where->geometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace zelkon
