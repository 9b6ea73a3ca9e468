// The conception chart "测怀孕": its boxes, looked-up cells and the age check.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmHuaiYun.h"

class ConceptionChartTest : public QObject {
    Q_OBJECT

    static QString Compute(TFrmHuaiYun& w, const QString& age, int month) {
        Child<QLineEdit>(&w, "LedtArg")->setText(age);
        Child<QComboBox>(&w, "CboMonth")->setCurrentIndex(month - 1);
        Child<QPushButton>(&w, "BtnCalc")->click();
        return Child<QLabel>(&w, "StxtOut")->text();
    }

private slots:
    void opensWithAge22AndTheFirstMonth() {
        TFrmHuaiYun w;
        QCOMPARE(w.windowTitle(), QStringLiteral("测怀孕"));
        QCOMPARE(Child<QLineEdit>(&w, "LedtArg")->text(), QStringLiteral("22"));
        QCOMPARE(Child<QLineEdit>(&w, "LedtArg")->maxLength(), 2);
        auto* months = Child<QComboBox>(&w, "CboMonth");
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(0), QStringLiteral("1月"));
        QCOMPARE(months->itemText(11), QStringLiteral("12月"));
        QCOMPARE(months->currentIndex(), 0);
        QVERIFY(Child<QLabel>(&w, "StxtOut")->text().isEmpty());
    }

    void cellsOfTheChart() {
        ScriptedMessages messages;
        TFrmHuaiYun w;
        QCOMPARE(Compute(w, QStringLiteral("18"), 1), QStringLiteral("生女孩"));
        QCOMPARE(Compute(w, QStringLiteral("18"), 2), QStringLiteral("生男孩"));
        QCOMPARE(Compute(w, QStringLiteral("21"), 1), QStringLiteral("生男孩"));
        for (int month = 2; month <= 12; ++month) QCOMPARE(Compute(w, QStringLiteral("21"), month), QStringLiteral("生女孩"));
        QCOMPARE(Compute(w, QStringLiteral("45"), 12), QStringLiteral("生男孩"));
        QVERIFY(messages.shown.isEmpty());
    }

    void agesOutsideTheChartAreRefused_data() {
        QTest::addColumn<QString>("age");
        QTest::newRow("17") << QStringLiteral("17");
        QTest::newRow("46") << QStringLiteral("46");
        QTest::newRow("empty") << QString();
        QTest::newRow("not a number") << QStringLiteral("ab");
    }
    void agesOutsideTheChartAreRefused() {
        QFETCH(QString, age);
        ScriptedMessages messages;
        TFrmHuaiYun w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(Compute(w, QStringLiteral("30"), 11), QStringLiteral("生男孩"));
        Child<QPushButton>(&w, "BtnCalc")->setFocus();
        QCOMPARE(Compute(w, age, 11), QStringLiteral("生男孩"));  // left as it was
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("母亲年龄在18-45岁"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("岁数"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(&w, "LedtArg"));
    }
};

QTEST_MAIN(ConceptionChartTest)
#include "conception_chart_test.moc"
