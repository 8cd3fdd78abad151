// TfrmTitle: the title picture in a document window of the frame.
#include "shell/title.h"

#include "platform/qstring_cp932.h"
#include "shell/glyphs.h"
#include "shell/program.h"

#include <QPushButton>

namespace zelkon {

TfrmTitle::TfrmTitle(Program &program, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_program(program)
{
    setObjectName("frmTitle");
    // The title window lives for the whole run, so it offers no close box.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMinMaxButtonsHint);
    setWindowIcon(Glyph("zelkon"));
    auto *page = new QWidget(this);
    page->setObjectName("pnlTitlePage");
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    btnTitlePicture = new QPushButton(page);
    btnTitlePicture->setObjectName("btnTitlePicture");
    btnTitlePicture->setFocusPolicy(Qt::NoFocus);
    btnTitlePicture->setFlat(true);
    btnTitlePicture->resize(97, 57);
    setWidget(page);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TfrmTitle::FormActivate);
}

void TfrmTitle::setPicture(const QPixmap &picture)
{
    btnTitlePicture->setIcon(QIcon(picture));
    btnTitlePicture->setIconSize(picture.size());
    btnTitlePicture->resize(picture.width() + 10, picture.height() + 20);
}

void TfrmTitle::placePictureButton(int screenWidth, int sidePanelWidth, int mainWindowHeight)
{
    const int left = (screenWidth - sidePanelWidth - btnTitlePicture->width() - 20) / 2;
    const int top = (mainWindowHeight - btnTitlePicture->height() - 100) / 2;
    btnTitlePicture->move(left, top);
}

void TfrmTitle::showPictureButton()
{
    btnTitlePicture->show();
}

void TfrmTitle::FormActivate()
{
    setGeometry(0, 0, m_program.state.sheetAreaWidth, m_program.state.sheetAreaHeight);
    setWindowTitle(ToQString(m_program.edition.titleCaption));
}

} // namespace zelkon
