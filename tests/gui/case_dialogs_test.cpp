// The case library's small dialogs: the category chooser "分类保存", the case
// details "命例信息" (its loading, its checks and the fields it changes) and
// the category editor "类别编辑" (its line checks, the 6- and 7-character
// names, names differing only in letter case).
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "widgets/UpDownButtons.h"
#include "app/case_dialogs/TFrmClassEdit.h"
#include "app/case_dialogs/TFrmFenLei.h"
#include "app/case_dialogs/TFrmInfo.h"
#include "dialog_test_support.h"

namespace {

void WriteCategories(ProgramFolder& folder, const std::string& lines) {
    folder.WriteGbk("dat/bzinit.ini", "[winpos]\r\nleft=10\r\n[classes]\r\n" + lines);
}

// A saved case: person A 1990-5-3 12:30, lunar leap month, male, 北京市 西城区.
CaseRecord SavedCase() {
    CaseRecord record{};
    record.number = 7;
    gbk::WriteField(record.category, "朋友");
    gbk::WriteField(record.note, "备注:\r\n第二行");
    CasePerson& a = record.a;
    gbk::WriteField(a.name, "张三");
    a.year = 1990, a.month = 5, a.day = 3, a.hour = 12, a.minute = 30;
    a.lunar = 1, a.leap = 1, a.male = 1;
    a.province = 1, a.city = 1;
    a.longitude = 116.37f, a.latitude = 39.9f;
    gbk::WriteField(a.place, "北京市-西城区");
    CasePerson& b = record.b;
    gbk::WriteField(b.name, "李四");
    b.year = 1991, b.month = 2, b.day = 8, b.province = 34;
    gbk::WriteField(b.place, "未知");
    return record;
}

}  // namespace

class CaseDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    // --- 分类保存 ---

    void chooserOffersTheListAndPresetsTheNote() {
        ProgramFolder folder(false);
        WriteCategories(folder, "count=3\r\n1=VIP\r\n3=vip\r\n");
        IniFile settings = folder.Settings();
        TFrmFenLei dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("分类保存"));
        auto* combo = Child<QComboBox>(&dialog, "CboFenLei");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(1), QStringLiteral("临时保存"));
        QCOMPARE(combo->itemText(2), QStringLiteral("vip"));  // letter case is its own entry
        QCOMPARE(combo->currentText(), QStringLiteral("VIP"));
        QCOMPARE(Child<QPlainTextEdit>(&dialog, "Memo1")->toPlainText(), QStringLiteral("备注:"));
        ScriptedMessages messages;
        Click(&dialog, "BtnOk");
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Category(), std::string("VIP"));
        QCOMPARE(dialog.Note(), std::string("备注:"));
    }

    void chooserTakesATypedCategoryTrimmedAndLeavesTheListAlone() {
        ProgramFolder folder(false);
        WriteCategories(folder, "count=1\r\n1=VIP\r\n");
        const std::string before = FileBytes(folder.Path("dat/bzinit.ini"));
        IniFile settings = folder.Settings();
        TFrmFenLei dialog(settings);
        auto* combo = Child<QComboBox>(&dialog, "CboFenLei");
        combo->setEditText(QStringLiteral("  同学会  "));
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral("  备注:\n毕业二十年  \n"));
        Click(&dialog, "BtnOk");
        QCOMPARE(dialog.Category(), std::string("同学会"));
        QCOMPARE(dialog.Note(), std::string("备注:\r\n毕业二十年"));
        QCOMPARE(FileBytes(folder.Path("dat/bzinit.ini")), before);

        // Seven characters do not fit the 13 bytes of the box: the seventh is cut.
        combo->setEditText(QStringLiteral("一二三四五六七"));
        QCOMPARE(combo->currentText(), QStringLiteral("一二三四五六"));
    }

    void chooserRefusesAnEmptyCategoryOrNote_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("message");
        QTest::newRow("no category") << "" << "备注:" << "类别名不能为空";
        QTest::newRow("blank category") << "   " << "备注:" << "类别名不能为空";
        QTest::newRow("no note") << "VIP" << "" << "附加信息不能为空";
        QTest::newRow("blank note") << "VIP" << " \n  \n" << "附加信息不能为空";
    }
    void chooserRefusesAnEmptyCategoryOrNote() {
        QFETCH(QString, category);
        QFETCH(QString, note);
        QFETCH(QString, message);
        ProgramFolder folder(false);
        IniFile settings = folder.Settings();
        TFrmFenLei dialog(settings);
        dialog.show();
        QCOMPARE(Child<QComboBox>(&dialog, "CboFenLei")->count(), 0);
        Child<QComboBox>(&dialog, "CboFenLei")->setEditText(category);
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(note);
        ScriptedMessages messages;
        Click(&dialog, "BtnOk");
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0], message, QStringLiteral("错误"), MessageIcon::Error);
        QVERIFY(dialog.isVisible());
    }

    void chooserRefusesWhatGbkCannotHold() {
        ProgramFolder folder(false);
        IniFile settings = folder.Settings();
        TFrmFenLei dialog(settings);
        dialog.show();
        Child<QComboBox>(&dialog, "CboFenLei")->setEditText(QStringLiteral("朋友😀"));
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral("备注:한"));
        ScriptedMessages messages;
        Click(&dialog, "BtnOk");
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0],
                     QStringLiteral("“😀한”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。"),
                     QStringLiteral("无法保存"), MessageIcon::Warning);
        QVERIFY(dialog.isVisible());
    }

    // --- 命例信息 ---

    void detailsShowTheStoredCase() {
        ProgramFolder folder;
        CaseRecord record = SavedCase();
        record.a.year = 0;  // 1 BC
        TFrmInfo dialog(folder.Folder(), record);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("命例信息"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Edtname")->text(), QStringLiteral("张三"));
        QCOMPARE(Child<QLineEdit>(&dialog, "EdtYear")->text(), QStringLiteral("-1"));
        QCOMPARE(Child<UpDownButtons>(&dialog, "UpDyear")->Position(), 0);
        QCOMPARE(Child<QComboBox>(&dialog, "cbom")->currentText(), QStringLiteral("5月"));
        QCOMPARE(Child<QComboBox>(&dialog, "cbod")->currentText(), QStringLiteral("3日"));
        QCOMPARE(Child<QComboBox>(&dialog, "cbos")->currentText(), QStringLiteral("12时午"));
        QCOMPARE(Child<QComboBox>(&dialog, "cbomin")->currentText(), QStringLiteral("30分"));
        QVERIFY(Child<QRadioButton>(&dialog, "Rdonl")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "Chkrun")->isChecked());
        QVERIFY(Child<QRadioButton>(&dialog, "Rdona")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiZ")->count(), 35);
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiZ")->currentText(), QStringLiteral("北京市"));
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiC")->currentText(), QStringLiteral("西城区"));
        QCOMPARE(Child<QPlainTextEdit>(&dialog, "Memo1")->toPlainText(), QStringLiteral("备注:\n第二行"));

        auto* hours = Child<QComboBox>(&dialog, "cbos");
        const QStringList someHours = {"0时子", "1时丑", "2时丑", "3时寅", "21时亥", "22时亥", "23时子"};
        for (const QString& item : someHours) QVERIFY2(hours->findText(item) >= 0, qPrintable(item));
        QCOMPARE(hours->count(), 24);

        // The spin button steps through the years without a year 0.
        Child<UpDownButtons>(&dialog, "UpDyear")->StepUp();
        QCOMPARE(Child<QLineEdit>(&dialog, "EdtYear")->text(), QStringLiteral("1"));
    }

    void detailsChangeOnlyPersonAsBirthDataNameAndNote() {
        ProgramFolder folder;
        const CaseRecord stored = SavedCase();
        TFrmInfo dialog(folder.Folder(), stored);
        Child<QLineEdit>(&dialog, "Edtname")->setText(QStringLiteral("张三丰"));
        Child<QLineEdit>(&dialog, "EdtYear")->setText(QStringLiteral("-850"));
        Child<QComboBox>(&dialog, "cbom")->setCurrentIndex(11);
        Child<QComboBox>(&dialog, "cbod")->setCurrentIndex(30);
        Child<QComboBox>(&dialog, "cbos")->setCurrentIndex(23);
        Child<QComboBox>(&dialog, "cbomin")->setCurrentIndex(59);
        Child<QRadioButton>(&dialog, "Rdogl")->setChecked(true);  // the leap flag is stored as ticked all the same
        Child<QRadioButton>(&dialog, "Rdonv")->setChecked(true);
        auto* provinces = Child<QComboBox>(&dialog, "cbodiZ");
        provinces->setCurrentIndex(0);
        emit provinces->activated(0);
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiC")->currentText(), QStringLiteral("福州市"));
        Child<QComboBox>(&dialog, "cbodiC")->setCurrentIndex(2);
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral("改过的\n备注"));
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnSave");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("确定要保存修改吗？"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const CaseRecord& r = dialog.Record();
        QCOMPARE(gbk::ReadField(r.a.name), std::string("张三丰"));
        QCOMPARE(r.a.year, int16_t(-849));
        QCOMPARE(Child<UpDownButtons>(&dialog, "UpDyear")->Position(), -849);
        QCOMPARE(r.a.month, int16_t(12));
        QCOMPARE(r.a.day, int16_t(31));
        QCOMPARE(r.a.hour, int16_t(23));
        QCOMPARE(r.a.minute, int16_t(59));
        QCOMPARE(r.a.lunar, uint8_t(0));
        QCOMPARE(r.a.leap, uint8_t(1));
        QCOMPARE(r.a.male, uint8_t(0));
        QCOMPARE(r.a.province, int16_t(0));
        QCOMPARE(r.a.city, int16_t(2));
        QCOMPARE(gbk::ReadField(r.note), std::string("改过的\r\n备注"));
        // Unchanged: A's coordinates and place text, the category, the whole of B.
        QCOMPARE(r.a.longitude, stored.a.longitude);
        QCOMPARE(gbk::ReadField(r.a.place), std::string("北京市-西城区"));
        QCOMPARE(gbk::ReadField(r.category), std::string("朋友"));
        QCOMPARE(r.number, stored.number);
        QVERIFY(EncodeCase(r) != EncodeCase(stored));
        const CaseBytes before = EncodeCase(stored), after = EncodeCase(r);
        QVERIFY(std::equal(before.begin() + 1184, before.end(), after.begin() + 1184));
    }

    void aCityPastTheEndShowsAndStoresTheFirst() {
        ProgramFolder folder;
        CaseRecord record = SavedCase();
        record.a.city = 999;
        TFrmInfo dialog(folder.Folder(), record);
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiC")->currentText(), QStringLiteral("东城区"));
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnSave");
        QCOMPARE(dialog.Record().a.city, int16_t(0));
    }

    void detailsChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        const QString yearFault = QStringLiteral(
            "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");
        const int none = int(MessageIcon::None), warning = int(MessageIcon::Warning), error = int(MessageIcon::Error);
        QTest::newRow("no name") << "" << "1990" << "x" << "姓名不能为空" << "提示" << none;
        QTest::newRow("year 0") << "张三" << "0" << "x" << yearFault << "年份错误" << warning;
        QTest::newRow("2101") << "张三" << "2101" << "x" << yearFault << "年份错误" << warning;
        QTest::newRow("-851") << "张三" << "-851" << "x" << yearFault << "年份错误" << warning;
        QTest::newRow("not a number") << "张三" << "年" << "x" << yearFault << "年份错误" << warning;
        QTest::newRow("no note") << "张三" << "1990" << "" << "附加信息不能为空" << "错误" << error;
        const QString unstorable = QStringLiteral("“%1”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。");
        QTest::newRow("name GBK cannot hold") << "김철수" << "1990" << "x" << unstorable.arg(QStringLiteral("김철수"))
                                              << "无法保存" << warning;
        QTest::newRow("note GBK cannot hold") << "张三" << "1990" << "好😀" << unstorable.arg(QStringLiteral("😀"))
                                              << "无法保存" << warning;
    }
    void detailsChecks() {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, note);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        ProgramFolder folder;
        TFrmInfo dialog(folder.Folder(), SavedCase());
        dialog.show();
        Child<QLineEdit>(&dialog, "Edtname")->setText(name);
        Child<QLineEdit>(&dialog, "EdtYear")->setText(year);
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(note);
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnSave");
        QCOMPARE(messages.shown.size(), 2);
        CheckMessage(messages.shown[1], message, caption, MessageIcon(icon));
        QVERIFY(dialog.isVisible());
    }

    void detailsNoToTheQuestionChangesNothing() {
        ProgramFolder folder;
        const CaseRecord stored = SavedCase();
        TFrmInfo dialog(folder.Folder(), stored);
        dialog.show();
        Child<QLineEdit>(&dialog, "Edtname")->setText(QStringLiteral("王五"));
        ScriptedMessages messages;
        messages.answers = {false};
        Click(&dialog, "BtnSave");
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(EncodeCase(dialog.Record()) == EncodeCase(stored));
        Click(&dialog, "BtnClose");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // --- 类别编辑 ---

    void editorShowsTheListOneNamePerLine() {
        ProgramFolder folder(false);
        WriteCategories(folder, "count=3\r\n1=VIP\r\n3=朋友\r\n");
        IniFile settings = folder.Settings();
        TFrmClassEdit dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("类别编辑"));
        QCOMPARE(Child<QPlainTextEdit>(&dialog, "Memo1")->toPlainText(), QStringLiteral("VIP\n\n朋友\n"));
    }

    void editorLineChecks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << "" << "类别不能为空";
        QTest::newRow("seven characters") << "朋友\n一二三四五六七\n" << "第2行类别名不合规定，不能加入。";
        QTest::newRow("empty line in the middle") << "朋友\n\n同事" << "第2行类别名不合规定，不能加入。";
        QTest::newRow("blank line") << "   \n朋友" << "第1行类别名不合规定，不能加入。";
        QTest::newRow("13 bytes") << "朋友\n同事\nABCDEFGHIJKLM" << "第3行类别名不合规定，不能加入。";
    }
    void editorLineChecks() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        ProgramFolder folder(false);
        WriteCategories(folder, "count=1\r\n1=VIP\r\n");
        const std::string before = FileBytes(folder.Path("dat/bzinit.ini"));
        IniFile settings = folder.Settings();
        TFrmClassEdit dialog(settings);
        dialog.show();
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(text);
        ScriptedMessages messages;
        Click(&dialog, "BtnSave");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].caption, kAppTitle);
        QVERIFY(dialog.isVisible());
        QCOMPARE(FileBytes(folder.Path("dat/bzinit.ini")), before);
    }

    void editorWritesTheLinesAndHidesTheKeysAbove() {
        ProgramFolder folder(false);
        WriteCategories(folder, "count=5\r\n1=甲\r\n2=乙\r\n3=丙\r\n4=丁\r\n5=戊\r\n");
        IniFile settings = folder.Settings();
        TFrmClassEdit dialog(settings);
        // Six characters fit; names differing only in letter case are both kept.
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral(" 一二三四五六 \nVIP\nvip\n"));
        ScriptedMessages messages;
        Click(&dialog, "BtnSave");
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const IniDocument ini = settings.Snapshot();
        QCOMPARE(ini.ReadString("classes", "count", ""), std::string("3"));
        QCOMPARE(ini.ReadString("classes", "1", ""), std::string("一二三四五六"));
        QCOMPARE(ini.ReadString("classes", "2", ""), std::string("VIP"));
        QCOMPARE(ini.ReadString("classes", "3", ""), std::string("vip"));
        QCOMPARE(ini.ReadString("classes", "4", ""), std::string("丁"));  // left in the file, unread
        QCOMPARE(ini.ReadString("classes", "5", ""), std::string("戊"));
        QCOMPARE(ini.ReadString("winpos", "left", ""), std::string("10"));
    }

    void editorCancelWritesNothing() {
        ProgramFolder folder(false);
        WriteCategories(folder, "count=1\r\n1=VIP\r\n");
        const std::string before = FileBytes(folder.Path("dat/bzinit.ini"));
        IniFile settings = folder.Settings();
        TFrmClassEdit dialog(settings);
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral("新的"));
        Click(&dialog, "BtnCancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(FileBytes(folder.Path("dat/bzinit.ini")), before);
    }
};

QTEST_MAIN(CaseDialogsTest)
#include "case_dialogs_test.moc"
