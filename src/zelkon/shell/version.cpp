// TfrmVersion: the program's name and version in a raised panel.
#include "shell/version.h"

#include "platform/qstring_cp932.h"
#include "settings/edition_constants.h"
#include "shell/glyphs.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zelkon {

TfrmVersion::TfrmVersion(const EditionConstants &edition, QWidget *parent)
    : QDialog(parent)
    , m_edition(edition)
{
    setObjectName("frmVersion");
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    auto *pnlVersion = new QFrame(this);
    pnlVersion->setFrameShape(QFrame::Panel);
    pnlVersion->setFrameShadow(QFrame::Raised);
    pnlVersion->setLineWidth(2);
    auto *grid = new QGridLayout(pnlVersion);
    grid->setContentsMargins(16, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    auto *imgIcon = new QLabel(pnlVersion);
    imgIcon->setPixmap(Glyph("zelkon").pixmap(32, 32));
    imgIcon->setFixedSize(32, 32);
    imgIcon->setScaledContents(true);
    grid->addWidget(imgIcon, 0, 0, 2, 1, Qt::AlignTop);
    lblProductName = new QLabel(pnlVersion);
    lblProductName->setObjectName("lblProductName");
    QFont bold = lblProductName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblProductName->setFont(bold);
    grid->addWidget(lblProductName, 0, 1);
    lblVersion = new QLabel(pnlVersion);
    lblVersion->setObjectName("lblVersion");
    grid->addWidget(lblVersion, 1, 1);
    layout->addWidget(pnlVersion);
    auto *btnClose = new QPushButton(QString::fromUtf8("閉じる"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    layout->addWidget(btnClose, 0, Qt::AlignHCenter);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmVersion::execute()
{
    lblProductName->setText(ToQString(m_edition.mainCaption));
    lblVersion->setText(ToQString(m_edition.versionText));
    adjustSize();
    setFixedSize(size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    exec();
}

} // namespace zelkon
