// TfrmMenu driven as a teacher drives it: lists chosen by clicks and keys, OK, Cancel, the
// similar problems, the counts and the lessons that cannot be loaded.
#include "index/menu.h"

#include "common/path.h"
#include "courseware_fixture.h"
#include "platform/qstring_cp932.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace zelkon::test {

class TestMenuWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CoursewareFixture> f;
    std::unique_ptr<TfrmMenu> menu;

    QListWidget *list(const char *name) { return menu->findChild<QListWidget *>(name); }
    QPushButton *button(const char *name) { return menu->findChild<QPushButton *>(name); }
    QLabel *unitPanel() { return menu->findChild<QLabel *>("pnlUnit"); }

    void click(const char *listName, int row)
    {
        QListWidget *l = list(listName);
        QTest::mouseClick(
            l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }

    std::string prefix(int section, int unit)
    {
        return U(menu->unitDisplay().prefix(section, unit));
    }

    void showActive()
    {
        menu->show();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f = std::make_unique<CoursewareFixture>();
        menu = std::make_unique<TfrmMenu>(f->program);
        QCOMPARE(menu->readMainIndex(), MainIndexRead::complete);
    }

    void cleanup()
    {
        menu.reset();
        const std::vector<std::string> problems = f->prompter.problems();
        for (const std::string &p : problems)
            qWarning("%s", p.c_str());
        QVERIFY(problems.empty());
    }

    void firstShowingChoosesTheFirstUnitWithCountsAndSimilarProblems()
    {
        showActive();
        QCOMPARE(menu->windowTitle(), QString::fromUtf8("マスターファイルを開く"));
        QCOMPARE(menu->findChild<QLabel *>("pnlTitle")->text(), QString::fromUtf8("テスト教材"));
        QCOMPARE(list("lstLesson")->count(), 4);
        QCOMPARE(list("lstLesson")->currentRow(), 0);
        QCOMPARE(list("lstSection")->currentRow(), 0);
        QCOMPARE(list("lstUnit")->currentRow(), 0);
        QCOMPARE(list("lstUnit")->count(), 4);
        QCOMPARE(menu->loadedLesson(), 1);

        QCOMPARE(prefix(1, 1), std::string("◎[2]"));
        QCOMPARE(prefix(1, 2), std::string("　[ ]"));
        // 気候 has no master file: no marks, yet its count is this learner's.
        QCOMPARE(prefix(2, 1), std::string("　[1]"));
        QCOMPARE(list("lstUnit")->visualItemRect(list("lstUnit")->item(1)).height(), 16);

        QListWidget *similar = list("lstRuidai");
        QVERIFY(similar->isVisible());
        QCOMPARE(similar->count(), 2);
        QCOMPARE(similar->item(1)->text(), QString::fromUtf8("類題　1R2"));
        QCOMPARE(unitPanel()->text(), QString::fromUtf8("項目を選んでください"));
        QCOMPARE(unitPanel()->palette().color(QPalette::Window), QColor(0, 255, 255));
        QVERIFY(list("lstUnit")->hasFocus());
    }

    void clicksAndArrowKeysChooseAndMoveTheFocus()
    {
        showActive();
        QListWidget *lessons = list("lstLesson");
        QListWidget *sections = list("lstSection");
        QListWidget *units = list("lstUnit");

        click("lstUnit", 1);
        QCOMPARE(units->currentRow(), 1);
        QVERIFY(!list("lstRuidai")->isVisible());
        QTest::keyClick(units, Qt::Key_Up);
        QCOMPARE(units->currentRow(), 0);
        QVERIFY(list("lstRuidai")->isVisible());

        QTest::keyClick(units, Qt::Key_Left);
        QVERIFY(sections->hasFocus());
        QCOMPARE(units->currentRow(), 0);
        QTest::keyClick(sections, Qt::Key_Left);
        QVERIFY(lessons->hasFocus());
        QTest::keyClick(lessons, Qt::Key_Right);
        QVERIFY(units->hasFocus());
        QTest::keyClick(units, Qt::Key_Left);
        QTest::keyClick(sections, Qt::Key_Right);
        QVERIFY(units->hasFocus());

        // Down in the section list chooses the next section and, with it, its first unit.
        sections->setFocus();
        QTest::keyClick(sections, Qt::Key_Down);
        QCOMPARE(sections->currentRow(), 1);
        QCOMPARE(units->count(), 1);
        QCOMPARE(units->currentRow(), 0);
        QVERIFY(units->hasFocus());
        QVERIFY(!list("lstRuidai")->isVisible());

        click("lstLesson", 1);
        QCOMPARE(menu->loadedLesson(), 2);
        QCOMPARE(sections->count(), 1);
        QCOMPARE(units->item(0)->text(), QString::fromUtf8("縄文"));
    }

    void okStoresTheChoiceAndCancelDoesNot()
    {
        AppState &state = f->program.state;
        showActive();
        click("lstUnit", 1);
        QTest::mouseClick(button("btnOk"), Qt::LeftButton);
        QCOMPARE(menu->result(), int(QDialog::Accepted));
        QVERIFY(!menu->isVisible());
        QCOMPARE(state.currentLocator, (UnitLocator{1, 1, 2, 0}));
        QCOMPARE(U(state.lessonName), std::string("日本の地理"));
        QCOMPARE(U(state.sectionName), std::string("都道府県"));
        QCOMPARE(U(state.unitName), std::string("関東"));

        // Shown again it keeps the last choice; Cancel leaves the stored one alone.
        showActive();
        QCOMPARE(list("lstUnit")->currentRow(), 1);
        click("lstLesson", 1);
        QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
        QCOMPARE(menu->result(), int(QDialog::Rejected));
        QCOMPARE(state.currentLocator, (UnitLocator{1, 1, 2, 0}));
        QCOMPARE(U(state.unitName), std::string("関東"));

        // A double click on a unit is OK.
        showActive();
        QListWidget *units = list("lstUnit");
        const QPoint first = units->visualItemRect(units->item(0)).center();
        QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(menu->result(), int(QDialog::Accepted));
        QCOMPARE(state.currentLocator, (UnitLocator{2, 1, 1, 0}));
        QCOMPARE(U(state.unitName), std::string("縄文"));
    }

    void similarProblemChosenByTheFocusedItem()
    {
        showActive();
        QListWidget *similar = list("lstRuidai");
        QTest::mouseClick(similar->viewport(),
                          Qt::LeftButton,
                          {},
                          similar->visualItemRect(similar->item(0)).center());
        QCOMPARE(unitPanel()->text(), QString::fromUtf8("類題が選択されています"));
        QCOMPARE(unitPanel()->palette().color(QPalette::Window), QColor(255, 0, 0));

        QTest::mouseClick(button("btnRuidaiClear"), Qt::LeftButton);
        QVERIFY(similar->selectedItems().isEmpty());
        QCOMPARE(similar->currentRow(), -1);
        QCOMPARE(unitPanel()->palette().color(QPalette::Window), QColor(0, 255, 255));

        // Both selected, the second one focused: the variant is the focused one.
        similar->item(0)->setSelected(true);
        QTest::mouseClick(similar->viewport(),
                          Qt::LeftButton,
                          Qt::ControlModifier,
                          similar->visualItemRect(similar->item(1)).center());
        QCOMPARE(similar->selectedItems().size(), 2);
        QTest::mouseClick(button("btnOk"), Qt::LeftButton);
        QCOMPARE(f->program.state.currentLocator, (UnitLocator{1, 1, 1, 2}));

        // The next showing starts without a similar problem selected.
        showActive();
        QVERIFY(similar->selectedItems().isEmpty());
        QCOMPARE(unitPanel()->text(), QString::fromUtf8("項目を選んでください"));
    }

    void okRefusedWithoutAUnitOrWithTheLessonNotLoaded()
    {
        AppState &state = f->program.state;
        showActive();
        click("lstSection", 2);
        QCOMPARE(list("lstUnit")->count(), 0);
        f->prompter.expectMessage("メニューを選択してください");
        QTest::mouseClick(button("btnOk"), Qt::LeftButton);
        QVERIFY(menu->isVisible());

        // A lesson whose folder is missing keeps the lists of the lesson before, which must
        // not be opened under its number.
        click("lstSection", 0);
        f->prompter.expectMessage(U(MissingDirectoryMessage(f->composed("nowhere\\"))));
        click("lstLesson", 2);
        QCOMPARE(menu->loadedLesson(), -1);
        QCOMPARE(list("lstSection")->count(), 3);
        QCOMPARE(list("lstUnit")->count(), 4);
        f->prompter.expectMessage("メニューを選択してください");
        QTest::mouseClick(button("btnOk"), Qt::LeftButton);
        QVERIFY(menu->isVisible());
        QCOMPARE(state.currentLocator, UnitLocator{});

        // A lesson without its sub-index empties the section list.
        f->prompter.expectMessage(U(MissingFileMessage(f->composed("empty\\em.ind"))));
        click("lstLesson", 3);
        QCOMPARE(menu->loadedLesson(), -1);
        QCOMPARE(list("lstSection")->count(), 0);

        // Clicking the lesson again reads it again: here it can be loaded now.
        WriteCp932File(f->dir.file("empty/em.ind"),
                       {"t", "[[sect1", "追加", "<<", "新単元", ">>", "]]"});
        click("lstLesson", 3);
        QCOMPARE(menu->loadedLesson(), 4);
        QCOMPARE(list("lstUnit")->item(0)->text(), QString::fromUtf8("新単元"));
    }

    void marksAreThoseOfTheLessonShown()
    {
        showActive();
        QCOMPARE(prefix(1, 1), std::string("◎[2]"));
        click("lstLesson", 1);
        QCOMPARE(prefix(1, 1), std::string("　[ ]"));
        click("lstLesson", 0);
        QCOMPARE(prefix(1, 1), std::string("◎[2]"));
    }

    void countsRefreshedForTheLearnerNow()
    {
        showActive();
        f->program.state.learnerName = J("花子");
        WriteCp932File(f->dir.file("LogOn/花子1.ini"), {"[S12関東]", "1=x", "2=x", "3=x"});
        menu->refreshCounts();
        QCOMPARE(prefix(1, 1), std::string("◎[ ]"));
        QCOMPARE(prefix(1, 2), std::string("　[3]"));
        QCOMPARE(prefix(2, 1), std::string("　[ ]"));
    }

    void pendingIndexReloadReadsTheMainIndexAgain()
    {
        showActive();
        click("lstLesson", 1);
        menu->hide();
        WriteCp932File(
            f->dir.file("Main.ind"),
            {"新しい教材", "", "日本の歴史,rekishi\\\\re", "日本の地理,chiri\\\\ch", ">>"});
        f->program.state.indexReloadPending = true;
        showActive();
        QVERIFY(!f->program.state.indexReloadPending);
        QCOMPARE(menu->findChild<QLabel *>("pnlTitle")->text(), QString::fromUtf8("新しい教材"));
        QCOMPARE(list("lstLesson")->count(), 2);
        QCOMPARE(list("lstLesson")->currentRow(), 0);
        QCOMPARE(list("lstUnit")->item(0)->text(), QString::fromUtf8("縄文"));
        QCOMPARE(menu->loadedLesson(), 1);
    }

    void recordButtonLogsOnFirstAndRecountsAfterErasing()
    {
        bool erased = false;
        int recordWindows = 0;
        menu->setHooks({[this] { f->program.state.learnerName = J("花子"); },
                        [&] {
                            ++recordWindows;
                            return erased;
                        },
                        {}});
        QVERIFY(!button("btnZenTangen")->isVisibleTo(menu.get()));
        showActive();
        QCOMPARE(prefix(1, 1), std::string("◎[2]"));

        f->program.state.learnerName.clear();
        erased = true;
        QTest::mouseClick(button("btnKiroku"), Qt::LeftButton);
        QCOMPARE(recordWindows, 1);
        QCOMPARE(prefix(1, 1), std::string("◎[ ]"));

        // A log-on that ends without a learner opens no record window.
        menu->setHooks({[] {}, [&] { return ++recordWindows > 0; }, {}});
        f->program.state.learnerName.clear();
        QTest::mouseClick(button("btnKiroku"), Qt::LeftButton);
        QCOMPARE(recordWindows, 1);
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::TestMenuWindow)
#include "menu_test.moc"
