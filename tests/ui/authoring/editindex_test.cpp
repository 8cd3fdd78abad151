// The index editor as a teacher reaches it through 目次作成 on a copy of the demo courseware:
// the lists and the tree, the text input in its four modes, OK, Cancel, the close box and the
// question on another lesson, direct editing, the expand button, the hints and the refusals.
#include "authoring/editindex.h"

#include "authoring/editsource.h"
#include "authoring/index_glyphs.h"
#include "authoring/inputtext.h"
#include "authoring_fixture.h"
#include "index/menu.h"
#include "shell/main.h"
#include "ui/sheet/sheet_fixture.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <optional>

namespace zelkon::test {

namespace {

QString U8(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

QImage Picture(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

QStringList Inserted(QStringList lines, int at, const QStringList &more)
{
    for (int i = 0; i < more.size(); ++i)
        lines.insert(at + i, more[i]);
    return lines;
}

const char *const kSaveQuestion = "変更されたインデックスを保存しますか？";

} // namespace

} // namespace zelkon::test

Q_DECLARE_METATYPE(std::optional<QString>)

namespace zelkon::test {

class EditIndexTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SheetFixture> f;
    QStringList chiri; ///< lesson 1's index as the demo has it

    Zelkon &zelkon() { return *f->shell.zelkon; }
    TfrmEditIndex &editor() { return zelkon().indexEditor(); }
    AppState &state() { return f->program().state; }
    ScriptedPrompter &prompter() { return f->prompter(); }
    QStringList chiriFile() { return LinesOf(f->bytes("chiri/ch.ind")); }

    template<typename T = QPushButton>
    T *control(const char *name)
    {
        T *found = editor().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListWidget *list(const char *name) { return control<QListWidget>(name); }
    QLineEdit *box(const char *name) { return control<QLineEdit>(name); }
    QTreeWidgetItem *root() { return control<QTreeWidget>("trvSect")->topLevelItem(0); }

    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void click(QListWidget *list, int row)
    {
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    /// Opens the editor with 目次作成 and runs `steps` in it; the steps close it.
    void inEditor(std::function<void()> steps)
    {
        bool ran = false;
        WhenShown(&editor(), [this, &ran, &steps] {
            ran = true;
            steps();
            QVERIFY2(!editor().isVisible(), "the editor is still open");
        });
        f->main().mnuIndexClick();
        QVERIFY(ran);
        QVERIFY(!editor().isVisible());
    }

    /// Clicks `button`, checks that the text input starts with `start` selected whole, and
    /// answers it with `typed` (Enter), or cancels it.
    void answerInput(const char *button, const QString &start, std::optional<QString> typed)
    {
        TfrmInputText &input = zelkon().textInputDialog();
        bool ran = false;
        WhenShown(&input, [&] {
            ran = true;
            auto *memInput = input.findChild<QLineEdit *>("memInput");
            QCOMPARE(memInput->text(), start);
            QCOMPARE(memInput->selectedText(), start);
            if (!typed) {
                QTest::mouseClick(input.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
                return;
            }
            if (typed->isEmpty())
                memInput->clear();
            else
                Commit(memInput, *typed);
            QTest::keyClick(memInput, Qt::Key_Return);
        });
        click(button);
        QVERIFY(ran);
        QApplication::setActiveWindow(&editor());
    }

    void writeChiri(const QStringList &lines)
    {
        QFile file(f->shell.file("chiri/ch.ind"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FileOf(lines));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qApp->setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        f = std::make_unique<SheetFixture>();
        chiri = chiriFile();
        QCOMPARE(chiri.size(), 26);
    }

    void cleanup()
    {
        const std::vector<std::string> problems = prompter().problems();
        for (const std::string &problem : problems)
            qWarning("%s", problem.c_str());
        QVERIFY(problems.empty());
        f.reset();
    }

    void templateEditedAndSavedReachesTheUnitSelection()
    {
        // The unit selection window has lesson 1 loaded before its index is made anew.
        TfrmMenu &menu = zelkon().menuWindow();
        menu.show();
        menu.reject();
        QVERIFY(QFile::remove(f->shell.file("chiri/ch.ind")));

        inEditor([this] {
            QCOMPARE(editor().windowTitle(), U8("Zelkon Editor 教材の作成"));
            QCOMPARE(list("lstELesson")->currentRow(), 0);
            QCOMPARE(box("edtIndex")->text(), Q(f->composed("chiri\\ch.ind")));
            QCOMPARE(box("edtMainTitle")->text(), U8("ここにタイトルをかいてください"));
            QCOMPARE(Items(list("lstESection")), QStringList{U8("ここは主メニュー")});
            QCOMPARE(Items(list("lstEUnit")), QStringList{U8("ここは副メニュー")});

            // The four modes: adds start empty, renames with the old title selected.
            answerInput("btnAdd", "", U8("歴史"));
            QCOMPARE(Items(list("lstESection")), (QStringList{U8("ここは主メニュー"), U8("歴史")}));
            QCOMPARE(list("lstESection")->currentRow(), 1);
            QCOMPARE(Items(list("lstEUnit")), QStringList{"SubMenu New2"});
            QCOMPARE(root()->childCount(), 2);
            answerInput("btnAdd2", "", U8("年表"));
            QCOMPARE(Items(list("lstEUnit")), (QStringList{"SubMenu New2", U8("年表")}));
            QCOMPARE(list("lstEUnit")->currentRow(), 1);
            QCOMPARE(root()->child(1)->child(1)->text(0), U8("年表"));
            click(list("lstESection"), 0);
            answerInput("btnChange", U8("ここは主メニュー"), U8("地理"));
            QCOMPARE(list("lstESection")->item(0)->text(), U8("地理"));
            QCOMPARE(root()->child(0)->text(0), U8("地理"));
            answerInput("btnChange2", U8("ここは副メニュー"), U8("気候"));
            QCOMPARE(Items(list("lstEUnit")), QStringList{U8("気候")});
            // A cancelled input changes nothing.
            answerInput("btnChange2", U8("気候"), std::nullopt);

            QVERIFY(editor().modified());
            QVERIFY(!state().indexReloadPending);
            QVERIFY(!QFile::exists(f->shell.file("chiri/ch.ind")));
            click("btnOk");
        });
        QCOMPARE(chiriFile(),
                 (QStringList{U8("ここにタイトルをかいてください"),
                              "[[sect1",
                              U8("地理"),
                              "<<",
                              U8("気候"),
                              ">>",
                              "]]",
                              "[[sect2",
                              U8("歴史"),
                              "<<",
                              "SubMenu New2",
                              U8("年表"),
                              ">>",
                              "]]"}));
        QVERIFY(state().indexReloadPending);

        menu.show();
        QVERIFY(!state().indexReloadPending);
        QListWidget *sections = menu.findChild<QListWidget *>("lstSection");
        QCOMPARE(Items(sections), (QStringList{U8("地理"), U8("歴史")}));
        sections->setCurrentRow(1);
        QCOMPARE(Items(menu.findChild<QListWidget *>("lstUnit")),
                 (QStringList{"SubMenu New2", U8("年表")}));
        menu.reject();
    }

    void cancelWritesNothing_data()
    {
        QTest::addColumn<bool>("indexPresent");
        QTest::newRow("existing index") << true;
        QTest::newRow("missing index, template shown") << false;
    }

    void cancelWritesNothing()
    {
        QFETCH(bool, indexPresent);
        if (!indexPresent)
            QVERIFY(QFile::remove(f->shell.file("chiri/ch.ind")));
        const QByteArray before = f->bytes("chiri/ch.ind");
        inEditor([this] {
            answerInput("btnAdd", "", U8("歴史"));
            box("edtMainTitle")->selectAll();
            Commit(box("edtMainTitle"), U8("別の目次"));
            click("btnClose");
        });
        QCOMPARE(f->bytes("chiri/ch.ind"), before);
        QCOMPARE(QFile::exists(f->shell.file("chiri/ch.ind")), indexPresent);
        QVERIFY(!state().indexReloadPending);
        QVERIFY(!editor().modified());

        // The next opening shows the file again, without the dropped edits.
        inEditor([this, indexPresent] {
            QCOMPARE(list("lstESection")->count(), indexPresent ? 3 : 1);
            QVERIFY(!editor().modified());
            click("btnClose");
        });
    }

    void titleFieldIsSavedAndSurvivesAnAdd_data()
    {
        QTest::addColumn<bool>("withAdd");
        QTest::newRow("title alone") << false;
        QTest::newRow("title, then a section added") << true;
    }

    void titleFieldIsSavedAndSurvivesAnAdd()
    {
        QFETCH(bool, withAdd);
        inEditor([this, withAdd] {
            QLineEdit *title = box("edtMainTitle");
            QCOMPARE(title->text(), chiri[0]);
            // A character CP932 cannot hold is refused by name and the title stays.
            prompter().expectMessage(Cp932ToUtf8(RefusedCharacterMessageCp932("😀")));
            title->selectAll();
            Commit(title, U8("😀"));
            QCOMPARE(title->text(), chiri[0]);
            QVERIFY(!editor().modified());

            title->selectAll();
            Commit(title, U8("新しい目次"));
            QVERIFY(editor().modified());
            QCOMPARE(root()->text(0), U8("新しい目次"));
            if (withAdd) {
                answerInput("btnAdd", "", U8("歴史"));
                QCOMPARE(title->text(), U8("新しい目次"));
                QCOMPARE(root()->text(0), U8("新しい目次"));
            }
            click("btnOk");
        });
        QStringList expected = chiri;
        expected[0] = U8("新しい目次");
        if (withAdd)
            expected << "[[sect4" << U8("歴史") << "<<"
                     << "SubMenu New4"
                     << ">>"
                     << "]]";
        QCOMPARE(chiriFile(), expected);
        QVERIFY(state().indexReloadPending);
    }

    void unsavedEditsAreOffered_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("yes");
        QTest::newRow("close box, Yes") << "closeBox" << true << true;
        QTest::newRow("close box, No") << "closeBox" << true << false;
        QTest::newRow("close box without edits asks nothing") << "closeBox" << false << false;
        QTest::newRow("another lesson, Yes") << "lesson" << true << true;
        QTest::newRow("another lesson, No") << "lesson" << true << false;
    }

    void unsavedEditsAreOffered()
    {
        QFETCH(QString, how);
        QFETCH(bool, edited);
        QFETCH(bool, yes);
        inEditor([&] {
            if (edited) {
                answerInput("btnAdd2", "", U8("梅雨"));
                prompter().expectYesNo(kSaveQuestion, yes);
            }
            if (how == "closeBox") {
                editor().close();
                return;
            }
            click(list("lstELesson"), 1);
            QCOMPARE(box("edtIndex")->text(), Q(f->composed("rekishi\\re.ind")));
            QVERIFY(!editor().modified());
            click("btnClose");
        });
        const bool saved = edited && yes;
        QCOMPARE(chiriFile(), saved ? Inserted(chiri, 8, {U8("梅雨")}) : chiri);
        QCOMPARE(state().indexReloadPending, saved);
    }

    void refusedEditsChangeNothing_data()
    {
        QTest::addColumn<QStringList>("index"); // none: the demo's
        QTest::addColumn<QString>("button");
        QTest::addColumn<std::optional<QString>>("typed"); // none: the button opens no input
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("sections");

        const QStringList titleOnly = {U8("目次")};
        const QStringList demoSections = {chiri[2], chiri[11], chiri[19]};
        const std::optional<QString> noInput;
        const QString clickFirst = U8("変更する項目をクリックしてください");
        QTest::newRow("rename a section with none")
            << titleOnly << "btnChange" << noInput << QStringList{clickFirst} << QStringList();
        QTest::newRow("rename a unit with none")
            << titleOnly << "btnChange2" << noInput << QStringList{clickFirst} << QStringList();
        QTest::newRow("OK without a section")
            << titleOnly << "btnOk" << noInput
            << QStringList{U8("編集する主メニューを選択してください")} << QStringList();
        QTest::newRow("OK without a unit")
            << QStringList{U8("目次"), "[[sect1", U8("空"), "<<", ">>", "]]"} << "btnOk" << noInput
            << QStringList{U8("編集する副メニューを選択してください")} << QStringList{U8("空")};
        QTest::newRow("[[Sect1 is listed but not found")
            << QStringList{U8("目次"), "[[Sect1", U8("気候"), "<<", U8("雨温図"), ">>", "]]"}
            << "btnAdd2" << std::optional<QString>(U8("梅雨"))
            << QStringList{"not found", "not found"} << QStringList{U8("気候")};
        QTest::newRow("a unit titled >>")
            << QStringList() << "btnAdd2" << std::optional<QString>(">>")
            << QStringList{U8("「>>」は副メニューの名前にできません")} << demoSections;
        QTest::newRow("an empty unit added")
            << QStringList() << "btnAdd2" << std::optional<QString>("") << QStringList()
            << demoSections;
        QTest::newRow("a unit renamed to empty")
            << QStringList() << "btnChange2" << std::optional<QString>("") << QStringList()
            << demoSections;
    }

    void refusedEditsChangeNothing()
    {
        QFETCH(QStringList, index);
        QFETCH(QString, button);
        QFETCH(std::optional<QString>, typed);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, sections);
        if (!index.isEmpty())
            writeChiri(index);
        const QByteArray before = f->bytes("chiri/ch.ind");
        for (const QString &message : messages)
            prompter().expectMessage(message.toStdString());
        inEditor([&] {
            QCOMPARE(Items(list("lstESection")), sections);
            const QByteArray name = button.toLatin1();
            if (typed) {
                QListWidgetItem *unit = list("lstEUnit")->currentItem();
                const QString start = button == "btnChange2" && unit ? unit->text() : QString();
                answerInput(name.constData(), start, typed);
            } else {
                click(name.constData());
            }
            QVERIFY(editor().isVisible());
            click("btnClose");
        });
        QCOMPARE(f->bytes("chiri/ch.ind"), before);
    }

    void readAndWriteFailuresLoseNothing()
    {
        // An index that cannot be read is reported and cannot be edited over.
        QVERIFY(QFile::remove(f->shell.file("chiri/ch.ind")));
        QVERIFY(QDir().mkpath(f->shell.file("chiri/ch.ind")));
        prompter().expectAnyMessage();
        inEditor([this] {
            for (const char *name :
                 {"btnAdd", "btnChange", "btnAdd2", "btnChange2", "btnEditDirect"})
                QVERIFY2(!control(name)->isEnabled(), name);
            QVERIFY(box("edtMainTitle")->isReadOnly());
            QCOMPARE(list("lstESection")->count(), 0);
            // Another lesson can be edited again.
            click(list("lstELesson"), 1);
            QVERIFY(control("btnAdd")->isEnabled());
            QVERIFY(!box("edtMainTitle")->isReadOnly());
            click("btnClose");
        });
        QVERIFY(QFileInfo(f->shell.file("chiri/ch.ind")).isDir());
        QVERIFY(prompter().shown().front().starts_with("ファイル "));
        QVERIFY(QDir(f->shell.file("chiri/ch.ind")).removeRecursively());
        writeChiri(chiri);

        // A lesson whose folder is gone: the write fails, the window and the edits stay.
        QVERIFY(QDir(f->shell.file("koumin")).removeRecursively());
        inEditor([this] {
            click(list("lstELesson"), 2);
            QCOMPARE(Items(list("lstESection")), QStringList{U8("ここは主メニュー")});
            answerInput("btnAdd", "", U8("政治"));
            prompter().expectAnyMessage();
            click("btnOk");
            QVERIFY(editor().isVisible());
            QVERIFY(editor().modified());
            QCOMPARE(list("lstESection")->count(), 2);
            // Saving on the way to another lesson fails too: the lesson and its edits stay.
            prompter().expectYesNo(kSaveQuestion, true);
            prompter().expectAnyMessage();
            click(list("lstELesson"), 0);
            QCOMPARE(list("lstELesson")->currentRow(), 2);
            QVERIFY(editor().modified());
            QCOMPARE(list("lstESection")->count(), 2);
            click("btnClose");
        });
        QVERIFY(prompter().shown().back().find("に書き込めません") != std::string::npos);
        QVERIFY(!QFile::exists(f->shell.file("koumin")));
        QVERIFY(!state().indexReloadPending);
    }

    void mainIndexIsReadAtEachOpening()
    {
        // Lessons changed on disk reach the lesson list and, at its next showing, the unit
        // selection window.
        QStringList mainIndex = LinesOf(f->bytes("Main.ind"));
        mainIndex[3] = U8("日本の歴史,rekishi\\\\re");
        QFile file(f->shell.file("Main.ind"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FileOf(mainIndex));
        file.close();
        inEditor([this] {
            QCOMPARE(list("lstELesson")->item(1)->text(), U8("日本の歴史"));
            QVERIFY(state().indexReloadPending);
            click("btnClose");
        });
        TfrmMenu &menu = zelkon().menuWindow();
        menu.show();
        QCOMPARE(menu.findChild<QListWidget *>("lstLesson")->item(1)->text(), U8("日本の歴史"));
        menu.reject();

        // Without a main index the window does not open, and the lessons read stay.
        QVERIFY(QFile::remove(f->shell.file("Main.ind")));
        prompter().expectMessage("ファイル " + f->shell.messagePath("Main.ind")
                                 + " が見つかりません");
        f->main().mnuIndexClick();
        QVERIFY(!editor().isVisible());
        QCOMPARE(f->program().index.lessonCaptions.size(), std::size_t(3));

        // A main index without lessons leaves nothing to edit or to save.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FileOf({U8("教材"), "", ">>"}));
        file.close();
        inEditor([this] {
            QCOMPARE(list("lstELesson")->count(), 0);
            QCOMPARE(list("lstESection")->count(), 0);
            QCOMPARE(control<QTreeWidget>("trvSect")->topLevelItemCount(), 0);
            QVERIFY(!control("btnAdd")->isEnabled());
            prompter().expectMessage("編集する主メニューを選択してください");
            click("btnOk");
            editor().close();
        });
    }

    void treeShowsLabelsIconsAndExpands()
    {
        // The unit selection window has lesson 1's labels.
        TfrmMenu &menu = zelkon().menuWindow();
        menu.show();
        menu.reject();
        const QString label = Q(menu.unitDisplay().prefix(1, 1));
        QVERIFY(!label.isEmpty());

        inEditor([&] {
            QTreeWidget *tree = control<QTreeWidget>("trvSect");
            QCOMPARE(tree->topLevelItemCount(), 1);
            QCOMPARE(root()->text(0), chiri[0]);
            QCOMPARE(root()->childCount(), 3);
            QTreeWidgetItem *section = root()->child(0);
            QCOMPARE(section->text(0), chiri[2]);
            QCOMPARE(section->childCount(), 4);
            QCOMPARE(section->child(0)->text(0), label + chiri[4]);
            QCOMPARE(Picture(root()->icon(0)), Picture(IndexTreeIcon(3)));
            QCOMPARE(Picture(section->icon(0)), Picture(IndexTreeIcon(1)));
            QCOMPARE(Picture(section->child(0)->icon(0)), Picture(IndexTreeIcon(2)));

            // The window opens with every section open; the button closes and opens them.
            QPushButton *expand = control("btnExpand");
            const auto sectionsOpen = [this](bool open) {
                for (int s = 0; s < root()->childCount(); ++s)
                    if (root()->child(s)->isExpanded() != open)
                        return false;
                return root()->isExpanded();
            };
            QVERIFY(sectionsOpen(true));
            QCOMPARE(expand->text(), U8("表示を圧縮する"));
            click("btnExpand");
            QVERIFY(sectionsOpen(false));
            QCOMPARE(expand->text(), U8("表示を展開する"));
            click("btnExpand");
            QVERIFY(sectionsOpen(true));

            // Choosing a unit selects its node; a section shows its master file.
            QCOMPARE(box("edtDataFile")->text(), Q(f->composed("chiri\\ch1.que")));
            click(list("lstEUnit"), 2);
            QCOMPARE(tree->currentItem(), root()->child(0)->child(2));
            click(list("lstESection"), 1);
            QCOMPARE(tree->currentItem(), root()->child(1)->child(0));
            QCOMPARE(Items(list("lstEUnit")), chiri.mid(13, 3));

            // After an add the tree shows the titles alone and opens only the new section.
            answerInput("btnAdd", "", U8("歴史"));
            QCOMPARE(root()->childCount(), 4);
            QCOMPARE(root()->child(0)->child(0)->text(0), chiri[4]);
            QVERIFY(!root()->child(0)->isExpanded());
            QVERIFY(root()->child(3)->isExpanded());
            QCOMPARE(box("edtDataFile")->text(), U8("未作成"));

            // The unit selection window holds no labels of another lesson.
            prompter().expectYesNo(kSaveQuestion, false);
            click(list("lstELesson"), 1);
            QCOMPARE(root()->child(0)->child(0)->text(0), U8("縄文・弥生・古墳時代"));
            click("btnClose");
        });
    }

    void directEditingWritesTheDialogsLines_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void directEditingWritesTheDialogsLines()
    {
        QFETCH(bool, ok);
        const QStringList edited
            = {U8("直接の目次"), "[[sect1", U8("直接"), "<<", U8("単元"), ">>", "]]"};
        inEditor([&] {
            answerInput("btnAdd2", "", U8("梅雨"));
            TfrmEditSource &source = zelkon().sourceEditDialog();
            bool ran = false;
            WhenShown(&source, [&] {
                ran = true;
                QCOMPARE(source.windowTitle(),
                         U8("ソースの直接編集") + Q(f->composed("chiri\\ch.ind")));
                auto *area = source.findChild<QPlainTextEdit *>("memEditBuffer");
                // The unsaved unit is in the text handed over.
                QCOMPARE(area->toPlainText(), Inserted(chiri, 8, {U8("梅雨")}).join('\n') + '\n');
                area->setPlainText(edited.join('\n'));
                QTest::mouseClick(source.findChild<QPushButton *>(ok ? "btnOk" : "btnCancel"),
                                  Qt::LeftButton);
            });
            click("btnEditDirect");
            QVERIFY(ran);
            QApplication::setActiveWindow(&editor());
            QCOMPARE(list("lstELesson")->currentRow(), 0);
            if (ok) {
                QVERIFY(!editor().modified());
                QCOMPARE(box("edtMainTitle")->text(), U8("直接の目次"));
                QCOMPARE(Items(list("lstESection")), QStringList{U8("直接")});
            } else {
                QVERIFY(editor().modified());
                QCOMPARE(list("lstEUnit")->count(), 5);
            }
            click("btnClose");
        });
        QCOMPARE(chiriFile(), ok ? edited : chiri);
        QCOMPARE(state().indexReloadPending, ok);
    }

    void hintsFollowTheMouse()
    {
        inEditor([this] {
            QLabel *hint = control<QLabel>("pnlHint");
            QCOMPARE(hint->text(), U8("インデックスを変更した後、[OK]ボタンをクリックします。"));
            QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(Qt::yellow));
            const struct
            {
                const char *control;
                const char *hint;
            } hints[] = {
                {"lstELesson", "編集するコースウェアを選択します"},
                {"lstESection", "主インデックスを書きます"},
                {"lstEUnit", "副インデックスを書きます"},
                {"trvSect", "インデックスの全構造を表示します"},
                {"btnAdd", "項目を追加します"},
                {"btnAdd2", "項目を追加します"},
                {"btnChange", "項目を変更します"},
                {"btnChange2", "項目を変更します"},
                {"btnOk", "編集結果を保存して閉じます"},
                {"btnClose", "編集結果を無視してして閉じます"},
                {"btnEditDirect", "Main.indファイルを直接編集します"},
                {"btnExpand", "インデックスの表示を展開／圧縮します"},
            };
            for (const auto &row : hints) {
                QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
                QApplication::sendEvent(control<QWidget>(row.control), &enter);
                QVERIFY2(hint->text() == U8(row.hint), row.control);
            }
            // The window's background turns the hint green for good.
            SendMouse(&editor(), QEvent::MouseMove, QPoint(2, 2));
            QCOMPARE(hint->text(), U8("インデックスを編集した後、マスターファイルを編集します。"));
            QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(0, 128, 0));
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(control<QWidget>("btnOk"), &enter);
            QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(0, 128, 0));
            click("btnClose");
        });
    }

    void doubleClickOnAUnitIsOk()
    {
        std::vector<int> topics;
        zelkon().seams().showHelpTopic = [&topics](int topic) { topics.push_back(topic); };
        inEditor([this] {
            click("btnHelp");
            answerInput("btnAdd2", "", U8("梅雨"));
            QListWidget *units = list("lstEUnit");
            const QPoint first = units->visualItemRect(units->item(0)).center();
            // A double click follows the click that pressed the item.
            QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, first);
        });
        QCOMPARE(topics, std::vector<int>{730});
        QCOMPARE(chiriFile(), Inserted(chiri, 8, {U8("梅雨")}));
    }

    void refusedWhileAWorksheetIsOpen()
    {
        f->open(0, 0, 0);
        prompter().expectMessage("開いているファイルをすべて閉じてください");
        f->main().mnuIndexClick();
        QVERIFY(!editor().isVisible());
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::EditIndexTest)
#include "editindex_test.moc"
