// The name tool "姓名与五行": the missing stroke table, the five grids, one
// character's strokes, the element list, and every failure shown as an error
// box while the memo keeps what it showed.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "widgets/RadioGroup.h"
#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmHanZi.h"

// The name tool on a program folder of its own with the shipped stroke
// table, every message recorded.
struct ToolWithTable {
    ProgramFolder folder{false};
    ScriptedMessages messages;
    std::unique_ptr<TFrmHanZi> window;
    ToolWithTable() {
        std::filesystem::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/hzlen.dat", folder.Path("dat/hzlen.dat"));
        window = std::make_unique<TFrmHanZi>(folder.Folder());
    }
};

class NameToolTest : public QObject {
    Q_OBJECT

    static QString Memo(TFrmHanZi& w) { return Child<QPlainTextEdit>(&w, "Memo1")->toPlainText(); }
    static void Click(TFrmHanZi& w, const char* button) { Child<QPushButton>(&w, button)->click(); }
    static void Type(TFrmHanZi& w, const char* edit, const char* text) {
        Child<QLineEdit>(&w, edit)->setText(QString::fromUtf8(text));
    }

private slots:
    void missingStrokeTableIsAnnouncedOnce() {
        ProgramFolder folder(false);
        ScriptedMessages messages;
        TFrmHanZi w(folder.Folder());
        QCOMPARE(w.windowTitle(), QStringLiteral("姓名与五行"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("姓名文件丢失"));
        Click(w, "BtoSearch");
        QCOMPARE(Memo(w), QStringLiteral("属水的汉字:\n"));
        QCOMPARE(messages.shown.size(), 1);
    }

    void gridsOfASingleAndACompoundSurname() {
        ToolWithTable tool;
        TFrmHanZi& w = *tool.window;
        QVERIFY(Child<QRadioButton>(&w, "RdoDang")->isChecked());
        Type(w, "LedtName", "张三");
        Click(w, "Btowg");
        QCOMPARE(Memo(w), QStringLiteral("姓名:张三\n张:11画 三:3画 \n\n天格12画,五行属木。\n\n地格4画,五行属火。\n\n"
                                         "人格14画,五行属火。\n\n总格14画,五行属火。\n\n外格2画,五行属木。"));
        Child<QRadioButton>(&w, "RdoFu")->setChecked(true);
        Type(w, "LedtName", "欧阳明");
        Click(w, "Btowg");
        QVERIFY(Memo(w).startsWith(QStringLiteral("姓名:欧阳明\n欧:15画 阳:17画 明:8画 \n\n天格32画,五行属木。")));
        QVERIFY(tool.messages.shown.isEmpty());
    }

    void failuresShowAnErrorAndKeepTheMemo_data() {
        QTest::addColumn<bool>("compound");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral("单姓：名1-2位，复姓：名1-2位,无效的姓名");
        QTest::newRow("compound with two") << true << QStringLiteral("张三") << invalid;
        QTest::newRow("single with four") << false << QStringLiteral("王明亮明") << invalid;
        QTest::newRow("three bytes") << false << QStringLiteral("张a") << invalid;
        QTest::newRow("latin letters") << false << QStringLiteral("张ab") << QStringLiteral("必须输入汉字");
        QTest::newRow("no strokes") << false << QStringLiteral("张。") << QStringLiteral("找不到其中一个汉字的笔划");
    }
    void failuresShowAnErrorAndKeepTheMemo() {
        QFETCH(bool, compound);
        QFETCH(QString, name);
        QFETCH(QString, message);
        ToolWithTable tool;
        TFrmHanZi& w = *tool.window;
        Type(w, "LedtWord", "啊");
        Click(w, "BtoWord");
        const QString before = Memo(w);
        Child<QRadioButton>(&w, compound ? "RdoFu" : "RdoDang")->setChecked(true);
        Child<QLineEdit>(&w, "LedtName")->setText(name);
        Click(w, "Btowg");
        QCOMPARE(tool.messages.shown.size(), 1);
        QCOMPARE(tool.messages.shown[0].text, message);
        QCOMPARE(tool.messages.shown[0].caption, QStringLiteral("错误"));
        QCOMPARE(tool.messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(Memo(w), before);
    }

    void oneCharacterAndItsElement() {
        ToolWithTable tool;
        TFrmHanZi& w = *tool.window;
        Type(w, "LedtWord", "啊");
        Click(w, "BtoWord");
        QCOMPARE(Memo(w), QStringLiteral("啊字:11画,五行属:木。"));
        Type(w, "LedtWord", "阿");  // 阜 8 + 5 strokes
        Click(w, "BtoWord");
        QCOMPARE(Memo(w), QStringLiteral("阿字:13画,五行属:火。"));
        for (const char* text : {"", "a"}) {
            Type(w, "LedtWord", text);
            Click(w, "BtoWord");
        }
        QCOMPARE(tool.messages.shown.size(), 2);
        for (const ShownMessage& m : tool.messages.shown) {
            QCOMPARE(m.text, QStringLiteral("请输入一个汉字"));
            QCOMPARE(m.caption, QStringLiteral("错误"));
        }
        Type(w, "LedtWord", "。");
        Click(w, "BtoWord");
        QCOMPARE(tool.messages.shown.last().text, QStringLiteral("字库中没有这个汉字的笔划"));
        QCOMPARE(Memo(w), QStringLiteral("阿字:13画,五行属:火。"));
    }

    void boxesTakeAtMostTheirBytes() {
        ToolWithTable tool;
        TFrmHanZi& w = *tool.window;
        Type(w, "LedtName", "诸葛亮明亮");
        QCOMPARE(Child<QLineEdit>(&w, "LedtName")->text(), QStringLiteral("诸葛亮明"));
        Type(w, "LedtWord", "啊阿");
        QCOMPARE(Child<QLineEdit>(&w, "LedtWord")->text(), QStringLiteral("啊"));
    }

    void elementListOfTheCheckedElement() {
        ToolWithTable tool;
        TFrmHanZi& w = *tool.window;
        auto* elements = Child<RadioGroup>(&w, "RgpElement");
        QCOMPARE(elements->ItemIndex(), 0);
        Click(w, "BtoSearch");
        QVERIFY(Memo(w).startsWith(QStringLiteral("属水的汉字:\n埃 ")));  // 埃 has 10 strokes
        elements->SetItemIndex(1);
        Click(w, "BtoSearch");
        const QStringList lines = Memo(w).split(u'\n');
        QCOMPARE(lines[0], QStringLiteral("属木的汉字:"));
        QCOMPARE(lines[1].count(u' '), 10);
        QVERIFY(lines[1].startsWith(QStringLiteral("啊 ")));  // 口 3 + 8: 11 strokes
    }
};

QTEST_MAIN(NameToolTest)
#include "name_tool_test.moc"
