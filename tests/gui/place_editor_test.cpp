// The place editor "经纬度设置": loading, the input checks with their
// messages, and adding, changing and deleting cities in dat/dili.ini.
#include <QPushButton>

#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmDiLi.h"

class PlaceEditorTest : public QObject {
    Q_OBJECT

    void SetBoxes(TFrmDiLi& editor, const char* lonDeg, const char* lonMin, const char* latDeg, const char* latMin) {
        Child<QLineEdit>(&editor, "LedtJingDu")->setText(QString::fromUtf8(lonDeg));
        Child<QLineEdit>(&editor, "LedtJingFen")->setText(QString::fromUtf8(lonMin));
        Child<QLineEdit>(&editor, "LedtWeiDu")->setText(QString::fromUtf8(latDeg));
        Child<QLineEdit>(&editor, "LedtWeiFen")->setText(QString::fromUtf8(latMin));
    }
    void Click(TFrmDiLi& editor, const char* button) { Child<QPushButton>(&editor, button)->click(); }

    const char* sample = "[福建省]\r\n福州市=119:18*26:5\r\n厦门市=坏了\r\n漳州市=117:39*24:31\r\n[北京市]\r\n东城区=116:25*39:55\r\n";

private slots:
    void opensOnFujianWithItsFirstCity() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        QCOMPARE(editor.windowTitle(), QStringLiteral("经纬度设置"));
        auto* provinces = Child<QComboBox>(&editor, "CboSheng");
        QCOMPARE(provinces->count(), 34);
        QCOMPARE(provinces->currentText(), QStringLiteral("福建省"));
        auto* cities = Child<QComboBox>(&editor, "CboShi");
        QCOMPARE(cities->count(), 3);
        QCOMPARE(cities->currentText(), QStringLiteral("福州市"));
        QCOMPARE(Child<QLineEdit>(&editor, "LedtJingDu")->text(), QStringLiteral("119"));
        QCOMPARE(Child<QLineEdit>(&editor, "LedtJingFen")->text(), QStringLiteral("18"));
        QCOMPARE(Child<QLineEdit>(&editor, "LedtWeiDu")->text(), QStringLiteral("26"));
        QCOMPARE(Child<QLineEdit>(&editor, "LedtWeiFen")->text(), QStringLiteral("5"));
        // A damaged value shows as 120° 0′, 30° 0′.
        cities->setCurrentIndex(1);
        editor.CboShiClick();
        QCOMPARE(Child<QLineEdit>(&editor, "LedtJingDu")->text(), QStringLiteral("120"));
        QCOMPARE(Child<QLineEdit>(&editor, "LedtWeiDu")->text(), QStringLiteral("30"));
        provinces->setCurrentIndex(2);  // 天津市: no section
        editor.CboShengClick();
        QCOMPARE(cities->count(), 0);
    }

    void inputChecksRefuseWithTheirMessage_data() {
        QTest::addColumn<QString>("lonDeg");
        QTest::addColumn<QString>("lonMin");
        QTest::addColumn<QString>("latDeg");
        QTest::addColumn<QString>("latMin");
        QTest::addColumn<QString>("message");
        const QString lon = QStringLiteral("经度在-180到180之间，分数在0-60之间");
        const QString lat = QStringLiteral("纬度在-90到90之间，分数在0-60之间");
        QTest::newRow("180") << "180" << "0" << "30" << "0" << lon;
        QTest::newRow("-180") << "-180" << "0" << "30" << "0" << lon;
        QTest::newRow("lon minutes 60") << "120" << "60" << "30" << "0" << lon;
        QTest::newRow("lon not a number") << "东" << "0" << "30" << "0" << lon;
        QTest::newRow("90") << "120" << "0" << "90" << "0" << lat;
        QTest::newRow("lat minutes empty") << "120" << "0" << "30" << "" << lat;
    }
    void inputChecksRefuseWithTheirMessage() {
        QFETCH(QString, lonDeg);
        QFETCH(QString, lonMin);
        QFETCH(QString, latDeg);
        QFETCH(QString, latMin);
        QFETCH(QString, message);
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        const std::string before = folder.Places().ReadString("福建省", "福州市", "");
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        SetBoxes(editor, lonDeg.toUtf8(), lonMin.toUtf8(), latDeg.toUtf8(), latMin.toUtf8());
        Click(editor, "BtnEdit");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].caption, QStringLiteral("输入错误"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(folder.Places().ReadString("福建省", "福州市", ""), before);
    }

    void editWritesTheParsedNumbers() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        SetBoxes(editor, "-120", "30", " 7", "05");
        Click(editor, "BtnEdit");
        QCOMPARE(folder.Places().ReadString("福建省", "福州市", ""), std::string("-120:30*7:5"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("完成"));
        QCOMPARE(messages.shown[0].caption, kAppTitle);
    }

    void addAppendsAndOverwritesOnlyWhenAllowed() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        auto* cities = Child<QComboBox>(&editor, "CboShi");
        auto* name = Child<QLineEdit>(&editor, "LedtShiName");

        name->clear();
        Click(editor, "BtnAdd");  // no name: nothing happens
        QVERIFY(messages.shown.isEmpty());

        name->setText(QStringLiteral("市县名"));  // the preset text is a name like any other
        SetBoxes(editor, "118", "5", "24", "30");
        Click(editor, "BtnAdd");
        QCOMPARE(cities->count(), 4);
        QCOMPARE(cities->itemText(3), QStringLiteral("市县名"));
        QCOMPARE(folder.Places().ReadString("福建省", "市县名", ""), std::string("118:5*24:30"));
        QCOMPARE(messages.shown.takeFirst().text, QStringLiteral("完成"));

        name->setText(QStringLiteral("漳州市"));
        SetBoxes(editor, "100", "0", "20", "0");
        messages.answers = {false};
        Click(editor, "BtnAdd");
        ShownMessage question = messages.shown.takeFirst();
        QVERIFY(question.question);
        QCOMPARE(question.text, QStringLiteral("已有这个地方的地理数据，要覆盖吗？"));
        QCOMPARE(question.caption, QStringLiteral("注意"));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(folder.Places().ReadString("福建省", "漳州市", ""), std::string("117:39*24:31"));

        messages.answers = {true};
        Click(editor, "BtnAdd");
        QCOMPARE(folder.Places().ReadString("福建省", "漳州市", ""), std::string("100:0*20:0"));
        QCOMPARE(cities->count(), 4);  // not listed twice
        QCOMPARE(folder.Places().ReadSection("福建省").size(), std::size_t(4));
    }

    void namesThatWouldBreakTheFileAreRefused() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        Child<QLineEdit>(&editor, "LedtShiName")->setText(QStringLiteral("a=b"));
        Click(editor, "BtnAdd");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].caption, QStringLiteral("输入错误"));
        QCOMPARE(folder.Places().ReadSection("福建省").size(), std::size_t(3));
    }

    // 한국😀x would be stored as ???x: refused, naming what cannot be stored.
    void namesThatGbkCannotHoldAreRefused() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        const std::string before = folder.Places().Snapshot().Serialize();
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        Child<QLineEdit>(&editor, "LedtShiName")->setText(QStringLiteral("한국😀x"));
        SetBoxes(editor, "119", "18", "26", "5");
        Click(editor, "BtnAdd");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("“한국😀”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(Child<QComboBox>(&editor, "CboShi")->count(), 3);
        QCOMPARE(folder.Places().Snapshot().Serialize(), before);
    }

    // A city the file no longer holds (changed behind the editor's back) is
    // not reported as deleted.
    void deletionThatDoesNotReachTheFileSaysSo() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        folder.WriteGbk("dat/dili.ini", "[福建省]\r\n漳州市=117:39*24:31\r\n");
        messages.answers = {true};
        Click(editor, "BtnDelete");  // 福州市, the first city
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[1].caption, QStringLiteral("错误"));
        QCOMPARE(Child<QComboBox>(&editor, "CboShi")->count(), 3);
    }

    void nameBoxTakesTenGbkBytes() {
        ProgramFolder folder(false);
        TFrmDiLi editor(folder.Folder());
        auto* name = Child<QLineEdit>(&editor, "LedtShiName");
        name->setText(QStringLiteral("一二三四五六"));
        QCOMPARE(name->text(), QStringLiteral("一二三四五"));
    }

    void deleteAsksAndShiftsTheFollowingCities() {
        ProgramFolder folder(false);
        folder.WriteGbk("dat/dili.ini", sample);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        auto* cities = Child<QComboBox>(&editor, "CboShi");
        cities->setCurrentIndex(1);
        messages.answers = {false};
        Click(editor, "BtnDelete");
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("确定要删除\"福建省厦门市\"吗？"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("注意"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(cities->count(), 3);

        messages.answers = {true};
        Click(editor, "BtnDelete");
        QCOMPARE(cities->count(), 2);
        QCOMPARE(cities->itemText(1), QStringLiteral("漳州市"));
        const auto keys = folder.Places().ReadSection("福建省");
        QCOMPARE(keys.size(), std::size_t(2));
        QCOMPARE(keys[1], std::string("漳州市"));
        QCOMPARE(messages.shown.last().text, QStringLiteral("完成"));
    }

    void missingFileIsCreatedByTheFirstCity() {
        ProgramFolder folder(false);
        TFrmDiLi editor(folder.Folder());
        ScriptedMessages messages;
        QCOMPARE(Child<QComboBox>(&editor, "CboShi")->count(), 0);
        Child<QLineEdit>(&editor, "LedtShiName")->setText(QStringLiteral("福州市"));
        SetBoxes(editor, "119", "18", "26", "5");
        Click(editor, "BtnAdd");
        QCOMPARE(folder.Places().ReadString("福建省", "福州市", ""), std::string("119:18*26:5"));
    }
};

QTEST_MAIN(PlaceEditorTest)
#include "place_editor_test.moc"
