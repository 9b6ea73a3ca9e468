// The main window's compute command: both panels read into birth records,
// every input fault with its message and focus, the same-sex question, the
// engine's report in the view with its styling, the picture, "未知地".
#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/main/ChartPictureWidget.h"
#include "app/main/TFrmMain.h"
#include "widgets/UpDownButtons.h"
#include "widgets/messages/scripted_messages.h"
#include "engine/chart/CBaZiEx.h"
#include "gui_fixture.h"
#include "report_looks.h"
#include "engine/places/place_list.h"

namespace {

const QString kYearFault = QStringLiteral(
    "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");

// A shown main window on its own program folder.
struct Window {
    ProgramFolder folder;
    TFrmMain window{folder.Folder()};
    Window() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T>
    T* Get(const char* name) { return Child<T>(&window, name); }
    // One panel's birth data; suffix "" for 甲命, "2" for 乙命.
    void Enter(const QString& suffix, const QString& name, const QString& year, int month, int day, int hour,
               int minute, bool male, int province, int city) {
        auto get = [&](const char* base) { return (QString::fromLatin1(base) + suffix).toLatin1(); };
        Get<QLineEdit>(get("Edtname"))->setText(name);
        Get<QLineEdit>(get("EdtYear"))->setText(year);
        Get<QComboBox>(get("cbom"))->setCurrentIndex(month - 1);
        Get<QComboBox>(get("cbod"))->setCurrentIndex(day - 1);
        Get<QComboBox>(get("cbos"))->setCurrentIndex(hour);
        Get<QComboBox>(get("cbomin"))->setCurrentIndex(minute);
        Get<QRadioButton>(get(male ? "Rdona" : "Rdonv"))->setChecked(true);
        auto* provinces = Get<QComboBox>(get("cbodiZ"));
        provinces->setCurrentIndex(province);
        emit provinces->activated(province);
        Get<QComboBox>(get("cbodiC"))->setCurrentIndex(city);
    }
    void EnterCouple() {
        Enter("", QStringLiteral("张三"), "1980", 5, 17, 8, 30, true, 0, 0);
        Enter("2", QStringLiteral("李四"), "1982", 11, 3, 22, 5, false, 1, 2);
    }
    void Compute() { Get<QPushButton>("BtnPai")->click(); }
    QTextEdit* View() { return Get<QTextEdit>("Redtbazi"); }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void layoutAndTitle() {
        Window w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("澄岚八字合婚V1.0"));
        auto* tree = w.Get<QTreeWidget>("Tree");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("命例"));
        QCOMPARE(w.Get<QWidget>("ImgBaZi")->width(), 118);
        QCOMPARE(w.Get<QWidget>("InputBar")->height(), 56);
        QVERIFY(w.View()->toPlainText().isEmpty());
        auto* hours = w.Get<QComboBox>("cbos2");
        QCOMPARE(hours->count(), 24);
        QCOMPARE(hours->itemText(0), QStringLiteral("0时子"));
        QCOMPARE(hours->itemText(1), QStringLiteral("1时丑"));
        QCOMPARE(hours->itemText(2), QStringLiteral("2时丑"));
        QCOMPARE(hours->itemText(21), QStringLiteral("21时亥"));
        QCOMPARE(hours->itemText(23), QStringLiteral("23时子"));
        QCOMPARE(w.Get<QComboBox>("cbomin")->itemText(59), QStringLiteral("59分"));
        QCOMPARE(w.Get<QComboBox>("cbodiZ")->count(), 35);
        QStringList menus;
        for (QAction* a : w.window.menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{"文件(&F)", "命理知识(&S)", "辅助工具(&T)", "选项(&O)", "帮助(&H)"}));
    }

    void computeShowsTheStyledReportAndThePicture() {
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.Compute();
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.value(0).text));
        QVERIFY(w.window.ChartReady());
        QVERIFY(w.Get<QPushButton>("BtnPai")->isEnabled());

        const CBaZiEx& engine = *w.window.Engine();
        QVERIFY(engine.report.empty());  // moved into the view
        const QString text = QString::fromStdString(engine.viewText);
        QCOMPARE(w.View()->toPlainText(), ViewText(engine.viewText));
        QVERIFY(w.View()->toPlainText().startsWith(QStringLiteral("甲命八字：")));
        CompareLooks(*w.View()->document(), ExpectedLooks(text, engine.viewSpans, 12), engine.viewLeftIndent);
        if (QTest::currentTestFailed()) return;
        const Look heading = LookAt(*w.View()->document(), 0);
        QCOMPARE(heading.colour, QColor(0, 0, 255));
        QVERIFY(heading.bold);

        const ChartPicture& picture = w.Get<ChartPictureWidget>("ImgBaZi")->Picture();
        QVERIFY(picture.valid);
        QCOMPARE(picture.sexWord[0], std::string("乾造"));
        QCOMPARE(picture.sexWord[1], std::string("坤造"));
        QCOMPARE(picture.pillars[0][0], std::string("庚申"));  // 1980
        QCOMPARE(picture.pillars[1][0], std::string("壬戌"));  // 1982

        uint8_t pillars[4], engineLast[4];
        w.window.LastPillars(pillars);
        engine.LastPillars(engineLast);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(pillars), 4), QByteArray(reinterpret_cast<char*>(engineLast), 4));
        QCOMPARE(pillars[0], uint8_t(59));  // 乙命's year 壬戌
    }

    void afterComputingTheFocusIsInTheReportViewNotOnTheSaveButton() {
        Window w;
        ScriptedMessages messages;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.EnterCouple();
        auto* compute = w.Get<QPushButton>("BtnPai");
        compute->setFocus();
        QTest::keyClick(compute, Qt::Key_Space);
        QVERIFY(w.window.ChartReady());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.View()));
        // Enter now goes to the report; no category dialog, no new case.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(w.window.Store().CaseCount(), 0);
        // The button is enabled again and reached by the keyboard as before.
        QVERIFY(compute->isEnabled());
        QVERIFY(compute->focusPolicy() & Qt::TabFocus);
    }

    void theFirstRunOpensReadableAndThePictureClearsTheRolls() {
        Window w;
        const QSize size = w.window.size();
        QVERIFY2(size.width() >= 1024 && size.height() >= 600, qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        // With its frame and the desktop's panel it fits a 1366 × 768 screen.
        QVERIFY(w.window.frameGeometry().right() < 1366 && size.height() <= 700);
        auto* picture = w.Get<ChartPictureWidget>("ImgBaZi");
        w.EnterCouple();
        w.Compute();
        QVERIFY(ChartPictureWidget::TextBottom() < picture->RollTop());
        // However small the user makes it.
        w.window.resize(400, 400);
        QTRY_VERIFY(w.window.height() > 400);
        QVERIFY(ChartPictureWidget::TextBottom() < picture->RollTop());
    }

    void savedReportModeLeavesTheViewAlone() {
        Window w;
        ScriptedMessages messages;
        w.View()->setPlainText(QStringLiteral("存档命稿"));
        BirthData a{}, b{};
        a.person = 0, b.person = 1;
        gbk::WriteField(a.name, "甲"), gbk::WriteField(b.name, "乙");
        a.year = 1990, a.month = 5, a.day = 3, a.hour = 12, a.male = 1;
        b.year = 1991, b.month = 6, b.day = 4, b.hour = 13, b.male = 0;
        a.province = b.province = 34;
        a.longitude = b.longitude = 120.0f, a.latitude = b.latitude = 30.0f;
        CBaZiEx& engine = *w.window.Engine();
        engine.showReport = 0;
        QVERIFY(engine.ComputeCouple(a, b));
        w.window.ShowEngineResult();
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("存档命稿"));
        QVERIFY(w.Get<ChartPictureWidget>("ImgBaZi")->Picture().valid);
    }

    void defaultFontLinesUpChineseAndAscii() {
        Window w;
        const QFont font = w.View()->font();
        QCOMPARE(font.family(), QStringLiteral("宋体"));  // the stored name stays
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("正")), 2 * metrics.horizontalAdvance(QStringLiteral("a")));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("乾造  甲子")),
                 metrics.horizontalAdvance(QStringLiteral("1234567890")));
    }

    void panelsBecomeBirthRecords() {
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.Get<QComboBox>("CboLi2")->setCurrentIndex(1);
        w.Get<QCheckBox>("Chkrun2")->setChecked(true);
        w.Compute();
        const BirthData& a = w.window.InputA();
        QCOMPARE(a.person, uint8_t(0));
        QCOMPARE(gbk::ReadField(a.name), std::string("张三"));
        QCOMPARE(a.year, int16_t(1980));
        QCOMPARE(a.month, int16_t(5));
        QCOMPARE(a.day, int16_t(17));
        QCOMPARE(a.hour, int16_t(8));
        QCOMPARE(a.minute, int16_t(30));
        QCOMPARE(a.lunar, uint8_t(0));
        QCOMPARE(a.male, uint8_t(1));
        QCOMPARE(a.province, int16_t(0));
        QCOMPARE(a.city, int16_t(0));
        const std::string firstCity = w.folder.Places().ReadSection("福建省").front();
        QCOMPARE(gbk::ReadField(a.place), "福建省-" + firstCity);
        const places::PlaceValue v =
            places::ReadPlaceValue(w.folder.Places().ReadString("福建省", firstCity, ""));
        QCOMPARE(a.longitude, places::DecimalDegrees(v.longitudeDegrees, v.longitudeMinutes));
        QCOMPARE(a.latitude, places::DecimalDegrees(v.latitudeDegrees, v.latitudeMinutes));

        const BirthData& b = w.window.InputB();
        QCOMPARE(b.person, uint8_t(1));
        QCOMPARE(b.lunar, uint8_t(1));
        QCOMPARE(b.leap, uint8_t(1));
        QCOMPARE(b.male, uint8_t(0));
        QCOMPARE(b.province, int16_t(1));
        QCOMPARE(b.city, int16_t(2));
        QCOMPARE(gbk::ReadField(b.place),
                 "北京市-" + w.folder.Places().ReadSection("北京市").at(2));
        // The couple on screen holds both persons.
        QCOMPARE(gbk::ReadField(w.window.CurrentCase().a.name), std::string("张三"));
        QCOMPARE(gbk::ReadField(w.window.CurrentCase().b.place), gbk::ReadField(b.place));
    }

    void noPlaceAndYearsBeforeChrist() {
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.Enter("", QStringLiteral("某人"), "-1", 3, 1, 0, 0, true, 34, 0);
        QCOMPARE(w.Get<QComboBox>("cbodiC")->count(), 1);
        QCOMPARE(w.Get<QComboBox>("cbodiC")->currentText(), QStringLiteral("未知地"));
        w.Compute();
        const BirthData& a = w.window.InputA();
        QCOMPARE(a.year, int16_t(0));
        QCOMPARE(w.Get<UpDownButtons>("UpDyear")->Position(), 0);
        QCOMPARE(a.province, int16_t(34));
        QCOMPARE(a.longitude, 120.0f);
        QCOMPARE(a.latitude, 30.0f);
        QCOMPARE(gbk::ReadField(a.place), std::string("未知"));
    }

    void yearArrowsSkipTheYearZero() {
        Window w;
        auto* arrows = w.Get<UpDownButtons>("UpDyear");
        auto* year = w.Get<QLineEdit>("EdtYear");
        arrows->SetPosition(1);
        arrows->StepDown();
        QCOMPARE(year->text(), QStringLiteral("-1"));
        arrows->SetPosition(-848);
        arrows->StepDown();
        QCOMPARE(year->text(), QStringLiteral("-850"));
        arrows->StepDown();  // −849 is the lowest position
        QCOMPARE(year->text(), QStringLiteral("-850"));
        arrows->SetPosition(2100);
        arrows->StepUp();
        QCOMPARE(year->text(), QStringLiteral("2100"));
    }

    void inputFaultsStopWithTheirMessageAndFocus_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("inputAUpdated");
        const int info = static_cast<int>(MessageIcon::Information);
        const int warning = static_cast<int>(MessageIcon::Warning);
        const QString a = QStringLiteral("甲命"), b = QStringLiteral("乙命");
        QTest::newRow("甲 name empty") << "Edtname" << "" << a + "姓名不能为空" << "提示" << info << false;
        QTest::newRow("甲 year 0") << "EdtYear" << "0" << a + kYearFault << "年份错误" << warning << false;
        QTest::newRow("甲 year 2101") << "EdtYear" << "2101" << a + kYearFault << "年份错误" << warning << false;
        QTest::newRow("甲 year -851") << "EdtYear" << "-851" << a + kYearFault << "年份错误" << warning << false;
        QTest::newRow("甲 year text") << "EdtYear" << "一九八" << a + kYearFault << "年份错误" << warning << false;
        QTest::newRow("乙 name empty") << "Edtname2" << "" << b + "姓名不能为空" << "提示" << info << true;
        QTest::newRow("乙 year empty") << "EdtYear2" << "" << b + kYearFault << "年份错误" << warning << true;
    }
    void inputFaultsStopWithTheirMessageAndFocus() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QFETCH(bool, inputAUpdated);
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.View()->setPlainText(QStringLiteral("旧命稿"));
        w.Get<QLineEdit>(box.toLatin1())->setText(value);
        w.Compute();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].caption, caption);
        QCOMPARE(static_cast<int>(messages.shown[0].icon), icon);
        QCOMPARE(w.window.focusWidget(), w.Get<QWidget>(box.toLatin1()));
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("旧命稿"));
        QVERIFY(!w.window.ChartReady());
        QCOMPARE(gbk::ReadField(w.window.InputA().name), std::string(inputAUpdated ? "张三" : ""));
        QCOMPARE(gbk::ReadField(w.window.CurrentCase().a.name), std::string());
    }

    void sameSexAsksFirst() {
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.Get<QRadioButton>("Rdona2")->setChecked(true);
        w.View()->setPlainText(QStringLiteral("旧命稿"));
        messages.answers = {false};
        w.Compute();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].question);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("甲命和乙命的性别相同，一般情况下是一男一女不同的，确定无误要继续运算吗？"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("性别相同！"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Information);
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("旧命稿"));
        QVERIFY(!w.window.ChartReady());

        messages.shown.clear();
        messages.answers = {true};
        w.Compute();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(w.window.ChartReady());
        QVERIFY(w.View()->toPlainText().startsWith(QStringLiteral("甲命八字：")));
    }

    void engineFaultIsShownAndTheReportCountsAsNotComputed() {
        Window w;
        ScriptedMessages messages;
        w.EnterCouple();
        w.Compute();
        QVERIFY(w.window.ChartReady());
        w.Enter("", QStringLiteral("张三"), "1981", 2, 30, 8, 30, true, 0, 0);  // no 30 February
        w.Compute();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QString::fromStdString(w.window.Engine()->errorText));
        QVERIFY(!messages.shown[0].text.isEmpty());
        QCOMPARE(messages.shown[0].caption, QStringLiteral("错误"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("婚配运算中.............."));
        QVERIFY(!w.window.ChartReady());
        QVERIFY(w.Get<QPushButton>("BtnPai")->isEnabled());
        QCOMPARE(gbk::ReadField(w.window.CurrentCase().a.name), std::string("张三"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
