// "设定用神": the labels and items built from the day stem, the blocks shown
// on their tabs, the score checks with their messages (the offending tab
// brought forward), and the user's verdicts changing the recomputed report.
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include "widgets/RadioGroup.h"
#include "app/options/TFrmSetYong.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "dialog_test_support.h"

namespace {

UsefulGodSettings Block(int dayStem) {
    UsefulGodSettings block{};
    const int16_t scores[10] = {10, 4, 6, 2, 8, 5, 3, 7, 1, 9};
    std::copy(std::begin(scores), std::end(scores), block.score);
    const int16_t groups[5] = {4, 0, 2, 1, 3};
    std::copy(std::begin(groups), std::end(groups), block.group);
    block.strengthClass = 2;
    block.dayStem = static_cast<int16_t>(dayStem);
    return block;
}

QString BoxName(int person, int tenGod) {
    return QStringLiteral("Ledt%1").arg(tenGod) + (person == 1 ? QStringLiteral("2") : QString());
}

QLineEdit* ScoreBox(QDialog& dialog, int person, int tenGod) {
    return Child<QLineEdit>(&dialog, BoxName(person, tenGod).toLatin1());
}

QString LabelOf(QDialog& dialog, QWidget* box) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == box) return label->text();
    return {};
}

QStringList Items(const RadioGroup& group) {
    QStringList items;
    for (int i = 0; i < group.Count(); ++i) items << group.Item(i)->text();
    return items;
}

void SetScores(QDialog& dialog, int person, const QStringList& scores) {
    for (int i = 0; i < 10; ++i) ScoreBox(dialog, person, i)->setText(scores[i]);
}

BirthData Person(int person, const char* name, int year, int month, int day, int hour, bool male) {
    BirthData birth = BirthAtNoPlace(name, year, month, day, hour, male);
    birth.person = static_cast<uint8_t>(person);
    return birth;
}

}  // namespace

class UsefulGodDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void eachTabShowsItsBlockWithLabelsOfItsDayStem() {
        TFrmSetYong dialog(Block(4), Block(3));  // 丁 and 丙 day masters
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设定用神"));
        auto* pages = Child<QTabWidget>(&dialog, "PageControl1");
        QCOMPARE(pages->tabText(0), QStringLiteral("甲命用神"));
        QCOMPARE(pages->tabText(1), QStringLiteral("乙命用神"));

        const QStringList yinLabels = {"比肩丁火", "劫财丙火", "食神己土", "伤官戊土", "偏财辛金",
                                       "正财庚金", "七杀癸水", "正官壬水", "偏印乙木", "正印甲木"};
        const QStringList yangLabels = {"比肩丙火", "劫财丁火", "食神戊土", "伤官己土", "偏财庚金",
                                        "正财辛金", "七杀壬水", "正官癸水", "偏印甲木", "正印乙木"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(LabelOf(dialog, ScoreBox(dialog, 0, i)), yinLabels[i]);
            QCOMPARE(LabelOf(dialog, ScoreBox(dialog, 1, i)), yangLabels[i]);
            QCOMPARE(ScoreBox(dialog, 0, i)->text(), QString::number(Block(4).score[i]));
        }
        const QStringList fireItems = {"比劫-火", "食伤-土", "财星-金", "官杀-水", "印枭-木"};
        const char* const groups[5] = {"RdoYong2", "RdoXi2", "RdoJi2", "RdoChou2", "RdoXian2"};
        for (int g = 0; g < 5; ++g) {
            auto* group = Child<RadioGroup>(&dialog, groups[g]);
            QCOMPARE(Items(*group), fireItems);
            QCOMPARE(group->ItemIndex(), int(Block(3).group[g]));
        }
        auto* strength = Child<RadioGroup>(&dialog, "RdoRi");
        QCOMPARE(Items(*strength), QStringList({"从旺", "太弱", "偏弱", "平和", "偏旺", "太旺", "从弱"}));
        QCOMPARE(strength->ItemIndex(), 2);
    }

    void scoreChecks_data() {
        QTest::addColumn<int>("person");
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<QString>("message");  // empty: accepted
        const QString range = QStringLiteral("请输入0至999之间的数");
        const QString sum = QStringLiteral("十神之和不能小于36");
        QTest::newRow("sum 36") << 0 << QStringList{"36", "0", "0", "0", "0", "0", "0", "0", "0", "0"} << QString();
        QTest::newRow("sum 35") << 0 << QStringList{"30", "0", "0", "0", "0", "0", "0", "0", "0", "5"} << sum;
        QTest::newRow("999") << 0 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "999"} << QString();
        QTest::newRow("-1") << 0 << QStringList{"9", "9", "9", "-1", "9", "9", "9", "9", "9", "9"} << range;
        QTest::newRow("empty") << 0 << QStringList{"9", "9", "9", "9", "", "9", "9", "9", "9", "9"} << range;
        QTest::newRow("not a number") << 0 << QStringList{"9", "9", "9", "9", "9", "九", "9", "9", "9", "9"} << range;
        QTest::newRow("乙命 -1") << 1 << QStringList{"9", "9", "9", "9", "9", "9", "9", "-1", "9", "9"} << range;
        QTest::newRow("乙命 sum 35") << 1 << QStringList{"35", "0", "0", "0", "0", "0", "0", "0", "0", "0"} << sum;
    }
    void scoreChecks() {
        QFETCH(int, person);
        QFETCH(QStringList, scores);
        QFETCH(QString, message);
        TFrmSetYong dialog(Block(4), Block(3));
        dialog.show();
        auto* pages = Child<QTabWidget>(&dialog, "PageControl1");
        pages->setCurrentIndex(1 - person);  // the other tab is showing
        SetScores(dialog, person, scores);
        ScriptedMessages messages;
        Click(&dialog, "BtnOk");
        if (message.isEmpty()) {
            QVERIFY(messages.shown.isEmpty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            for (int i = 0; i < 10; ++i)
                QCOMPARE(dialog.Settings(person).score[i], int16_t(scores[i].toInt()));
            return;
        }
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0], message, QStringLiteral("分数无效"), MessageIcon::Error);
        QVERIFY(dialog.isVisible());
        QCOMPARE(pages->currentIndex(), person);  // the offending tab comes forward
        if (person == 1) QCOMPARE(dialog.Settings(0).score[0], Block(4).score[0]);  // 甲命 passed and stays
    }

    void theUsersVerdictsChangeTheRecomputedReport() {
        ProgramFolder folder(false);
        CBaZiEx engine(folder.Folder(), StandardReadings());
        engine.showReport = 0;
        BirthData a = Person(0, "张三", 1985, 7, 16, 10, true);
        BirthData b = Person(1, "李四", 1987, 2, 4, 23, false);
        QVERIFY(engine.ComputeCouple(a, b));
        const std::string computed = engine.report;
        QVERIFY(computed.substr(0, computed.find("乙命八字：")).find("(官杀、财星)") == std::string::npos);
        UsefulGodSettings sa{}, sb{};
        engine.ReadUsefulGodSettings(sa, sb);

        TFrmSetYong dialog(sa, sb);
        Child<RadioGroup>(&dialog, "RdoYong")->SetItemIndex(3);  // 官杀
        Child<RadioGroup>(&dialog, "RdoXi")->SetItemIndex(2);    // 财星
        Child<RadioGroup>(&dialog, "RdoRi")->SetItemIndex(5);    // 太旺
        ScriptedMessages messages;
        Click(&dialog, "BtnOk");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Settings(0).group[0], int16_t(3));
        QCOMPARE(dialog.Settings(0).strengthClass, uint8_t(5));

        engine.RecomputeWithSettings(dialog.Settings(0), dialog.Settings(1));
        const std::string& recomputed = engine.report;
        QVERIFY(recomputed != computed);
        const std::size_t second = recomputed.find("乙命八字：");
        QVERIFY(second != std::string::npos);
        const std::string partA = recomputed.substr(0, second);
        QVERIFY2(partA.find("日元太旺，") != std::string::npos, partA.c_str());
        QVERIFY2(partA.find("(官杀、财星)") != std::string::npos, partA.c_str());
        QCOMPARE(engine.Chart(1).strengthClass, sb.strengthClass);  // 乙命 as the engine judged
    }
};

QTEST_MAIN(UsefulGodDialogTest)
#include "useful_god_dialog_test.moc"
