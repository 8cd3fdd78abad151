// The master file editor's graphs: the lesson's graph folder in the picker, the fifteen graphs
// an area holds, where new entries are placed, the preview and the enlarged view.
#include "authoring_fixture.h"
#include "ui/sheet/sheet_fixture.h"

#include "authoring/bmp.h"
#include "authoring/cp932_text_edit.h"
#include "authoring/editques.h"
#include "shell/main.h"
#include "shell/program.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zelkon::test {

namespace {

const QString kSaveQuestion = QString::fromUtf8("変更されたデータファイルを保存しますか？");

} // namespace

class EditQuesGraphsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void anAreaHoldsFifteenGraphs_data();
    void anAreaHoldsFifteenGraphs();
    void newGraphsStandAtTheirTextPieces();
    void previewAndEnlargedView();

private:
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    TfrmEditQues &editor() { return m_fixture->shell.zelkon->masterFileEditor(); }
    template<class T>
    T *child(const char *name)
    {
        T *found = editor().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    /// Selects the files of the picker named in `names`, and only those.
    void choose(const QStringList &names);
    /// Opens unit 1 of the first section and runs `steps` in its editor, which they leave open;
    /// it is then left with Cancel, discarding what the steps changed.
    void inEditor(std::function<void()> steps);

    std::unique_ptr<SheetFixture> m_fixture;
};

void EditQuesGraphsTest::initTestCase()
{
    PrepareSheetTests();
}

void EditQuesGraphsTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
}

void EditQuesGraphsTest::cleanup()
{
    DropAndReport(m_fixture);
}

void EditQuesGraphsTest::choose(const QStringList &names)
{
    auto *list = child<QListWidget>("flbGraph");
    list->clearSelection();
    for (const QString &name : names) {
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        found.front()->setSelected(true);
    }
}

void EditQuesGraphsTest::inEditor(std::function<void()> steps)
{
    m_fixture->open(0, 0, 0);
    WhenShown(&editor(), [this, steps] {
        steps();
        if (QTest::currentTestFailed())
            return;
        if (editor().modified())
            prompter().expectYesNo(kSaveQuestion.toStdString(), false);
        click("btnCancel");
    });
    QTest::mouseClick(m_fixture->main().findChild<QPushButton *>("btnEdit"), Qt::LeftButton);
}

void EditQuesGraphsTest::anAreaHoldsFifteenGraphs_data()
{
    QTest::addColumn<QString>("areaName");
    QTest::addColumn<QString>("addName");
    QTest::addColumn<int>("held");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<int>("refused");

    const QStringList three{"Map1.bmp", "Map1A.bmp", "Uon1.bmp"};
    QTest::newRow("question graphs, 15 held") << "memQGraph"
                                              << "btnQGAdd" << 15 << QStringList{"Uon1.bmp"} << 1;
    QTest::newRow("answer graphs, 15 held") << "memAGraph"
                                            << "btnAGAdd" << 15 << QStringList{"Map1A.bmp"} << 1;
    QTest::newRow("question graphs, 14 held, three chosen") << "memQGraph"
                                                            << "btnQGAdd" << 14 << three << 2;
    QTest::newRow("answer graphs, 14 held, three chosen") << "memAGraph"
                                                          << "btnAGAdd" << 14 << three << 2;
    QTest::newRow("question graphs, room for all") << "memQGraph"
                                                   << "btnQGAdd" << 0 << three << 0;
}

void EditQuesGraphsTest::anAreaHoldsFifteenGraphs()
{
    QFETCH(QString, areaName);
    QFETCH(QString, addName);
    QFETCH(int, held);
    QFETCH(QStringList, chosen);
    QFETCH(int, refused);

    inEditor([&] {
        QCOMPARE(child<QListWidget>("flbGraph")->count(), 3);
        auto *area = child<Cp932TextEdit>(areaName.toUtf8().constData());
        area->setPlainText(QStringLiteral("g.bmp\n1\n2\n").repeated(held));
        choose(chosen);
        for (int k = 0; k < refused; ++k)
            prompter().expectMessage("グラフは15個までです");
        click(addName.toUtf8().constData());

        const QStringList lines = AreaLines(area);
        const int added = static_cast<int>(chosen.size()) - refused;
        QCOMPARE(static_cast<int>(lines.size()), 3 * (held + added));
        // Files are added in the order of the list, as long as there is room.
        for (int k = 0; k < added; ++k)
            QCOMPARE(lines.at(3 * (held + k)), chosen.at(k));
        QVERIFY(editor().modified());
    });
}

void EditQuesGraphsTest::newGraphsStandAtTheirTextPieces()
{
    inEditor([&] {
        const Point first = m_fixture->program().renderTables.runStartTable[1];
        QVERIFY(first.x != 0 || first.y != 0);
        auto *questionGraphs = child<Cp932TextEdit>("memQGraph");
        auto *answerGraphs = child<Cp932TextEdit>("memAGraph");
        choose({"Uon1.bmp"});
        click("btnQGClear");
        click("btnQGAdd");
        QCOMPARE(AreaLines(questionGraphs),
                 (QStringList{
                     "Uon1.bmp", QString::number(first.x + 40), QString::number(first.y + 20)}));
        click("btnAGClear");
        click("btnAGAdd");
        QCOMPARE(AreaLines(answerGraphs), (QStringList{"Uon1.bmp", "40", "20"}));
    });
}

void EditQuesGraphsTest::previewAndEnlargedView()
{
    QImage big(320, 240, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    QVERIFY(big.save(m_fixture->shell.file("chiri/Graph/Big.bmp"), "BMP"));
    TfrmBMP &view = m_fixture->shell.zelkon->pictureView();

    inEditor([&] {
        auto *list = child<QListWidget>("flbGraph");
        auto *preview = child<QLabel>("imgGraph");
        const auto clickFile = [list](const QString &name) {
            QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).front();
            QTest::mouseClick(list->viewport(),
                              Qt::LeftButton,
                              Qt::NoModifier,
                              list->visualItemRect(item).center());
        };
        QCOMPARE(list->count(), 4);
        clickFile("Big.bmp");
        const qint64 shown = preview->pixmap().cacheKey();
        QVERIFY(preview->pixmap().width() <= 193 && preview->pixmap().height() <= 121);

        WhenShown(&view, [&] {
            QCOMPARE(view.windowTitle(), QString::fromUtf8("ZViewer 拡大表示"));
            QCOMPARE(view.pos(), QPoint(0, 0));
            QCOMPARE(view.findChild<QLabel *>("lblXW")->text(), QStringLiteral("320"));
            QCOMPARE(view.findChild<QLabel *>("Label1")->text(), QStringLiteral("X"));
            QCOMPARE(view.findChild<QLabel *>("lblYH")->text(), QStringLiteral("240"));
            QCOMPARE(view.findChild<QLabel *>("lblName")->text(), QStringLiteral("Big.bmp"));
            QCOMPARE(view.findChild<QLabel *>("Image1")->pixmap().size(), QSize(320, 240));
            view.accept();
        });
        QTest::mouseClick(preview, Qt::LeftButton);
        QVERIFY(!view.isVisible());

        // A file gone from the folder is reported; the preview keeps its picture.
        QVERIFY(QFile::remove(m_fixture->shell.file("chiri/Graph/Uon1.bmp")));
        prompter().expectMessage("ファイル " + Cp932ToUtf8(m_fixture->composed("chiri\\Graph\\"))
                                 + "Uon1.bmp が見つかりません");
        clickFile("Uon1.bmp");
        QCOMPARE(preview->pixmap().cacheKey(), shown);
        QVERIFY(!editor().modified());
    });
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::EditQuesGraphsTest)
#include "editques_graphs_test.moc"
