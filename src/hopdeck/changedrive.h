// TfrmChangeDrive, the folder choice window: the places of this machine, a folder tree and the
// chosen folder's path.
#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace zelkon::hopdeck {

class TfrmChangeDrive : public QDialog
{
    Q_OBJECT

public:
    /// The tree starts at `folder` (CP932 path).
    TfrmChangeDrive(const std::string &folder, QWidget *parent);

    /// Shows the window modally over `geometry` (the main window's); true for OK. The folder
    /// stays as the user left it, whether OK or Cancel closed the window.
    bool execute(const QRect &geometry);

    /// The folder selected in the tree: CP932 path ending in "/".
    std::string folder() const;
    /// Selects `folder` (CP932 path) in the tree.
    void setFolder(const std::string &folder);

    /// Points the tree at the place chosen in the places box.
    void dcbDriveChange(int index);

private:
    void dlbDriveChange(const QModelIndex &current);

    QComboBox *dcbDrive = nullptr;
    QTreeView *dlbDrive = nullptr;
    QLabel *Panel1 = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QFileSystemModel *m_model = nullptr;
    QString m_folder; ///< filesystem path, without a trailing "/" unless it is "/"
};

} // namespace zelkon::hopdeck
