// TfrmBMP, the enlarged picture view: one graph picture of the master file editor at its own
// size, with its width and height in pixels.
#pragma once

#include <QDialog>

class QLabel;
class QPixmap;

namespace zelkon {

class TfrmBMP : public QDialog
{
    Q_OBJECT

public:
    /// Created once for the run, empty until a picture is shown.
    explicit TfrmBMP(QWidget *parent = nullptr);

    /// Shows `picture` modally at the top-left corner of the screen, named `name`, with its
    /// width and height beside the "X".
    void ShowPicture(const QPixmap &picture, const QString &name);

private:
    QLabel *Image1 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblXW = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblYH = nullptr;
};

} // namespace zelkon
