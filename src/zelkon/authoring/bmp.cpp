// TfrmBMP: the picture at its natural size on white, its name and size above it.
#include "authoring/bmp.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zelkon {

TfrmBMP::TfrmBMP(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmBMP");
    setWindowTitle(QString::fromUtf8("ZViewer 拡大表示"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    QFont system = font();
    system.setPixelSize(14);
    setFont(system);

    const auto label = [this](const char *name, const char *text) {
        auto *made = new QLabel(QString::fromUtf8(text), this);
        made->setObjectName(name);
        return made;
    };
    lblName = label("lblName", ".bmp");
    lblXW = label("lblXW", "800");
    Label1 = label("Label1", "X");
    lblYH = label("lblYH", "600");
    Image1 = label("Image1", "");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *sizes = new QHBoxLayout;
    sizes->setSpacing(6);
    sizes->addWidget(lblName);
    sizes->addSpacing(16);
    sizes->addWidget(lblXW);
    sizes->addWidget(Label1);
    sizes->addWidget(lblYH);
    sizes->addStretch(1);

    // A picture larger than the screen can still be seen whole by scrolling.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName("scrImage");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(Image1);
    scroller->setWidgetResizable(false);
    scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroller->setPalette(white);
    scroller->viewport()->setAutoFillBackground(true);
    scroller->viewport()->setPalette(white);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addLayout(sizes);
    layout->addWidget(scroller, 1);
}

void TfrmBMP::ShowPicture(const QPixmap &picture, const QString &name)
{
    Image1->setPixmap(picture);
    Image1->resize(picture.size());
    lblName->setText(name);
    lblXW->setText(QString::number(picture.width()));
    lblYH->setText(QString::number(picture.height()));

    QSize wanted = picture.size() + QSize(24, 52);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize());
    resize(wanted.expandedTo(QSize(220, 120)));
    move(0, 0);
    exec();
}

} // namespace zelkon
