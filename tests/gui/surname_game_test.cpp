// The surname game "巧猜姓氏": the tables shown one after the other, the
// guess, the surname that is not in the list, and starting again.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmTestName.h"

class SurnameGameTest : public QObject {
    Q_OBJECT

    static QString Status(TFrmTestName& w) { return Child<QLabel>(&w, "Panel1")->text(); }
    static QString Cell(TFrmTestName& w, int row, int column) {
        return Child<QTableWidget>(&w, "strbjx")->item(row, column)->text();
    }
    // "有" to the tables marked true, "没有" to the others.
    static void Answer(TFrmTestName& w, std::initializer_list<bool> answers) {
        for (bool yes : answers) Child<QPushButton>(&w, yes ? "BtnYes" : "BtnNo")->click();
    }

private slots:
    void firstTableHoldsTheNumbersFrom64() {
        ScriptedMessages messages;
        TFrmTestName w;
        QCOMPARE(w.windowTitle(), QStringLiteral("巧猜姓氏"));
        QCOMPARE(Status(w), QStringLiteral("倒数 第7 张表"));
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("孔"));  // 64
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("赖"));  // 65
        QCOMPARE(Cell(w, 7, 7), QStringLiteral("萧"));  // 127
        auto* grid = Child<QTableWidget>(&w, "strbjx");
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->columnWidth(0), 45);
        QCOMPARE(grid->rowHeight(0), 30);
        QVERIFY(Child<QPushButton>(&w, "BtnYes")->isDefault());
        Answer(w, {false});
        QCOMPARE(Status(w), QStringLiteral("倒数 第6 张表"));
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("方"));  // 32
        Answer(w, {false, false, false, false});
        QCOMPARE(Status(w), QStringLiteral("倒数 第2 张表"));
        Answer(w, {false});
        QCOMPARE(Status(w), QStringLiteral("倒数 第1 张表"));
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("白"));  // 1
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("张"));  // 3
        QVERIFY(messages.shown.isEmpty());
    }

    void answersNameTheSurname_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("surname");
        QTest::newRow("64") << QList<bool>{true, false, false, false, false, false, false} << QStringLiteral("孔");
        QTest::newRow("127") << QList<bool>{true, true, true, true, true, true, true} << QStringLiteral("萧");
        QTest::newRow("1") << QList<bool>{false, false, false, false, false, false, true} << QStringLiteral("白");
    }
    void answersNameTheSurname() {
        QFETCH(QList<bool>, answers);
        QFETCH(QString, surname);
        ScriptedMessages messages;
        TFrmTestName w;
        for (bool yes : answers) Answer(w, {yes});
        const QString result = QStringLiteral("你姓:") + surname;
        QCOMPARE(Status(w), result);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, result);
        QCOMPARE(messages.shown[0].caption, QStringLiteral("猜中"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Information);
        QVERIFY(!Child<QPushButton>(&w, "BtnYes")->isEnabled());
        QVERIFY(!Child<QPushButton>(&w, "BtnNo")->isEnabled());
    }

    void sevenNoesFindNoSurnameAndAgainStartsOver() {
        ScriptedMessages messages;
        TFrmTestName w;
        Answer(w, {false, false, false, false, false, false, false});
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("你的姓不在本字库中!"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("意外"));
        QVERIFY(!Child<QPushButton>(&w, "BtnYes")->isEnabled());
        Child<QPushButton>(&w, "BtnAgain")->click();
        QVERIFY(Child<QPushButton>(&w, "BtnYes")->isEnabled());
        QVERIFY(Child<QPushButton>(&w, "BtnNo")->isEnabled());
        QCOMPARE(Status(w), QStringLiteral("倒数 第7 张表"));
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("孔"));
        // Escape answers "没有", as the cancel button does.
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(Status(w), QStringLiteral("倒数 第6 张表"));
    }
};

QTEST_MAIN(SurnameGameTest)
#include "surname_game_test.moc"
