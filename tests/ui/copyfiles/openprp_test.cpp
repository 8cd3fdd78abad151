// The copy file browser over a small courseware: lessons and their copy files, the preview of
// the raw lines, OK and Cancel, the file remembered between showings, lessons without files or
// folder, a lesson line without a comma, a missing main index, the keys and 80 lessons.
#include "copyfiles/openprp.h"

#include "settings/edition_constants.h"
#include "settings/memory_settings_store.h"
#include "shell/program.h"
#include "support/scripted_prompter.h"
#include "support/test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

namespace zelkon::test {

namespace {

const std::vector<std::string> kMainIndex = {"テスト教材",
                                             "",
                                             "日本の地理,chiri\\\\ch",
                                             "日本の歴史,rekishi\\\\re",
                                             "迷子,nowhere\\\\no",
                                             "空,empty\\\\em",
                                             "コンマなし",
                                             ">>"};
const std::vector<std::string> kFileA = {"[[unitX",
                                         "<<header",
                                         "地図の記号",
                                         ">>",
                                         "<<ques",
                                         "  字下げ　#　答　#\tタブ",
                                         "",
                                         ">>",
                                         "]]"};

// Lessons: 日本の地理 (a.prp, b.prp, C.PRP and a text file), 日本の歴史 (only.prp), 迷子 (no
// folder), 空 (a folder without copy files) and a line without a comma, whose folder is the
// program folder itself (top.prp).
struct Courseware
{
    Courseware()
        : program(EditionConstantsOf(Edition::Geography), store, prompter)
    {
        WriteCp932File(dir.file("Main.ind"), kMainIndex);
        WriteCp932File(dir.file("chiri/b.prp"), {"[[unitX", "<<header", "地形", ">>", "]]"});
        WriteCp932File(dir.file("chiri/a.prp"), kFileA);
        WriteCp932File(dir.file("chiri/C.PRP"), {"[[unitX", "]]"});
        WriteCp932File(dir.file("chiri/notes.txt"), {"メモ"});
        WriteCp932File(dir.file("rekishi/only.prp"), {"[[unitX", "]]"});
        WriteCp932File(dir.file("empty/readme.txt"), {"まだありません"});
        WriteCp932File(dir.file("top.prp"), {"[[unitX", "]]"});
        program.state.programFolder = dir.composed();
    }

    TempDir dir;
    ScriptedPrompter prompter;
    MemorySettingsStore store;
    Program program;
};

QStringList Rows(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList Q(const std::vector<std::string> &utf8)
{
    QStringList out;
    for (const std::string &line : utf8)
        out << QString::fromStdString(line);
    return out;
}

} // namespace

class TestOpenPRP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstShowListsLessonsAndChoosesTheFirstFile();
    void clickingAFileShowsItsRawLines();
    void okReturnsThePathAndRemembersTheChoice_data();
    void okReturnsThePathAndRemembersTheChoice();
    void nextShowingListsAfreshAndChoosesTheRememberedRow();
    void lessonWithoutCopyFilesHasNoPath();
    void missingFolderIsReportedAndKeepsTheFiles();
    void lessonWithoutCommaListsTheProgramFolder();
    void vanishedFileShowsWhyInThePreview();
    void leftArrowGoesBackToTheLessons();
    void missingMainIndexClosesAtOnceAndIsReadOnceBack();
    void eightyLessonsAreHeld();

private:
    /// Shows the browser and runs `whileOpen` in it; a browser still open afterwards is
    /// cancelled. The result of browse().
    std::optional<std::string> browse(const std::function<void()> &whileOpen);
    QListWidget *list(const char *name) const;
    QString fileName() const;
    void click(QListWidget *list, int row);
    void press(QWidget *target, Qt::Key key);
    /// The composed path of a file of the courseware, as the window shows it.
    QString shown(const char *utf8Rest) const;
    std::string composed(const char *utf8Rest) const;

    std::unique_ptr<Courseware> m_courseware;
    std::unique_ptr<TfrmOpenPRP> m_browser;
};

void TestOpenPRP::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void TestOpenPRP::init()
{
    m_courseware = std::make_unique<Courseware>();
    m_browser = std::make_unique<TfrmOpenPRP>(m_courseware->program);
}

void TestOpenPRP::cleanup()
{
    const std::vector<std::string> problems = m_courseware->prompter.problems();
    m_browser.reset();
    m_courseware.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

std::optional<std::string> TestOpenPRP::browse(const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, m_browser.get(), [this, whileOpen] {
        QApplication::setActiveWindow(m_browser.get());
        whileOpen();
        if (m_browser->isVisible())
            m_browser->reject();
    });
    return m_browser->browse();
}

QListWidget *TestOpenPRP::list(const char *name) const
{
    return m_browser->findChild<QListWidget *>(name);
}

QString TestOpenPRP::fileName() const
{
    return m_browser->findChild<QLineEdit *>("edtFileName")->text();
}

void TestOpenPRP::click(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void TestOpenPRP::press(QWidget *target, Qt::Key key)
{
    QTest::keyClick(target, key);
}

QString TestOpenPRP::shown(const char *utf8Rest) const
{
    return QString::fromStdString(U(m_courseware->dir.composed())) + QString::fromUtf8(utf8Rest);
}

std::string TestOpenPRP::composed(const char *utf8Rest) const
{
    return m_courseware->dir.composed() + J(utf8Rest);
}

void TestOpenPRP::firstShowListsLessonsAndChoosesTheFirstFile()
{
    AppState &state = m_courseware->program.state;
    QCOMPARE(state.lastCopyFilePosition, -1);

    const std::optional<std::string> chosen = browse([&] {
        QCOMPARE(m_browser->windowTitle(), QString::fromUtf8("Zelkon - コピーファイルを開く"));
        QCOMPARE(Rows(list("lstLesson")), Q({"日本の地理", "日本の歴史", "迷子", "空", "?"}));
        QCOMPARE(list("lstLesson")->currentRow(), 0);
        QCOMPARE(Rows(list("flbPRP")), Q({"a.prp", "b.prp", "C.PRP"}));
        QCOMPARE(list("flbPRP")->currentRow(), 0);
        QCOMPARE(fileName(), shown("chiri\\a.prp"));
        QCOMPARE(Rows(list("lstContents")), Q(kFileA));
        // The first listing that found files starts the memory.
        QCOMPARE(state.lastCopyFilePosition, 0);
        press(list("flbPRP"), Qt::Key_Escape);
        QVERIFY(!m_browser->isVisible());
    });

    QVERIFY(!chosen);
    QCOMPARE(state.lastCopyFileName, std::string());
}

void TestOpenPRP::clickingAFileShowsItsRawLines()
{
    browse([&] {
        click(list("flbPRP"), 1);
        QCOMPARE(fileName(), shown("chiri\\b.prp"));
        QCOMPARE(Rows(list("lstContents")), Q({"[[unitX", "<<header", "地形", ">>", "]]"}));
        click(list("flbPRP"), 0);
        QCOMPARE(fileName(), shown("chiri\\a.prp"));
        QCOMPARE(Rows(list("lstContents")), Q(kFileA));
        // The keys move through the files as the mouse does.
        press(list("flbPRP"), Qt::Key_Down);
        press(list("flbPRP"), Qt::Key_Down);
        QCOMPARE(fileName(), shown("chiri\\C.PRP"));
        QCOMPARE(Rows(list("lstContents")), Q({"[[unitX", "]]"}));
    });
}

void TestOpenPRP::okReturnsThePathAndRemembersTheChoice_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("double click") << 2;
}

void TestOpenPRP::okReturnsThePathAndRemembersTheChoice()
{
    QFETCH(int, how);
    const std::optional<std::string> chosen = browse([&] {
        QListWidget *files = list("flbPRP");
        click(files, 1);
        if (how == 0)
            QTest::mouseClick(m_browser->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        else if (how == 1)
            press(files, Qt::Key_Return);
        else
            QTest::mouseDClick(files->viewport(),
                               Qt::LeftButton,
                               {},
                               files->visualItemRect(files->item(1)).center());
    });

    QCOMPARE(chosen, std::optional(composed("chiri\\b.prp")));
    QCOMPARE(m_courseware->program.state.lastCopyFilePosition, 1);
    QCOMPARE(m_courseware->program.state.lastCopyFileName, std::string("b.prp"));
}

void TestOpenPRP::nextShowingListsAfreshAndChoosesTheRememberedRow()
{
    AppState &state = m_courseware->program.state;
    browse([&] {
        click(list("flbPRP"), 2);
        QTest::mouseClick(m_browser->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });
    QCOMPARE(state.lastCopyFilePosition, 2);
    QCOMPARE(state.lastCopyFileName, std::string("C.PRP"));

    // Files made since are listed; the memory is a position, whatever file stands there now.
    WriteCp932File(m_courseware->dir.file("chiri/0.prp"), {"[[unitX", "]]"});
    browse([&] {
        QCOMPARE(Rows(list("flbPRP")), Q({"0.prp", "a.prp", "b.prp", "C.PRP"}));
        QCOMPARE(list("flbPRP")->currentRow(), 2);
        QCOMPARE(fileName(), shown("chiri\\b.prp"));
        // A lesson with fewer files falls back to its first, keeping the memory.
        click(list("lstLesson"), 1);
        QCOMPARE(Rows(list("flbPRP")), Q({"only.prp"}));
        QCOMPARE(list("flbPRP")->currentRow(), 0);
        QCOMPARE(fileName(), shown("rekishi\\only.prp"));
    });
    QCOMPARE(state.lastCopyFilePosition, 2);

    // The lesson shown last is shown again.
    browse([&] {
        QCOMPARE(list("lstLesson")->currentRow(), 1);
        QCOMPARE(fileName(), shown("rekishi\\only.prp"));
    });
}

void TestOpenPRP::lessonWithoutCopyFilesHasNoPath()
{
    m_courseware->prompter.expectMessage("単元を選択してください");
    const std::optional<std::string> chosen = browse([&] {
        click(list("lstLesson"), 3);
        QCOMPARE(Rows(list("flbPRP")), QStringList());
        QCOMPARE(fileName(), QString());
        QCOMPARE(Rows(list("lstContents")), QStringList());
        QTest::mouseClick(m_browser->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        QVERIFY(m_browser->isVisible());
    });
    QVERIFY(!chosen);
    QCOMPARE(m_courseware->program.state.lastCopyFilePosition, 0);
    QCOMPARE(m_courseware->program.state.lastCopyFileName, std::string());
}

void TestOpenPRP::missingFolderIsReportedAndKeepsTheFiles()
{
    m_courseware->prompter.expectMessage("ディレクトリ " + U(composed("nowhere\\"))
                                         + " が見つかりません");
    const std::optional<std::string> chosen = browse([&] {
        click(list("flbPRP"), 1);
        click(list("lstLesson"), 2);
        QCOMPARE(Rows(list("flbPRP")), Q({"a.prp", "b.prp", "C.PRP"}));
        QCOMPARE(fileName(), shown("chiri\\b.prp"));
        QTest::mouseClick(m_browser->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });
    // What OK opens is what the window showed.
    QCOMPARE(chosen, std::optional(composed("chiri\\b.prp")));
    QCOMPARE(m_courseware->program.state.lastCopyFileName, std::string("b.prp"));
}

void TestOpenPRP::lessonWithoutCommaListsTheProgramFolder()
{
    browse([&] {
        click(list("lstLesson"), 4);
        QCOMPARE(Rows(list("flbPRP")), Q({"top.prp"}));
        QCOMPARE(fileName(), shown("top.prp"));
    });
}

void TestOpenPRP::vanishedFileShowsWhyInThePreview()
{
    browse([&] {
        std::filesystem::remove(m_courseware->dir.file("chiri/b.prp"));
        click(list("flbPRP"), 1);
        QCOMPARE(fileName(), shown("chiri\\b.prp"));
        const QString why = QString::fromStdString("ファイル " + U(composed("chiri\\b.prp"))
                                                   + " が見つかりません");
        QCOMPARE(Rows(list("lstContents")), QStringList{why});
    });
}

void TestOpenPRP::leftArrowGoesBackToTheLessons()
{
    browse([&] {
        QListWidget *lessons = list("lstLesson");
        QListWidget *files = list("flbPRP");
        QTRY_VERIFY(files->hasFocus());
        press(files, Qt::Key_Left);
        QVERIFY(lessons->hasFocus());
        QCOMPARE(files->currentRow(), 0);
        // Swallowed in the lesson list too: no scroll, no choice.
        press(lessons, Qt::Key_Left);
        QVERIFY(lessons->hasFocus());
        QCOMPARE(lessons->currentRow(), 0);
    });
}

void TestOpenPRP::missingMainIndexClosesAtOnceAndIsReadOnceBack()
{
    std::filesystem::remove(m_courseware->dir.file("Main.ind"));
    m_courseware->prompter.expectMessage("ファイル " + U(composed("Main.ind"))
                                         + " が見つかりません");
    // Should the window open after all, this closes it so the test fails instead of waiting.
    QTimer::singleShot(0, m_browser.get(), [this] { m_browser->reject(); });
    QCOMPARE(m_browser->execute(), OpenPrpResult::NoMainIndex);
    QCoreApplication::processEvents();

    WriteCp932File(m_courseware->dir.file("Main.ind"), kMainIndex);
    browse([&] {
        QCOMPARE(list("lstLesson")->count(), 5);
        QCOMPARE(fileName(), shown("chiri\\a.prp"));
    });
}

void TestOpenPRP::eightyLessonsAreHeld()
{
    std::vector<std::string> mainIndex = {"八十課", ""};
    for (int lesson = 1; lesson <= 80; ++lesson)
        mainIndex.push_back("第" + std::to_string(lesson) + "課,l" + std::to_string(lesson)
                            + "\\\\p");
    mainIndex.push_back(">>");
    WriteCp932File(m_courseware->dir.file("Main.ind"), mainIndex);
    WriteCp932File(m_courseware->dir.file("l1/first.prp"), {"[[unitX", "]]"});
    WriteCp932File(m_courseware->dir.file("l80/last.prp"), {"[[unitX", "]]"});

    browse([&] {
        QListWidget *lessons = list("lstLesson");
        QCOMPARE(lessons->count(), 80);
        QCOMPARE(lessons->item(79)->text(), QString::fromUtf8("第80課"));
        lessons->scrollToItem(lessons->item(79));
        click(lessons, 79);
        QCOMPARE(Rows(list("flbPRP")), Q({"last.prp"}));
        QCOMPARE(fileName(), shown("l80\\last.prp"));
    });
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::TestOpenPRP)
#include "openprp_test.moc"
