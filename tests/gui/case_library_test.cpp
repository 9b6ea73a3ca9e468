// The case library in the main window: the case tree filled from the store,
// saving the couple on screen, viewing a saved case with and without its
// report file, the report's modified flag, deleting the case on screen, the
// popup menu's rules and "移动到", category names (letter case, length), and
// exporting, importing and clearing the library with its backup.
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "app/main/ChartPictureWidget.h"
#include "app/main/TFrmMain.h"
#include "widgets/messages/scripted_messages.h"
#include "cases/MDataBase.h"
#include "app/case_dialogs/TFrmFenLei.h"
#include "cases/category_list.h"
#include "gui_fixture.h"
#include "modal_dialogs.h"
#include "richtext/report_file.h"

namespace fs = std::filesystem;

namespace {

// "分类保存" answered with this category (the note stays "备注:").
void ChooseCategory(const QString& category) {
    WhenModal<TFrmFenLei>([category](TFrmFenLei* dialog) {
        Child<QComboBox>(dialog, "CboFenLei")->setEditText(category);
        Child<QPushButton>(dialog, "BtnOk")->click();
    });
}

void AnswerInputBox(const QString& text) {
    WhenModal<QInputDialog>([text](QInputDialog* box) {
        box->setTextValue(text);
        box->accept();
    });
}

CasePerson Person(const char* name, int year, int month, int day, bool male, bool lunar = false, bool leap = false) {
    BirthData birth = BirthAtNoPlace(name, year, month, day, 12, male);
    birth.lunar = lunar ? 1 : 0, birth.leap = leap ? 1 : 0;
    return CasePersonFrom(birth);
}

CaseRecord Case(const char* nameA, const char* category, bool maleA = true) {
    CaseRecord record{};
    gbk::WriteField(record.category, category);
    gbk::WriteField(record.note, "备注:");
    record.a = Person(nameA, 1980, 5, 17, maleA);
    record.b = Person("乙", 1982, 11, 3, !maleA);
    return record;
}

std::string ReportText(const std::string& path) {
    richtext::RichDocument doc;
    if (!richtext::LoadReportFile(path, doc)) return "<unreadable>";
    return richtext::PlainText(doc);
}

QStringList Texts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i) texts << node->child(i)->text(0);
    return texts;
}

// A main window on its own program folder whose store holds the given cases
// when the window starts.
struct Library {
    ProgramFolder folder;
    std::unique_ptr<TFrmMain> window;
    ScriptedMessages messages;

    explicit Library(const std::vector<CaseRecord>& cases = {}) {
        MDataBase store;
        store.Open(folder.Folder(), 0);
        for (CaseRecord record : cases) store.AddCase(record);
        window = std::make_unique<TFrmMain>(folder.Folder());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T>
    T* Get(const char* name) { return Child<T>(window.get(), name); }
    QTreeWidget* Tree() { return Get<QTreeWidget>("Tree"); }
    QTreeWidgetItem* Root() { return Tree()->topLevelItem(0); }
    QTextEdit* View() { return Get<QTextEdit>("Redtbazi"); }
    QAction* Item(const char* name) { return Get<QAction>(name); }
    void Trigger(const char* name) { Item(name)->trigger(); }
    void Select(QTreeWidgetItem* node) { Tree()->setCurrentItem(node); }
    QTreeWidgetItem* CaseNode(int category, int index) { return Root()->child(category)->child(index); }
    void View(int category, int index) {
        Select(CaseNode(category, index));
        Trigger("TmViewCase");
    }
    void EnterCouple() {
        Get<QLineEdit>("Edtname")->setText(QStringLiteral("张三"));
        Get<QLineEdit>("EdtYear")->setText("1980");
        Get<QComboBox>("cbom")->setCurrentIndex(4);
        Get<QComboBox>("cbod")->setCurrentIndex(16);
        Get<QLineEdit>("Edtname2")->setText(QStringLiteral("李四"));
        Get<QLineEdit>("EdtYear2")->setText("1982");
    }
    void Compute() { Get<QPushButton>("BtnPai")->click(); }
    std::string Report(int number) { return folder.Path("bazi_f/" + std::to_string(number) + ".rtf"); }
    QStringList Shown() const { return messages.Texts(); }
};

}  // namespace

class CaseLibraryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void treeShowsTheLiveCasesByCategory() {
        std::vector<CaseRecord> cases = {Case("甲一", "朋友"), Case("乙二", "客户", false), Case("丙三", "朋友")};
        cases[1].a = Person("乙二", -1, 5, 3, false, true, true);  // lunar leap month of 2 BC
        Library lib(cases);
        QTreeWidgetItem* root = lib.Root();
        QCOMPARE(lib.Tree()->topLevelItemCount(), 1);
        QCOMPARE(root->text(0), QStringLiteral("命例"));
        QVERIFY(root->isExpanded());
        QCOMPARE(Texts(root), (QStringList{"朋友", "客户"}));
        QCOMPARE(Texts(root->child(0)), (QStringList{"甲一  公1980-5-17|0", "丙三  公1980-5-17|2"}));
        QCOMPARE(Texts(root->child(1)), (QStringList{"乙二  农闰-2-5-3|1"}));
        QVERIFY(!root->child(0)->isExpanded());
        QCOMPARE(lib.Get<QToolButton>("SbtoSave")->text(), QStringLiteral("存新"));

        // Double-clicking a category views nothing.
        emit lib.Tree()->itemDoubleClicked(root->child(0), 0);
        QCOMPARE(lib.Shown(), QStringList{"请先选择一个命例！"});
        QCOMPARE(lib.messages.shown[0].caption, QStringLiteral("澄岚八字合婚V1.0"));
    }

    void startShowsTheFirst300SlotsAndShowAllEveryCase() {
        std::vector<CaseRecord> cases(320, Case("某", "类"));
        Library lib(cases);
        QCOMPARE(lib.Root()->child(0)->childCount(), 300);
        MDataBase store;
        store.Open(lib.folder.Folder(), 0);
        store.DeleteCase(5);
        lib.Select(lib.Root());
        lib.Trigger("TmShowAll");
        QCOMPARE(lib.Root()->child(0)->childCount(), 319);
        QCOMPARE(lib.CaseNode(0, 318)->text(0), QStringLiteral("某  公1980-5-17|319"));
    }

    void showAllOnAnEmptyOrAllDeletedStore() {
        Library lib;
        lib.Trigger("TmShowAll");
        QCOMPARE(lib.Shown(), QStringList{"没有记录，无从查找。"});
        MDataBase store;
        store.Open(lib.folder.Folder(), 0);
        CaseRecord record = Case("某", "类");
        store.DeleteCase(store.AddCase(record));
        lib.Trigger("TmShowAll");
        QCOMPARE(lib.messages.shown.last().text, QStringLiteral("没有找到符合条件的命例。"));
        QCOMPARE(lib.messages.shown.last().caption, QStringLiteral("信息"));
    }

    void savingTwiceGivesConsecutiveNumbers() {
        Library lib;
        lib.Get<QToolButton>("SbtoSave")->click();
        QCOMPARE(lib.Shown(), QStringList{"请先排一个正确的盘后再保存"});
        QCOMPARE(lib.messages.shown[0].icon, MessageIcon::Information);

        lib.EnterCouple();
        lib.Compute();
        QVERIFY(lib.window->ChartReady());
        fs::remove_all(lib.folder.Path("bazi_f"));  // made again by the first save
        ChooseCategory(QStringLiteral("同事"));
        lib.window->SaveCase();
        ChooseCategory(QStringLiteral("同事"));
        lib.Get<QToolButton>("SbtoSave")->click();
        WhenModal<TFrmFenLei>([](TFrmFenLei* dialog) { dialog->reject(); });
        lib.window->SaveCase();  // cancelled: nothing stored

        QCOMPARE(lib.Shown().size(), 1);
        QCOMPARE(Texts(lib.Root()), QStringList{"同事"});
        QCOMPARE(Texts(lib.Root()->child(0)), (QStringList{"张三  公1980-5-17|0", "张三  公1980-5-17|1"}));
        QVERIFY(lib.Root()->child(0)->isExpanded());
        QVERIFY(!lib.window->SavedCaseMode());
        QCOMPARE(lib.window->Store().CaseCount(), 2);
        CaseRecord stored;
        QVERIFY(lib.window->Store().ReadCase(1, stored));
        QCOMPARE(gbk::ReadField(stored.category), std::string("同事"));
        QCOMPARE(gbk::ReadField(stored.note), std::string("备注:"));
        QCOMPARE(gbk::ReadField(stored.b.name), std::string("李四"));
        const std::string report = lib.View()->toPlainText().toStdString() + "\n";
        QCOMPARE(ReportText(lib.Report(0)), report);
        QCOMPARE(ReportText(lib.Report(1)), report);
    }

    void savedCaseWhoseReportCannotBeWrittenSaysWhatWasSaved() {
        Library lib;
        lib.EnterCouple();
        lib.Compute();
        fs::create_directories(lib.Report(0));  // a folder where the report goes
        ChooseCategory(QStringLiteral("同事"));
        lib.window->SaveCase();
        QCOMPARE(lib.Shown(), QStringList{"命例已保存，但无法写入报告文件bazi_f/0.rtf，报告文本没有保存。"});
        QCOMPARE(lib.window->Store().CaseCount(), 1);
        QCOMPARE(Texts(lib.Root()->child(0)), QStringList{"张三  公1980-5-17|0"});
    }

    void windowOpenWhileAnotherProgramReplacesTheLibraryWritesNothing() {
        Library lib({Case("张三", "朋友")});
        lib.View(0, 0);
        const std::string before = FileBytes(lib.folder.Path("dat/bazi0.dat"));
        // Another program (the command line) replaces the library meanwhile.
        MDataBase other;
        QVERIFY(other.Open(lib.folder.Folder(), 0));
        QVERIFY(other.DeleteAll());
        QVERIFY(other.Open(lib.folder.Folder(), 0));
        lib.messages.answers = {true};
        lib.window->SaveCase();
        QCOMPARE(lib.Shown().last(), QStringLiteral("历史记录已被其他程序替换或清除，修改没有保存。请重启软件。"));
        QCOMPARE(lib.window->Store().CaseCount(), 0);
        QVERIFY(FileBytes(lib.folder.Path("dat/bazi0.dat")) != before);
    }

    void promptSaveSettingSavesAfterComputing() {
        Library lib;
        lib.folder.Settings().WriteBool("set", "save", true);
        lib.EnterCouple();
        ChooseCategory(QStringLiteral("自动"));
        lib.Compute();
        QCOMPARE(Texts(lib.Root()), QStringList{"自动"});
        QCOMPARE(lib.window->Store().CaseCount(), 1);
    }

    void viewingACaseWithoutAndWithItsReportFile() {
        Library lib({Case("张三", "朋友")});
        QVERIFY(!fs::exists(lib.Report(0)));
        lib.View(0, 0);
        QVERIFY2(lib.messages.shown.isEmpty(), qPrintable(lib.Shown().join('|')));
        QVERIFY(lib.window->SavedCaseMode());
        QCOMPARE(lib.window->SavedCaseNumber(), 0);
        QVERIFY(lib.window->ChartReady());
        QCOMPARE(gbk::ReadField(lib.window->InputA().name), std::string("张三"));
        QCOMPARE(lib.window->InputB().year, int16_t(1982));
        QCOMPARE(lib.Get<QLineEdit>("EdtYear2")->text(), QStringLiteral("1982"));
        auto* save = lib.Get<QToolButton>("SbtoSave");
        QCOMPARE(save->text(), QStringLiteral("存旧"));
        QCOMPARE(save->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
        QVERIFY(lib.View()->toPlainText().startsWith(QStringLiteral("甲命八字：")));
        QCOMPARE(ReportText(lib.Report(0)), lib.View()->toPlainText().toStdString() + "\n");  // written
        QVERIFY(!lib.View()->document()->isModified());

        // With a file the stored text is shown and the picture is computed.
        richtext::SaveReportRtf(lib.Report(0), richtext::DocumentFromText("存档命稿\n第二行"));
        lib.Get<ChartPictureWidget>("ImgBaZi")->SetPicture(ChartPicture{});
        lib.View(0, 0);
        QCOMPARE(lib.View()->toPlainText(), QStringLiteral("存档命稿\n第二行"));
        QVERIFY(lib.Get<ChartPictureWidget>("ImgBaZi")->Picture().valid);
        QVERIFY(lib.window->ChartReady());
        QCOMPARE(ReportText(lib.Report(0)), std::string("存档命稿\n第二行\n"));

        lib.Get<QToolButton>("BtoNew")->click();
        QVERIFY(!lib.window->SavedCaseMode());
        QVERIFY(!lib.window->ChartReady());
        QVERIFY(lib.View()->toPlainText().isEmpty());
        QCOMPARE(save->text(), QStringLiteral("存新"));
        QCOMPARE(save->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
        QCOMPARE(lib.Get<QLineEdit>("Edtname")->text(), QStringLiteral("张三"));  // panels keep the case
    }

    void editingASavedReportThenComputingAsksToSave() {
        Library lib({Case("张三", "朋友")});
        lib.View(0, 0);
        lib.Compute();  // the program's own report is no edit: nothing asked
        QVERIFY2(lib.messages.shown.isEmpty(), qPrintable(lib.Shown().join('|')));

        lib.View()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(lib.View(), QStringLiteral("Note: "));  // what a user types
        QVERIFY(lib.View()->document()->isModified());
        const QString edited = lib.View()->toPlainText();
        lib.messages.answers = {true, true};
        lib.Compute();
        QCOMPARE(lib.Shown(), (QStringList{"当前命例文本已改变，要保存吗？", "要修改“张三”这条记录吗？",
                                           "已保存编辑后的命例。"}));
        QCOMPARE(lib.messages.shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(lib.messages.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(lib.messages.shown[1].icon, MessageIcon::Information);
        QCOMPARE(ReportText(lib.Report(0)), edited.toStdString() + "\n");
        QVERIFY(!lib.View()->toPlainText().startsWith(QStringLiteral("Note: ")));  // recomputed

        // Declining keeps the file; "新建" and closing ask the same way.
        QTest::keyClicks(lib.View(), QStringLiteral("x"));
        lib.messages.shown.clear();
        lib.Get<QToolButton>("BtoNew")->click();
        QCOMPARE(lib.Shown(), QStringList{"当前命例文本已改变，要保存吗？"});
        QCOMPARE(ReportText(lib.Report(0)), edited.toStdString() + "\n");
        lib.View(0, 0);
        QTest::keyClicks(lib.View(), QStringLiteral("y"));
        lib.messages.shown.clear();
        lib.window->close();
        QCOMPARE(lib.Shown(), QStringList{"当前命例文本已改变，要保存吗？"});
    }

    void savingOverTheSavedCaseRenewsItsNode() {
        Library lib({Case("张三", "朋友")});
        lib.View(0, 0);
        lib.Get<QLineEdit>("Edtname")->setText(QStringLiteral("张三丰"));
        lib.Get<QLineEdit>("EdtYear")->setText("1979");
        lib.Compute();
        lib.messages.answers = {false};
        lib.window->SaveCase();
        QCOMPARE(lib.Shown(), QStringList{"要修改“张三丰”这条记录吗？"});
        QCOMPARE(lib.CaseNode(0, 0)->text(0), QStringLiteral("张三  公1980-5-17|0"));
        lib.messages.answers = {true};
        lib.window->SaveCase();
        QCOMPARE(lib.CaseNode(0, 0)->text(0), QStringLiteral("张三丰  公1979-5-17|0"));
        QCOMPARE(lib.window->Store().CaseCount(), 1);
        CaseRecord stored;
        QVERIFY(lib.window->Store().ReadCase(0, stored));
        QCOMPARE(stored.a.year, int16_t(1979));
        QCOMPARE(gbk::ReadField(stored.category), std::string("朋友"));
    }

    void deletingTheCaseOnScreen() {
        Library lib({Case("张三", "朋友"), Case("李四", "朋友")});
        lib.View(0, 0);
        QVERIFY(fs::exists(lib.Report(0)));
        lib.Select(lib.CaseNode(0, 0));
        lib.messages.answers = {false};
        lib.Trigger("TmDeleteCase");
        QCOMPARE(lib.Shown(), QStringList{"确定要删除“张三”这个命例吗？"});
        QCOMPARE(lib.messages.shown[0].caption, QStringLiteral("注意"));
        QVERIFY(!lib.messages.shown[0].defaultYes);
        lib.messages.answers = {true, false};
        lib.Trigger("TmDeleteCase");
        QCOMPARE(lib.messages.shown.last().text, QStringLiteral("确定要删除当前正在查看的命例吗？"));
        QCOMPARE(lib.Root()->child(0)->childCount(), 2);
        QVERIFY(lib.window->ChartReady());

        QVERIFY(lib.Get<ChartPictureWidget>("ImgBaZi")->Picture().valid);
        lib.messages.answers = {true, true};
        lib.Trigger("TmDeleteCase");
        QCOMPARE(Texts(lib.Root()->child(0)), QStringList{"李四  公1980-5-17|1"});
        QVERIFY(lib.View()->toPlainText().isEmpty());
        QVERIFY2(!lib.Get<ChartPictureWidget>("ImgBaZi")->Picture().valid, "the deleted couple's picture is gone");
        QVERIFY(!lib.window->ChartReady());
        QVERIFY(!lib.window->SavedCaseMode());  // a later save is a new case
        QCOMPARE(lib.Get<QToolButton>("SbtoSave")->text(), QStringLiteral("存新"));
        QCOMPARE(lib.Get<QLineEdit>("Edtname")->text(), QStringLiteral("张三"));
        QVERIFY(!fs::exists(lib.Report(0)));
        CaseRecord gone;
        QVERIFY(!lib.window->Store().ReadCase(0, gone));

        // Another case goes after one question.
        lib.messages.shown.clear();
        lib.messages.answers = {true};
        lib.Select(lib.CaseNode(0, 0));
        lib.Trigger("TmDeleteCase");
        QCOMPARE(lib.Shown(), QStringList{"确定要删除“李四”这个命例吗？"});
        QCOMPARE(lib.Root()->child(0)->childCount(), 0);
    }

    void theDeleteKeyDeletesTheSelectedCaseOnlyFromTheTree() {
        Library lib({Case("张三", "朋友")});
        lib.Select(lib.CaseNode(0, 0));
        lib.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(lib.window.get()));
        lib.Tree()->setFocus();
        QVERIFY(lib.Item("TmDeleteCase")->shortcuts().contains(QKeySequence(Qt::Key_Delete)));
        lib.messages.answers = {true};
        QTest::keyClick(lib.Tree(), Qt::Key_Delete);
        QCOMPARE(lib.Shown(), QStringList{"确定要删除“张三”这个命例吗？"});
        QCOMPARE(lib.Root()->child(0)->childCount(), 0);
    }

    void popupItemsFollowTheSelectedLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("root") << 0 << "TmAddClass TmEditClassFile TmFind TmShowAll TmPopZeOu TmExpand TmCollapse";
        QTest::newRow("category") << 1
                                  << "TmAddClass TmRenameClass TmDeleteClass TmEditClassFile TmFind TmShowAll "
                                     "TmPopZeOu TmExpand TmCollapse";
        QTest::newRow("case") << 2
                              << "TmViewCase TmEditCase TmMoveCase TmDeleteCase TmAddClass TmEditClassFile TmFind "
                                 "TmShowAll TmPopZeOu";
    }
    void popupItemsFollowTheSelectedLevel() {
        QFETCH(int, level);
        QFETCH(QString, enabled);
        Library lib({Case("甲", "朋友"), Case("乙", "客户"), Case("丙", "同学")});
        QVERIFY(!lib.window->UpdatePopMingLi());  // nothing selected
        QTreeWidgetItem* nodes[] = {lib.Root(), lib.Root()->child(1), lib.CaseNode(1, 0)};
        lib.Select(nodes[level]);
        QVERIFY(lib.window->UpdatePopMingLi());
        QStringList on;
        for (QAction* a : lib.Get<QMenu>("PopMingLi")->actions())
            if (!a->isSeparator() && a->isEnabled()) on << a->objectName();
        QCOMPARE(on.join(' '), enabled);
        QStringList targets;
        for (QAction* a : lib.Get<QMenu>("MenuMoveTo")->actions()) targets << a->text();
        QCOMPARE(targets, (level == 2 ? QStringList{"朋友", "同学"} : QStringList{}));
    }

    void rightClickKeepsTheSelection() {
        Library lib({Case("甲", "朋友"), Case("乙", "客户")});
        lib.Root()->child(1)->setExpanded(true);
        lib.Select(lib.Root()->child(0));
        const QRect other = lib.Tree()->visualItemRect(lib.CaseNode(1, 0));
        QTest::mouseClick(lib.Tree()->viewport(), Qt::RightButton, {}, other.center());
        QCOMPARE(lib.Tree()->selectedItems(), QList<QTreeWidgetItem*>{lib.Root()->child(0)});
    }

    void movingACaseRefreshesTheCaseOnScreen() {
        Library lib({Case("甲", "朋友"), Case("乙", "客户")});
        lib.View(0, 0);
        lib.Select(lib.CaseNode(0, 0));
        QVERIFY(lib.window->UpdatePopMingLi());
        lib.Get<QMenu>("MenuMoveTo")->actions().first()->trigger();
        QCOMPARE(lib.Root()->child(0)->childCount(), 0);
        QCOMPARE(Texts(lib.Root()->child(1)), (QStringList{"乙  公1980-5-17|1", "甲  公1980-5-17|0"}));
        QCOMPARE(gbk::ReadField(lib.window->CurrentCase().category), std::string("客户"));
        // "存旧" afterwards keeps the new category.
        lib.messages.answers = {true};
        lib.window->SaveCase();
        CaseRecord stored;
        QVERIFY(lib.window->Store().ReadCase(0, stored));
        QCOMPARE(gbk::ReadField(stored.category), std::string("客户"));
    }

    void categoriesDifferingOnlyInLetterCaseAreOneNode() {
        Library lib({Case("甲", "vip"), Case("乙", "朋友"), Case("丙", "VIP"), Case("丁", "Vip")});
        QCOMPARE(Texts(lib.Root()), (QStringList{"vip", "朋友"}));
        QCOMPARE(lib.Root()->child(0)->childCount(), 3);

        lib.Select(lib.Root());
        AnswerInputBox(QStringLiteral(" VIP "));
        lib.Trigger("TmAddClass");
        QCOMPARE(lib.Shown(), QStringList{"已有这个类别了！"});
        QCOMPARE(lib.messages.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(lib.Tree()->selectedItems(), QList<QTreeWidgetItem*>{lib.Root()->child(0)});

        // Renaming to its own name, in any case, is refused.
        AnswerInputBox(QStringLiteral("Vip"));
        lib.Trigger("TmRenameClass");
        QCOMPARE(lib.messages.shown.last().text, QStringLiteral("已有这个类别了，请另起一个名称！"));

        // Saving into "VIP" joins the existing node.
        lib.EnterCouple();
        lib.Compute();
        ChooseCategory(QStringLiteral("VIP"));
        lib.window->SaveCase();
        QCOMPARE(Texts(lib.Root()), (QStringList{"vip", "朋友"}));
        QCOMPARE(lib.Root()->child(0)->childCount(), 4);
    }

    void categoryNamesOfSixCharactersAtMost_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("6 characters") << QStringLiteral("六个汉字类别") << true;
        QTest::newRow("12 letters") << QStringLiteral("abcdefghijkl") << true;
        QTest::newRow("7 characters") << QStringLiteral("七个汉字的类别") << false;
        QTest::newRow("blanks") << QStringLiteral("   ") << false;
    }
    void categoryNamesOfSixCharactersAtMost() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        Library lib({Case("甲", "朋友")});
        lib.Select(lib.Root());
        AnswerInputBox(name);
        lib.Trigger("TmAddClass");
        const std::vector<std::string> list = ReadCategoryList(lib.folder.Settings(), "");
        if (accepted) {
            QVERIFY(lib.messages.shown.isEmpty());
            QCOMPARE(Texts(lib.Root()), (QStringList{"朋友", name}));
            QCOMPARE(list, std::vector<std::string>{name.toStdString()});
        } else {
            QCOMPARE(lib.Shown(), QStringList{"类别名不能为空，并且最多可以有6个汉字！"});
            QCOMPARE(Texts(lib.Root()), QStringList{"朋友"});
            QVERIFY(list.empty());
        }

        // Renaming checks the name the same way.
        if (accepted) return;
        lib.Select(lib.Root()->child(0));
        AnswerInputBox(name);
        lib.Trigger("TmRenameClass");
        QCOMPARE(lib.messages.shown.last().text, QStringLiteral("类别名不能为空，并且最多可以有6个汉字！"));
        QCOMPARE(lib.Root()->child(0)->text(0), QStringLiteral("朋友"));
    }

    void renamingACategoryRewritesItsCasesAndTheList() {
        Library lib({Case("甲", "朋友"), Case("乙", "客户"), Case("丙", "朋友")});
        IniFile settings = lib.folder.Settings();
        RewriteCategoryList(settings, {"客户", "朋友"});
        lib.View(0, 1);
        lib.Select(lib.Root()->child(0));
        AnswerInputBox(QStringLiteral("老友"));
        lib.Trigger("TmRenameClass");
        QCOMPARE(Texts(lib.Root()), (QStringList{"老友", "客户"}));
        CaseRecord stored;
        for (int n : {0, 2}) {
            QVERIFY(lib.window->Store().ReadCase(n, stored));
            QCOMPARE(gbk::ReadField(stored.category), std::string("老友"));
        }
        QCOMPARE(gbk::ReadField(lib.window->CurrentCase().category), std::string("老友"));
        QCOMPARE(ReadCategoryList(lib.folder.Settings(), ""), (std::vector<std::string>{"客户", "老友"}));

        // Deleting the category deletes its cases, the one on screen too.
        lib.messages.answers = {true};
        lib.Trigger("TmDeleteClass");
        QCOMPARE(lib.messages.shown.last().text, QStringLiteral("确定要删除“老友”这个类别吗？"));
        QCOMPARE(Texts(lib.Root()), QStringList{"客户"});
        QVERIFY(!lib.window->Store().ReadCase(2, stored));
        QVERIFY(!lib.window->SavedCaseMode());
    }

    void exportThenImportWithABackup() {
        Library source({Case("甲", "朋友"), Case("乙", "客户")});
        source.View(0, 0);  // writes bazi_f/0.rtf
        QTemporaryDir target;
        WhenModal<QFileDialog>([&target](QFileDialog* dialog) {
            dialog->setDirectory(target.path());
            static_cast<QDialog*>(dialog)->accept();
        });
        source.Trigger("TmExport");
        const QString exported = target.path() + "/";
        QCOMPARE(source.Shown(), QStringList{"成功导出，已保存到" + exported + "目录下"});
        QCOMPARE(FileBytes(exported.toStdString() + "bazi0.dat"), FileBytes(source.folder.Path("dat/bazi0.dat")));
        QCOMPARE(FileBytes(exported.toStdString() + "bazi_f/0.rtf"), FileBytes(source.Report(0)));

        Library lib({Case("丙", "同学")});
        lib.View(0, 0);
        const std::string oldStore = FileBytes(lib.folder.Path("dat/bazi0.dat"));
        const std::string oldReport = FileBytes(lib.Report(0));
        // The program's own store is refused before anything is deleted.
        lib.messages.answers = {true};
        ChooseFile(QString::fromStdString(lib.folder.Path("dat/bazi0.dat")));
        lib.Trigger("TmImport");
        QVERIFY(lib.messages.shown.last().text.startsWith(QStringLiteral("所选文件是本软件正在使用的历史记录")));
        QCOMPARE(FileBytes(lib.folder.Path("dat/bazi0.dat")), oldStore);

        lib.messages.shown.clear();
        lib.messages.answers = {true};
        ChooseFile(exported + "bazi0.dat");
        lib.Trigger("TmImport");
        QCOMPARE(lib.messages.shown.size(), 2);
        const QString question = lib.messages.shown[0].text;
        const QString lead = QStringLiteral("执行此操作将覆盖现有的历史记录，要继续吗？\r\n现有的历史记录将先备份到");
        QVERIFY(question.startsWith(lead));
        QCOMPARE(lib.messages.shown[0].caption, QStringLiteral("注意了"));
        QCOMPARE(lib.messages.shown[0].icon, MessageIcon::Warning);
        QVERIFY(!lib.messages.shown[0].defaultYes);
        const std::string backup = question.mid(lead.size()).toStdString();
        QVERIFY(backup.starts_with(lib.folder.Path("bazi_backup_")));
        QCOMPARE(lib.messages.shown[1].text,
                 QStringLiteral("成功导入，请重启软件！\r\n原有的历史记录已备份到") + QString::fromStdString(backup));
        QVERIFY(!lib.window->isVisible());

        // The old library lies in the backup, the exported one in the program.
        QCOMPARE(FileBytes(backup + "bazi0.dat"), oldStore);
        QCOMPARE(FileBytes(backup + "bazi_f/0.rtf"), oldReport);
        QCOMPARE(FileBytes(lib.folder.Path("dat/bazi0.dat")), FileBytes(exported.toStdString() + "bazi0.dat"));
        QCOMPARE(FileBytes(lib.Report(0)), FileBytes(source.Report(0)));

        // The backup is an export: it imports back.
        Library restored;
        restored.messages.answers = {true};
        ChooseFile(QString::fromStdString(backup + "bazi0.dat"));
        restored.Trigger("TmImport");
        QCOMPARE(restored.messages.shown.last().text, QStringLiteral("成功导入，请重启软件！"));
        QCOMPARE(FileBytes(restored.folder.Path("dat/bazi0.dat")), oldStore);
    }

    void clearingNeedsTwoYesAndKeepsABackup() {
        Library lib({Case("甲", "朋友")});
        lib.messages.answers = {true, false};
        lib.Trigger("TmClear");
        QCOMPARE(lib.messages.shown.size(), 2);
        QVERIFY(lib.messages.shown[0].text.startsWith(QStringLiteral("这将清除所有历史记录，要继续吗？\r\n")));
        QCOMPARE(lib.messages.shown[1].text, QStringLiteral("确定要清除吗？"));
        QVERIFY(!lib.messages.shown[1].defaultYes);
        QCOMPARE(lib.window->Store().CaseCount(), 1);
        QVERIFY(lib.window->isVisible());

        const std::string oldStore = FileBytes(lib.folder.Path("dat/bazi0.dat"));
        lib.messages.shown.clear();
        lib.messages.answers = {true, true};
        lib.Trigger("TmClear");
        const QString done = lib.messages.shown.last().text;
        QVERIFY(done.startsWith(QStringLiteral("清除完成,请重启软件。\r\n原有的历史记录已备份到")));
        QVERIFY(!fs::exists(lib.folder.Path("dat/bazi0.dat")));
        QCOMPARE(FileBytes(done.section(QStringLiteral("备份到"), 1).toStdString() + "bazi0.dat"), oldStore);
        QVERIFY(!lib.window->isVisible());
    }
};

QTEST_MAIN(CaseLibraryTest)
#include "case_library_test.moc"
