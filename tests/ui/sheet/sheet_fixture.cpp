// The worksheet fixture.
#include "sheet_fixture.h"

#include "index/menu.h"
#include "platform/fonts.h"
#include "sheet/printm.h"
#include "shell/main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

namespace zelkon::test {

SheetFixture::SheetFixture(const Preparation &prepare, Lessons lessons)
{
    if (lessons == Lessons::Demo) {
        const QDir demo(ZELKON_DEMO_DIR);
        for (const QString &lesson : demo.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (!CopyFolder(demo.filePath(lesson), shell.file(lesson)))
                qFatal("the demo lesson %s was not copied", qPrintable(lesson));
    }
    if (prepare)
        prepare(shell);
    if (!shell.makeAndStart())
        qFatal("the program did not start");
}

SheetFixture::~SheetFixture()
{
    // Closing the frame would ask about modified sheets; the test is over, so let them go.
    if (shell.zelkon)
        for (QMdiSubWindow *window : main().mdiArea()->subWindowList())
            if (auto *sheet = qobject_cast<TfrmPrintM *>(window))
                sheet->sheet().modified = false;
    shell.drop();
}

void SheetFixture::open(int lesson, int section, int unit, int similar)
{
    TfrmMenu &menu = shell.zelkon->menuWindow();
    QTimer::singleShot(0, &menu, [&menu, lesson, section, unit, similar] {
        auto list = [&menu](const char *name) { return menu.findChild<QListWidget *>(name); };
        list("lstLesson")->setCurrentRow(lesson);
        list("lstSection")->setCurrentRow(section);
        list("lstUnit")->setCurrentRow(unit);
        if (similar >= 0)
            list("lstRuidai")->setCurrentRow(similar);
        QTest::mouseClick(menu.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });
    QTest::mouseClick(main().findChild<QPushButton *>("btnOpen"), Qt::LeftButton);
}

TfrmPrintM *SheetFixture::active()
{
    auto *sheet = dynamic_cast<TfrmPrintM *>(main().activeSheet());
    if (!sheet)
        qFatal("no active worksheet");
    return sheet;
}

std::string SheetFixture::composed(const std::string &rest) const
{
    return shell.program->state.programFolder + rest;
}

QByteArray SheetFixture::bytes(const QString &name) const
{
    QFile file(shell.file(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void PrepareSheetTests()
{
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    qApp->setQuitOnLastWindowClosed(false);
}

void DropAndReport(std::unique_ptr<SheetFixture> &fixture)
{
    const std::vector<std::string> problems = fixture->prompter().problems();
    fixture.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

void SendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button)
{
    // A move carries the button held down, a release no button any more.
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type,
                      QPointF(pos),
                      widget->mapToGlobal(QPointF(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : button,
                      held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace zelkon::test
