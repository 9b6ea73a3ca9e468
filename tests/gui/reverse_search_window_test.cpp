// The reverse pillar search "从八字反求出生日期": pre-filling, the messages of
// "反推" in their order, and the memo that collects the results.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/UpDownButtons.h"
#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmFanTui.h"

class ReverseSearchWindowTest : public QObject {
    Q_OBJECT

    static constexpr uint8_t kNoChart[4] = {0, 0, 0, 0};

    // Picks "甲子 丙寅 …" in the combo boxes and types the start year.
    static void Pick(TFrmFanTui& d, const QString& pillars, const QString& startYear) {
        const QStringList names = pillars.split(u' ');
        for (int i = 0; i < 4; ++i) {
            Child<QComboBox>(&d, qPrintable(QStringLiteral("cbotian%1").arg(i)))->setCurrentText(names[i].left(1));
            Child<QComboBox>(&d, qPrintable(QStringLiteral("cbodi%1").arg(i)))->setCurrentText(names[i].right(1));
        }
        Child<QLineEdit>(&d, "Edtyear")->setText(startYear);
    }
    static QString Search(TFrmFanTui& d, const QString& pillars, const QString& startYear) {
        Pick(d, pillars, startYear);
        Child<QPushButton>(&d, "Btncha")->click();
        return Child<QPlainTextEdit>(&d, "Memo1")->toPlainText();
    }
    static QString Picked(TFrmFanTui& d) {
        QStringList names;
        for (int i = 0; i < 4; ++i)
            names << Child<QComboBox>(&d, qPrintable(QStringLiteral("cbotian%1").arg(i)))->currentText() +
                         Child<QComboBox>(&d, qPrintable(QStringLiteral("cbodi%1").arg(i)))->currentText();
        return names.join(u' ');
    }

    const QString startYearMessage = QStringLiteral(
        "起始年必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void prefilledWithTheLastChartsPillarsAndSex() {
        const uint8_t pillars[4] = {1, 3, 55, 49};
        TFrmFanTui d(pillars, false);
        QCOMPARE(d.windowTitle(), QStringLiteral("从八字反求出生日期"));
        QCOMPARE(Picked(d), QStringLiteral("甲子 丙寅 戊午 壬子"));
        QVERIFY(Child<QRadioButton>(&d, "Rdonv1")->isChecked());
        QCOMPARE(Child<QLineEdit>(&d, "Edtyear")->text(), QStringLiteral("1950"));
        QCOMPARE(Child<UpDownButtons>(&d, "Upyear")->Position(), 1950);
        QVERIFY(Child<QPushButton>(&d, "Btncha")->isDefault());

        TFrmFanTui before(kNoChart, true);  // no chart computed yet
        QCOMPARE(Picked(before), QStringLiteral("癸亥 癸亥 癸亥 癸亥"));
        QVERIFY(Child<QRadioButton>(&before, "Rdona1")->isChecked());
    }

    void checksReportTheFirstFaultOnly_data() {
        QTest::addColumn<QString>("pillars");
        QTest::addColumn<QString>("startYear");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        const QString year = QStringLiteral("年份错误"), pillar = QStringLiteral("无效的八字");
        // The start year is looked at before any pillar.
        QTest::newRow("year 0") << "甲丑 戊寅 戊丑 丙子" << "0" << startYearMessage << year;
        QTest::newRow("not a number") << "甲丑 戊寅 戊丑 丙子" << "一九" << startYearMessage << year;
        QTest::newRow("2101") << "甲子 丙寅 戊午 壬子" << "2101" << startYearMessage << year;
        QTest::newRow("year parity") << "甲丑 戊寅 戊丑 丙子" << "1950" << "不存在这个年柱！" << pillar;
        QTest::newRow("five tigers") << "甲子 戊寅 戊丑 丙子" << "1950" << "不存在这个月柱！" << pillar;
        QTest::newRow("day parity") << "甲子 丙寅 戊丑 丙子" << "1950" << "不存在这个日柱！" << pillar;
        QTest::newRow("five rats") << "甲子 丙寅 甲子 丙子" << "1950" << "不存在这个时柱！" << pillar;
        // −900 passes the first check: a bad pillar is named, and with good
        // pillars the search itself refuses the year.
        QTest::newRow("-900, bad day") << "甲子 丙寅 戊丑 丙子" << "-900" << "不存在这个日柱！" << pillar;
        QTest::newRow("-900") << "甲子 丙寅 戊午 壬子" << "-900" << startYearMessage << year;
    }
    void checksReportTheFirstFaultOnly() {
        QFETCH(QString, pillars);
        QFETCH(QString, startYear);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        ScriptedMessages messages;
        TFrmFanTui d(kNoChart, true);
        QCOMPARE(Search(d, pillars, startYear), QString());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, text);
        QCOMPARE(messages.shown[0].caption, caption);
        QCOMPARE(messages.shown[0].icon, caption == QStringLiteral("年份错误") ? MessageIcon::Warning : MessageIcon::Error);
        QCOMPARE(Child<QLineEdit>(&d, "Edtyear")->text(), startYear);
    }

    void resultsCollectInTheMemoAndNoMatchReplacesThem() {
        ScriptedMessages messages;
        TFrmFanTui d(kNoChart, true);
        const QString pillars = QStringLiteral("甲子 丙寅 戊午 壬子");
        QCOMPARE(Search(d, pillars, QStringLiteral("1900")), QStringLiteral("符合命例\n1924年2月9日0时\n\n"));
        QCOMPARE(Search(d, pillars, QStringLiteral("-120")),
                 QStringLiteral("符合命例\n1924年2月9日0时\n\n符合命例\n-117年2月26日0时\n\n"));
        // Its matches all lie before 1925.
        const QString noMatch = QStringLiteral("没有符合的八字，改变起始年反推，或许可以找到。\n\n");
        QCOMPARE(Search(d, pillars, QStringLiteral("1925")), noMatch);
        QCOMPARE(Search(d, pillars, QStringLiteral("1864")), noMatch + QStringLiteral("符合命例\n1864年2月23日0时\n\n"));
        QCOMPARE(Child<QPlainTextEdit>(&d, "Memo1")->textCursor().atEnd(), true);
        // A moment of the 1988 summer time names the clock time of then.
        QVERIFY(Search(d, QStringLiteral("戊辰 戊午 丁巳 乙巳"), QStringLiteral("1988"))
                    .endsWith(QStringLiteral("符合命例\n1988年7月1日10时（当时实行夏令时，钟表时间为 1988年7月1日11时）\n\n")));
        Search(d, pillars, QStringLiteral("1864"));
        // The spin button took the start year, the box kept what was typed.
        QCOMPARE(Child<UpDownButtons>(&d, "Upyear")->Position(), 1864);
        QVERIFY(messages.shown.isEmpty());
    }

    void enterInTheYearBoxSearches() {
        ScriptedMessages messages;
        TFrmFanTui d(kNoChart, true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Pick(d, QStringLiteral("甲子 丙寅 戊午 壬子"), QStringLiteral("1900"));
        QTest::keyClick(Child<QLineEdit>(&d, "Edtyear"), Qt::Key_Return);
        QCOMPARE(Child<QPlainTextEdit>(&d, "Memo1")->toPlainText(), QStringLiteral("符合命例\n1924年2月9日0时\n\n"));
    }

    void spinButtonShowsYearsBeforeChristWithoutAYearZero() {
        TFrmFanTui d(kNoChart, true);
        auto* spin = Child<UpDownButtons>(&d, "Upyear");
        auto* year = Child<QLineEdit>(&d, "Edtyear");
        spin->SetPosition(1);
        spin->StepDown();
        QCOMPARE(year->text(), QStringLiteral("-1"));
        spin->StepUp();
        spin->StepUp();
        QCOMPARE(year->text(), QStringLiteral("2"));
        spin->SetPosition(-849);
        spin->StepDown();
        QCOMPARE(year->text(), QStringLiteral("-850"));
    }
};

QTEST_MAIN(ReverseSearchWindowTest)
#include "reverse_search_window_test.moc"
