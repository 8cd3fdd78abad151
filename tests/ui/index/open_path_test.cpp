// The open path with the real unit selection window and a fake worksheet host: opening a unit,
// opening it again, its similar problem beside it, a missing unit, replacing and copy files.
#include "master/open_path.h"

#include "common/path.h"
#include "courseware_fixture.h"
#include "index/menu.h"
#include "master/worksheet_host.h"

#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>

namespace zelkon::test {

namespace {

// Worksheets as a list of keys; what each creation took from the program is kept.
class FakeHost : public WorksheetHost
{
public:
    explicit FakeHost(Program &program)
        : m_program(program)
    {}

    struct Created
    {
        WorksheetOrigin origin;
        std::string sheetKey;
        std::string printTag;
        UnitRecord record;
    };

    bool isSheetOpen(std::string_view key) const override
    {
        return std::find(openKeys.begin(), openKeys.end(), key) != openKeys.end();
    }
    void activateSheet(std::string_view key) override { activated.emplace_back(key); }
    void closeActiveSheetDiscarding() override
    {
        ++closed;
        if (!openKeys.empty())
            openKeys.pop_back();
    }
    std::optional<std::int32_t> activeSheetLesson() const override
    {
        if (created.empty())
            return std::nullopt;
        return created.back().origin.locator.lesson;
    }
    bool createWorksheet(const WorksheetOrigin &origin) override
    {
        created.push_back(
            {origin, m_program.state.sheetKey, m_program.state.printTag, m_program.unitRecord});
        openKeys.push_back(m_program.state.sheetKey);
        return true;
    }

    std::vector<std::string> openKeys; ///< the last one is the active sheet
    std::vector<std::string> activated;
    std::vector<Created> created;
    int closed = 0;

private:
    Program &m_program;
};

} // namespace

class TestOpenPath : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CoursewareFixture> f;
    std::unique_ptr<TfrmMenu> menu;
    std::unique_ptr<FakeHost> host;
    std::unique_ptr<OpenPath> openPath;

    // Makes the next showing of the unit selection window choose these rows (similar -1 for
    // the unit itself) and press OK, or Cancel.
    void chooseNext(int lesson, int section, int unit, int similar = -1, bool ok = true)
    {
        QTimer::singleShot(0, menu.get(), [=, this] {
            auto list = [this](const char *name) { return menu->findChild<QListWidget *>(name); };
            list("lstLesson")->setCurrentRow(lesson);
            list("lstSection")->setCurrentRow(section);
            list("lstUnit")->setCurrentRow(unit);
            if (similar >= 0)
                list("lstRuidai")->setCurrentRow(similar);
            QTest::mouseClick(menu->findChild<QPushButton *>(ok ? "btnOk" : "btnCancel"),
                              Qt::LeftButton);
        });
    }

    std::string key(std::string_view utf8Rest) const { return f->composed(utf8Rest); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f = std::make_unique<CoursewareFixture>();
        menu = std::make_unique<TfrmMenu>(f->program);
        menu->readMainIndex();
        host = std::make_unique<FakeHost>(f->program);
        openPath = std::make_unique<OpenPath>(f->program, *menu, *host);
    }

    void cleanup()
    {
        openPath.reset();
        menu.reset();
        const std::vector<std::string> problems = f->prompter.problems();
        for (const std::string &p : problems)
            qWarning("%s", p.c_str());
        QVERIFY(problems.empty());
    }

    void openAgainAndSimilarProblemBeside()
    {
        f->program.state.answersShown = false;
        chooseNext(0, 0, 0);
        QVERIFY(openPath->openFromMenu());
        QVERIFY(f->program.state.answersShown);
        QCOMPARE(host->created.size(), std::size_t(1));
        const FakeHost::Created &unit = host->created[0];
        QCOMPARE(unit.sheetKey, key("chiri\\ch1.que-U1"));
        QCOMPARE(unit.printTag, std::string("ch1.que-U1"));
        QCOMPARE(unit.origin.filePath, key("chiri\\ch1.que"));
        QCOMPARE(unit.origin.locator, (UnitLocator{1, 1, 1, 0}));
        QVERIFY(unit.origin.openedFromMaster);
        QVERIFY(!unit.origin.openedAsCopyFile);
        QVERIFY(!unit.origin.similarProblemSheet);
        QCOMPARE(unit.origin.unitNumber, 1);
        QCOMPARE(U(unit.record.unitCaption), std::string("日本の地理//都道府県§1-1 北海道"));
        QCOMPARE(unit.record.questionLines,
                 std::vector<std::string>{J("札幌は#北海道#の道庁所在地")});

        f->prompter.expectMessage("すでに読み込まれています");
        chooseNext(0, 0, 0);
        QVERIFY(!openPath->openFromMenu());
        QCOMPARE(host->activated, std::vector<std::string>{key("chiri\\ch1.que-U1")});
        QCOMPARE(host->created.size(), std::size_t(1));

        chooseNext(0, 0, 0, /*similar=*/1);
        QVERIFY(openPath->openFromMenu());
        QCOMPARE(host->created.size(), std::size_t(2));
        const FakeHost::Created &similar = host->created[1];
        QCOMPARE(similar.sheetKey, key("chiri\\ch1.que-U1R2"));
        QCOMPARE(similar.printTag, std::string("ch1.que-U1R2"));
        QCOMPARE(similar.origin.locator, (UnitLocator{1, 1, 1, 2}));
        QVERIFY(similar.origin.similarProblemSheet);
        QCOMPARE(similar.record.questionLines, std::vector<std::string>{J("旭川は#北海道#にある")});
        QCOMPARE(host->openKeys.size(), std::size_t(2));
    }

    void missingUnitAsksToCreateIt()
    {
        // No header for 九州, then no master file for 気候: No opens nothing.
        f->prompter.expectYesNo("単元がありません\r\n新規作成しますか?", false);
        chooseNext(0, 0, 2);
        QVERIFY(!openPath->openFromMenu());
        f->prompter.expectYesNo("単元がありません\r\n新規作成しますか?", false);
        chooseNext(0, 1, 0);
        QVERIFY(!openPath->openFromMenu());
        QVERIFY(host->created.empty());

        // A unit the reader refuses says why before the question.
        f->prompter.expectMessage("問題の行は６０行以下です")
            .expectYesNo("単元がありません\r\n新規作成しますか?", false);
        chooseNext(0, 0, 3);
        QVERIFY(!openPath->openFromMenu());
        QVERIFY(host->created.empty());
    }

    void createdUnitOpensOnA4()
    {
        int a4 = 0;
        openPath->setHooks({[this] {
                                WriteCp932File(f->dir.file("chiri/ch2.que"),
                                               {"[[unit1", "<<ques", "新しい問題", ">>", "]]"});
                                return true;
                            },
                            [&a4] { ++a4; },
                            {}});
        f->prompter.expectYesNo("単元がありません\r\n新規作成しますか?", true);
        chooseNext(0, 1, 0);
        QVERIFY(openPath->openFromMenu());
        QCOMPARE(a4, 1);
        QCOMPARE(host->created.size(), std::size_t(1));
        QCOMPARE(host->created[0].sheetKey, key("chiri\\ch2.que-U1"));

        // Without the editor (or cancelled in it) nothing is opened.
        openPath->setHooks({});
        f->prompter.expectYesNo("単元がありません\r\n新規作成しますか?", true);
        chooseNext(0, 0, 2);
        QVERIFY(!openPath->openFromMenu());
        QCOMPARE(host->created.size(), std::size_t(1));
    }

    void cancelOrMissingMainIndexOpensNothing()
    {
        chooseNext(0, 0, 0, -1, /*ok=*/false);
        QVERIFY(!openPath->openFromMenu());

        QVERIFY(std::filesystem::remove(f->dir.file("Main.ind")));
        f->prompter.expectMessage(U(MissingFileMessage(key("Main.ind"))));
        QVERIFY(!openPath->openFromMenu());
        QVERIFY(!menu->isVisible());
        QVERIFY(host->created.empty());
    }

    void replaceClosesTheOpenSheetAndOpensItAnew()
    {
        chooseNext(0, 0, 1);
        QVERIFY(openPath->openFromMenu());
        QCOMPARE(openPath->openMasterUnit({1, 1, 2, 0}, /*replace=*/true), OpenResult::Opened);
        QCOMPARE(host->closed, 1);
        QCOMPARE(host->created.size(), std::size_t(2));
        QCOMPARE(host->openKeys, std::vector<std::string>{key("chiri\\ch1.que-U2")});
        QCOMPARE(openPath->openMasterUnit({1, 2, 1, 0}, /*replace=*/true), OpenResult::Missing);
    }

    void copyFileByItsExtension()
    {
        WriteCp932File(f->dir.file("chiri/mine.prp"),
                       {"[[unitX",
                        "<<header",
                        "私の単元",
                        "中学校",
                        "氏名",
                        ">>",
                        "<<ques",
                        "#答#",
                        ">>",
                        "]]"});
        WriteCp932File(f->dir.file("chiri/broken.prp"), {"[[unit1", "]]"});
        std::deque<std::optional<std::string>> chosen{key("chiri\\mine.txt"),
                                                      key("chiri\\mine"),
                                                      key("chiri\\mine.prp"),
                                                      key("chiri\\gone.prp"),
                                                      key("chiri\\broken.prp"),
                                                      std::nullopt};
        openPath->setHooks({{}, {}, [&chosen] {
                                std::optional<std::string> next = chosen.front();
                                chosen.pop_front();
                                return next;
                            }});

        f->prompter.expectMessage(U(key("chiri\\mine.txt")) + ":拡張子が不正です");
        QVERIFY(openPath->openCopyFile());
        QCOMPARE(host->created.size(), std::size_t(1));
        const FakeHost::Created &copy = host->created[0];
        QCOMPARE(copy.sheetKey, key("chiri\\mine.prp"));
        QCOMPARE(copy.printTag, key("chiri\\mine.prp"));
        QCOMPARE(copy.origin.locator, (UnitLocator{1, 0, 0, 0}));
        QVERIFY(copy.origin.openedAsCopyFile);
        QVERIFY(!copy.origin.openedFromMaster);
        QCOMPARE(U(copy.record.unitCaption), std::string("私の単元"));

        f->prompter.expectMessage("すでに読み込まれています");
        QVERIFY(!openPath->openCopyFile());
        QCOMPARE(host->activated, std::vector<std::string>{key("chiri\\mine.prp")});

        f->prompter.expectMessage(U(MissingFileMessage(key("chiri\\gone.prp"))));
        QVERIFY(!openPath->openCopyFile());
        f->prompter.expectMessage(U(CopyUnitMissingMessage(key("chiri\\broken.prp"))));
        QVERIFY(!openPath->openCopyFile());
        QVERIFY(!openPath->openCopyFile());
        QCOMPARE(host->created.size(), std::size_t(1));
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::TestOpenPath)
#include "open_path_test.moc"
