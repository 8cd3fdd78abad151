// The stand-in worksheet window.
#include "fake_sheet.h"

#include "platform/qstring_cp932.h"
#include "shell/main.h"
#include "shell/program.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace zelkon::test {

FakeSheet::FakeSheet(Program &program, TfrmMain &main, const std::string &key)
    : m_main(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    document.sheetKey = key;
    document.openedFromMaster = true;
    setWindowTitle(ToQString(key));
    setWidget(new QWidget(this));
    page = QImage(600, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    m_id = main.addSheet(*this);
    connect(this, &QMdiSubWindow::aboutToActivate, this, [&program, this] {
        program.state.activeWorksheet = m_id;
    });
    show();
    main.mdiArea()->setActiveSubWindow(this);
}

void FakeSheet::closeEvent(QCloseEvent *event)
{
    if (refuseClose) {
        event->ignore();
        return;
    }
    m_main.removeSheet(m_id);
    event->accept();
}

} // namespace zelkon::test
