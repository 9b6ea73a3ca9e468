// "查找命例": the conditions shown again from the main window's criteria, the
// year checks and their messages, "全部", the empty store, the question
// before showing what was found, and name and category matching (letter
// case counts in a search).
#include <QCheckBox>

#include "widgets/RadioGroup.h"
#include "cases/MDataBase.h"
#include "app/case_dialogs/TFrmSearch.h"
#include "dialog_test_support.h"

namespace {

const QString kYearFault = QStringLiteral(
    "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");

struct Library {
    ProgramFolder folder{false};
    MDataBase store;
    IniFile settings = folder.Settings();
    SearchCriteria criteria;

    Library() {
        store.Open(folder.Folder(), 0);
        settings.WriteString("classes", "count", "3");
        settings.WriteString("classes", "1", "VIP");
        settings.WriteString("classes", "3", "朋友");
    }
    int Add(const char* name, int year, bool male, int province, const char* category) {
        CaseRecord record{};
        gbk::WriteField(record.a.name, name);
        record.a.year = static_cast<int16_t>(year);
        record.a.male = male ? 1 : 0;
        record.a.province = static_cast<int16_t>(province);
        gbk::WriteField(record.category, category);
        return store.AddCase(record);
    }
    void AddSix() {
        Add("张三", 1980, true, 0, "VIP");
        Add("张三丰", 1975, true, 1, "vip");
        Add("李四", 1980, false, 0, "朋友");
        Add("王五", -119, true, 2, "朋友");  // 120 BC
        Add("赵六", 2000, false, 0, "VIP客户");
        Add("张", 1990, false, 0, "同事");
    }
};

void SetYears(TFrmSearch& dialog, const QString& from, const QString& to) {
    Child<QLineEdit>(&dialog, "LedtY1")->setText(from);
    Child<QLineEdit>(&dialog, "LedtY2")->setText(to);
}

}  // namespace

class CaseSearchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void opensWithTheCategoryListAndTheLastConditions() {
        Library lib;
        lib.criteria.sexOn = 1, lib.criteria.sex = 0;
        lib.criteria.yearsOn = 1, lib.criteria.yearFrom = 0, lib.criteria.yearTo = 1990;  // 1 BC to 1990
        gbk::WriteField(lib.criteria.name, "张");
        lib.criteria.nameMode = 2;
        gbk::WriteField(lib.criteria.category, "旧类别");
        lib.criteria.categoryMode = 0;  // off: not shown
        lib.criteria.province = 2;
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("查找命例"));
        auto* categories = Child<QComboBox>(&dialog, "CboFenLei");
        QCOMPARE(categories->count(), 3);
        QCOMPARE(categories->itemText(1), QStringLiteral("临时保存"));  // key "2" is missing
        QCOMPARE(categories->currentText(), QString());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkClass")->isChecked());
        auto* provinces = Child<QComboBox>(&dialog, "cbodiZ");
        QCOMPARE(provinces->count(), 36);
        QCOMPARE(provinces->itemText(0), QString());
        QCOMPARE(provinces->currentText(), QStringLiteral("天津市"));
        QCOMPARE(Child<RadioGroup>(&dialog, "RdoSex")->ItemIndex(), 2);
        QCOMPARE(Child<QLineEdit>(&dialog, "LedtY1")->text(), QStringLiteral("-1"));
        QCOMPARE(Child<QLineEdit>(&dialog, "LedtY2")->text(), QStringLiteral("1990"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Edtname")->text(), QStringLiteral("张"));
        QVERIFY(Child<QCheckBox>(&dialog, "ChkName")->isChecked());
        QVERIFY(!dialog.ShowResult());
    }

    void yearChecks_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("fault");  // empty: the search runs
        const QString order = QStringLiteral("结束年必须大于或等于起始年");
        QTest::newRow("only the first") << "1980" << "" << kYearFault;
        QTest::newRow("only the second") << "" << "1980" << kYearFault;
        QTest::newRow("year 0") << "0" << "1980" << kYearFault;
        QTest::newRow("2101") << "1980" << "2101" << kYearFault;
        QTest::newRow("-851") << "-851" << "1980" << kYearFault;
        QTest::newRow("not a number") << "一九八〇" << "1980" << kYearFault;
        QTest::newRow("1980 to 1970") << "1980" << "1970" << order;
        QTest::newRow("1980 to 1980") << "1980" << "1980" << QString();
        QTest::newRow("-850 to 2100") << "-850" << "2100" << QString();
    }
    void yearChecks() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, fault);
        Library lib;
        lib.AddSix();
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        dialog.show();
        SetYears(dialog, from, to);
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnFind");
        QCOMPARE(messages.shown.size(), 1);
        if (!fault.isEmpty()) {
            CheckMessage(messages.shown[0], fault, QStringLiteral("年份错误"), MessageIcon::Warning);
            QVERIFY(dialog.isVisible());
            QVERIFY(!dialog.ShowResult());
            return;
        }
        QVERIFY(messages.shown[0].question);
        QCOMPARE(messages.shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Information);
        QVERIFY(dialog.ShowResult());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(lib.criteria.yearsOn, uint8_t(1));
        if (from == "1980") {
            QCOMPARE(dialog.Result(), std::vector<int>({0, 2}));
            QCOMPARE(messages.shown[0].text, QStringLiteral("共找到2条记录，要显示到命例列表中吗？"));
        } else {
            QCOMPARE(dialog.Result().size(), std::size_t(6));
            QCOMPARE(lib.criteria.yearFrom, int16_t(-849));
        }
    }

    void aBcYearIsStoredAstronomicallyAndShownAgainAsTyped() {
        Library lib;
        lib.AddSix();
        {
            TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
            SetYears(dialog, "-120", "-1");
            ScriptedMessages messages;
            messages.answers = {true};
            Click(&dialog, "BtnFind");
            QCOMPARE(dialog.Result(), std::vector<int>({3}));  // 王五, 120 BC
        }
        QCOMPARE(lib.criteria.yearFrom, int16_t(-119));
        QCOMPARE(lib.criteria.yearTo, int16_t(0));
        TFrmSearch again(lib.store, lib.settings, lib.criteria);
        QCOMPARE(Child<QLineEdit>(&again, "LedtY1")->text(), QStringLiteral("-120"));
        QCOMPARE(Child<QLineEdit>(&again, "LedtY2")->text(), QStringLiteral("-1"));
    }

    void nameAndCategoryConditions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("wholeName");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("wholeCategory");
        QTest::addColumn<std::vector<int>>("found");
        QTest::newRow("name contains") << "张" << false << "" << false << std::vector<int>{0, 1, 5};
        QTest::newRow("whole name") << "张" << true << "" << false << std::vector<int>{5};
        QTest::newRow("category contains") << "" << false << " VIP " << false << std::vector<int>{0, 4};
        QTest::newRow("whole category, letter case counts") << "" << false << "vip" << true << std::vector<int>{1};
        QTest::newRow("both") << "张" << false << "VIP" << true << std::vector<int>{0};
    }
    void nameAndCategoryConditions() {
        QFETCH(QString, name);
        QFETCH(bool, wholeName);
        QFETCH(QString, category);
        QFETCH(bool, wholeCategory);
        QFETCH(std::vector<int>, found);
        Library lib;
        lib.AddSix();
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        Child<QLineEdit>(&dialog, "Edtname")->setText(name);
        Child<QCheckBox>(&dialog, "ChkName")->setChecked(wholeName);
        Child<QComboBox>(&dialog, "CboFenLei")->setEditText(category);
        Child<QCheckBox>(&dialog, "ChkClass")->setChecked(wholeCategory);
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnFind");
        QCOMPARE(dialog.Result(), found);
    }

    void clearingTheNameSwitchesItsConditionOff() {
        Library lib;
        lib.AddSix();
        gbk::WriteField(lib.criteria.name, "李");
        lib.criteria.nameMode = 1;
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        Child<QLineEdit>(&dialog, "Edtname")->clear();
        Child<RadioGroup>(&dialog, "RdoSex")->SetItemIndex(1);  // 男
        Child<QComboBox>(&dialog, "cbodiZ")->setCurrentIndex(1);  // 福建省
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnFind");
        QCOMPARE(dialog.Result(), std::vector<int>({0}));
        QCOMPARE(lib.criteria.nameMode, uint8_t(0));
        QCOMPARE(gbk::ReadField(lib.criteria.name), std::string("李"));  // kept, unused
        QCOMPARE(lib.criteria.sexOn, uint8_t(1));
        QCOMPARE(lib.criteria.province, int16_t(0));
    }

    void declinedOrEmptyResultsKeepTheDialogOpen() {
        Library lib;
        lib.AddSix();
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        dialog.show();
        ScriptedMessages messages;
        messages.answers = {false};
        Click(&dialog, "BtnFind");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("共找到6条记录，要显示到命例列表中吗？"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.ShowResult());

        Child<QLineEdit>(&dialog, "Edtname")->setText(QStringLiteral("无此人"));
        Click(&dialog, "BtnFind");
        QCOMPARE(messages.shown.size(), 2);
        CheckMessage(messages.shown[1], QStringLiteral("没有找到符合条件的命例。"), QStringLiteral("信息"), MessageIcon::Information);
        QVERIFY(dialog.isVisible());

        Click(&dialog, "BtnClose");
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.ShowResult());
    }

    void anEmptyStoreIsReportedBeforeSearching() {
        Library lib;
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        ScriptedMessages messages;
        Click(&dialog, "BtnFind");
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0], QStringLiteral("没有记录，无从查找。"), kAppTitle, MessageIcon::None);
    }

    void allClearsEveryConditionAndFindsEveryLiveCase() {
        Library lib;
        lib.AddSix();
        lib.store.DeleteCase(2);
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        Child<RadioGroup>(&dialog, "RdoSex")->SetItemIndex(2);
        SetYears(dialog, "1980", "1970");  // would be refused
        Child<QLineEdit>(&dialog, "Edtname")->setText(QStringLiteral("张"));
        Child<QCheckBox>(&dialog, "ChkName")->setChecked(true);
        Child<QComboBox>(&dialog, "CboFenLei")->setEditText(QStringLiteral("VIP"));
        Child<QCheckBox>(&dialog, "ChkClass")->setChecked(true);
        Child<QComboBox>(&dialog, "cbodiZ")->setCurrentIndex(5);
        ScriptedMessages messages;
        messages.answers = {false};  // "全部" declined: nothing changes
        Click(&dialog, "BtnAll");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("这将清除所有输入的条件参数，以便搜索所有命例，确定吗？"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("提示"));
        QVERIFY(messages.shown[0].question);
        QCOMPARE(Child<QLineEdit>(&dialog, "Edtname")->text(), QStringLiteral("张"));

        messages.answers = {true, true};
        Click(&dialog, "BtnAll");
        QCOMPARE(messages.shown.size(), 3);
        QCOMPARE(messages.shown[2].text, QStringLiteral("共找到5条记录，要显示到命例列表中吗？"));
        QCOMPARE(dialog.Result(), std::vector<int>({0, 1, 3, 4, 5}));
        QVERIFY(dialog.ShowResult());
        QCOMPARE(Child<RadioGroup>(&dialog, "RdoSex")->ItemIndex(), 0);
        QVERIFY(Child<QLineEdit>(&dialog, "LedtY1")->text().isEmpty());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkName")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkClass")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "cbodiZ")->currentIndex(), 0);
        QCOMPARE(lib.criteria.province, int16_t(-1));
        QCOMPARE(lib.criteria.nameMode, uint8_t(0));
        QCOMPARE(lib.criteria.categoryMode, uint8_t(0));
        QCOMPARE(lib.criteria.yearsOn, uint8_t(0));
    }

    void allOnAStoreOfDeletedCasesFindsNothingAndStaysOpen() {
        Library lib;
        lib.Add("甲", 1980, true, 0, "VIP");
        lib.Add("乙", 1981, true, 0, "VIP");
        lib.store.DeleteCase(0);
        lib.store.DeleteCase(1);
        TFrmSearch dialog(lib.store, lib.settings, lib.criteria);
        dialog.show();
        ScriptedMessages messages;
        messages.answers = {true};
        Click(&dialog, "BtnAll");
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[1].text, QStringLiteral("没有找到符合条件的命例。"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.ShowResult());
    }
};

QTEST_MAIN(CaseSearchTest)
#include "case_search_test.moc"
