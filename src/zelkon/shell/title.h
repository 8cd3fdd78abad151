// TfrmTitle, the title window: a document window of the frame showing the edition's title
// picture whenever no worksheet covers it.
#pragma once

#include <QMdiSubWindow>

class QPushButton;

namespace zelkon {

struct Program;

class TfrmTitle : public QMdiSubWindow
{
    Q_OBJECT

public:
    /// `program` must outlive the window.
    explicit TfrmTitle(Program &program, QWidget *parent = nullptr);

    /// Shows `picture` on the picture button (a null picture leaves it empty) and sizes the
    /// button to the picture's width + 10 and height + 20.
    void setPicture(const QPixmap &picture);
    /// Places the picture button in the middle of the sheet area.
    void placePictureButton(int screenWidth, int sidePanelWidth, int mainWindowHeight);
    /// Makes the picture button visible again.
    void showPictureButton();

    /// Runs on every activation: the standard sheet size and the edition's title caption.
    void FormActivate();

private:
    Program &m_program;
    QPushButton *btnTitlePicture = nullptr;
};

} // namespace zelkon
