// TfrmZenSeikai, the small window that congratulates the learner on an all-correct drill.
#pragma once

#include <QDialog>

namespace zelkon {

class TfrmZenSeikai : public QDialog
{
    Q_OBJECT

public:
    /// Builds the window, modal and of fixed size; OK accepts it.
    explicit TfrmZenSeikai(QWidget *parent = nullptr);

protected:
    /// Centres the window on its screen every time it is shown.
    void showEvent(QShowEvent *event) override;
};

} // namespace zelkon
