// TfrmVersion, the version dialog: the program's icon, name and version.
#pragma once

#include <QDialog>

class QLabel;

namespace zelkon {

struct EditionConstants;

class TfrmVersion : public QDialog
{
    Q_OBJECT

public:
    /// `edition` must outlive the dialog.
    explicit TfrmVersion(const EditionConstants &edition, QWidget *parent = nullptr);

    /// Fills in the product name and version, centres the dialog and shows it modally.
    void execute();

private:
    const EditionConstants &m_edition;
    QLabel *lblProductName = nullptr;
    QLabel *lblVersion = nullptr;
};

} // namespace zelkon
