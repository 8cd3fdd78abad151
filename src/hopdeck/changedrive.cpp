// TfrmChangeDrive: a folder tree of this machine stands where drive letters and a folder list
// stood, with the mounted places (the root, the home folder, discs and other drives) in a box.
#include "hopdeck/changedrive.h"

#include "common/path.h"
#include "launcher/program_files.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace zelkon::hopdeck {

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The places a folder search usually starts from: the home folder and every mounted file
// system that holds files (not the kernel's own, nor snaps).
QList<QPair<QString, QString>> Places()
{
    QList<QPair<QString, QString>> places{{U("ホーム  ") + QDir::homePath(), QDir::homePath()}};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || root.startsWith(QLatin1String("/snap"))
            || root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys"))
            || root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")))
            continue;
        const QString name = volume.displayName();
        places.append({name == root ? root : root + QStringLiteral("  (") + name + ')', root});
    }
    return places;
}

} // namespace

TfrmChangeDrive::TfrmChangeDrive(const std::string &folder, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChangeDrive"));
    auto *layout = new QVBoxLayout(this);

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setMinimumHeight(26);
    Panel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Panel1);

    dcbDrive = new QComboBox(this);
    dcbDrive->setObjectName(QStringLiteral("dcbDrive"));
    for (const auto &[label, root] : Places())
        dcbDrive->addItem(label, root);
    layout->addWidget(dcbDrive);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    dlbDrive = new QTreeView(this);
    dlbDrive->setObjectName(QStringLiteral("dlbDrive"));
    dlbDrive->setModel(m_model);
    // The folder names are what matters; size, type and date are file columns.
    for (int column = 1; column < m_model->columnCount(); ++column)
        dlbDrive->hideColumn(column);
    dlbDrive->header()->hide();
    layout->addWidget(dlbDrive, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(dlbDrive->selectionModel(),
            &QItemSelectionModel::currentChanged,
            this,
            &TfrmChangeDrive::dlbDriveChange);
    connect(dcbDrive, &QComboBox::activated, this, &TfrmChangeDrive::dcbDriveChange);
    // The tree fills in as the folders are read: keep the chosen one in view meanwhile.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] {
        dlbDrive->scrollTo(dlbDrive->currentIndex(), QAbstractItemView::PositionAtCenter);
    });

    if (parent)
        resize(parent->size());
    setFolder(folder);
}

bool TfrmChangeDrive::execute(const QRect &geometry)
{
    setWindowTitle(QStringLiteral("Zelkon HOPDECK 4.60 2005.11.15"));
    setGeometry(geometry);
    dlbDrive->scrollTo(dlbDrive->currentIndex(), QAbstractItemView::PositionAtCenter);
    return exec() == QDialog::Accepted;
}

std::string TfrmChangeDrive::folder() const
{
    return WithTrailingSeparator(FromFsPath(m_folder.toStdString()));
}

void TfrmChangeDrive::setFolder(const std::string &folder)
{
    const QString fs = QDir::cleanPath(QString::fromStdString(ToFsPath(folder)));
    const QModelIndex index = m_model->index(fs);
    if (index.isValid()) {
        dlbDrive->setCurrentIndex(index);
        dlbDrive->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    // A folder the tree cannot show is still the folder asked for.
    m_folder = fs;
    Panel1->setText(m_folder);
}

void TfrmChangeDrive::dcbDriveChange(int index)
{
    if (index < 0 || index >= dcbDrive->count())
        return;
    setFolder(FromFsPath(dcbDrive->itemData(index).toString().toStdString()));
}

void TfrmChangeDrive::dlbDriveChange(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    m_folder = QDir::cleanPath(m_model->filePath(current));
    Panel1->setText(m_folder);
}

} // namespace zelkon::hopdeck
