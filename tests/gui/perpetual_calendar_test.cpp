// The perpetual calendar "澄岚万年历": the month buttons at the ends of the
// calendar, the boxes and their messages, clicks on the sheet, the pillars
// around 立春 and at 23:00, the painted sheet, and one open window reused.
//
// With MARIVO_WNL_PNG=<folder> the test also saves the sheets of December
// 2033 and January 2034 as PNG files there, to look at them.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

#include "widgets/UpDownButtons.h"
#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmWnl.h"

class PerpetualCalendarTest : public QObject {
    Q_OBJECT

    // Cell centres of the sheet (cells of 64 × 47 design pixels).
    static QPoint CellCentre(int row, int column) { return {column * 64 + 32, row * 47 + 23}; }

    // All boxes at once, then Enter in the year box.
    static void SetMoment(TFrmWnl& w, int year, int month, int day, int hour = 12, int minute = 0) {
        const int values[] = {month - 1, day - 1, hour, minute};
        const char* boxes[] = {"cbom", "cbod", "cbos", "cbomin"};
        for (int i = 0; i < 4; ++i) {
            auto* box = Child<QComboBox>(&w, boxes[i]);
            const QSignalBlocker quiet(box);
            box->setCurrentIndex(values[i]);
        }
        auto* yearBox = Child<QLineEdit>(&w, "EdtYear");
        yearBox->setText(QString::number(year));
        QTest::keyClick(yearBox, Qt::Key_Return);
    }
    static QString Title(TFrmWnl& w) { return Child<QLabel>(&w, "labtitle")->text(); }
    static QString Pillars(TFrmWnl& w) { return Child<QPlainTextEdit>(&w, "memgz")->toPlainText(); }
    static QString Day(TFrmWnl& w) { return Child<QComboBox>(&w, "cbod")->currentText(); }
    static void Click(TFrmWnl& w, const char* button) { Child<QPushButton>(&w, button)->click(); }
    static void ClickSheet(TFrmWnl& w, QPoint at) { QTest::mouseClick(Child<QWidget>(&w, "Img1"), Qt::LeftButton, {}, at); }

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void opensAtTheCurrentTimeWithTermsChangingTheMonth() {
        ScriptedMessages messages;
        TFrmWnl w;
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("澄岚万年历")));
        const QDate today = QDate::currentDate();
        QCOMPARE(Child<QLineEdit>(&w, "EdtYear")->text(), QString::number(qBound(1900, today.year(), 2050)));
        QCOMPARE(Child<QComboBox>(&w, "cbom")->currentText(), QString::number(today.month()) + QStringLiteral("月"));
        QCOMPARE(Day(w), QString::number(today.day()) + QStringLiteral("日"));
        QCOMPARE(Child<QComboBox>(&w, "cbomin")->count(), 60);
        QVERIFY(Child<QCheckBox>(&w, "chkjq")->isChecked());
        QVERIFY(messages.shown.isEmpty());
    }

    void monthButtonsStopAtTheEndsOfTheCalendar() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 1900, 1, 15);
        Click(w, "BitBtn2");  // 上一月 in January 1900: nothing
        QCOMPARE(Title(w), QStringLiteral("1900年1月"));
        QCOMPARE(Day(w), QStringLiteral("15日"));
        Click(w, "BitBtn1");
        QCOMPARE(Title(w), QStringLiteral("1900年2月"));
        QCOMPARE(Day(w), QStringLiteral("1日"));
        SetMoment(w, 2050, 12, 31);
        Click(w, "BitBtn1");  // 下一月 in December 2050: nothing
        QCOMPARE(Title(w), QStringLiteral("2050年12月"));
        QCOMPARE(Day(w), QStringLiteral("31日"));
        Click(w, "BitBtn2");
        QCOMPARE(Title(w), QStringLiteral("2050年11月"));
        QCOMPARE(Day(w), QStringLiteral("1日"));
        // Across the turn of a year; a 31st never meets a short month this way.
        SetMoment(w, 1999, 12, 31);
        Click(w, "BitBtn1");
        QCOMPARE(Child<QLineEdit>(&w, "EdtYear")->text(), QStringLiteral("2000"));
        QCOMPARE(Title(w), QStringLiteral("2000年1月"));
        Click(w, "BitBtn2");
        QCOMPARE(Title(w), QStringLiteral("1999年12月"));
        QVERIFY(messages.shown.isEmpty());
    }

    void dayBeyondTheMonthIsRefusedAndTheSheetStays() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 2000, 4, 30);
        const QString pillars = Pillars(w);
        Child<QComboBox>(&w, "cbod")->setCurrentIndex(30);  // 31日
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("不存在这个日期，请重新输入！"));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("日期不对"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Information);
        QCOMPARE(Title(w), QStringLiteral("2000年4月"));
        QCOMPARE(Pillars(w), pillars);
    }

    void yearOutsideTheCalendarIsRefused() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 2000, 2, 4);
        auto* year = Child<QLineEdit>(&w, "EdtYear");
        for (const char* text : {"1899", "2051", "abc"}) {
            year->setText(QString::fromLatin1(text));
            QTest::keyClick(year, Qt::Key_Return);
        }
        QCOMPARE(messages.shown.size(), 3);
        for (const ShownMessage& m : messages.shown) {
            QCOMPARE(m.text, QStringLiteral("年份在1900-2050之间"));
            QCOMPARE(m.caption, QStringLiteral("错误"));
            QCOMPARE(m.icon, MessageIcon::Error);
        }
        // Any other change redraws, and the redraw refuses the year itself.
        Child<QComboBox>(&w, "cbos")->setCurrentIndex(3);
        QCOMPARE(messages.shown.size(), 4);
        QCOMPARE(messages.shown[3].caption, QStringLiteral("年份不对"));
        QCOMPARE(Title(w), QStringLiteral("2000年2月"));
        year->setText(QStringLiteral("2024"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(Title(w), QStringLiteral("2024年2月"));
        QCOMPARE(messages.shown.size(), 4);
    }

    void spinButtonStepsTheYear() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 2049, 6, 1);
        auto* spin = Child<UpDownButtons>(&w, "UdYear");
        spin->StepUp();
        QCOMPARE(Title(w), QStringLiteral("2050年6月"));
        spin->StepUp();  // the spin button ends at 2050
        QCOMPARE(Title(w), QStringLiteral("2050年6月"));
        QVERIFY(messages.shown.isEmpty());
    }

    void clickOnADaySelectsItOnlyInsideTheMonth() {
        ScriptedMessages messages;
        TFrmWnl w;
        // 1 January 2023 is a Sunday: the 1st sits in the last column and the
        // 31st in the sixth row of days.
        SetMoment(w, 2023, 1, 10);
        ClickSheet(w, CellCentre(6, 1));
        QCOMPARE(Day(w), QStringLiteral("31日"));
        ClickSheet(w, CellCentre(1, 6));
        QCOMPARE(Day(w), QStringLiteral("1日"));
        const QPoint nothing[] = {CellCentre(0, 3), CellCentre(1, 0), CellCentre(6, 2), {449, 100}, {100, 329}};
        for (QPoint at : nothing) {
            ClickSheet(w, at);
            QCOMPARE(Day(w), QStringLiteral("1日"));
        }
        QTest::mouseClick(Child<QWidget>(&w, "Img1"), Qt::RightButton, {}, CellCentre(3, 3));
        QCOMPARE(Day(w), QStringLiteral("1日"));
        QVERIFY(messages.shown.isEmpty());
    }

    void pillarsAroundLichunWithAndWithoutTermsChangingTheMonth() {
        ScriptedMessages messages;
        TFrmWnl w;
        auto* terms = Child<QCheckBox>(&w, "chkjq");
        // 立春 2000: 4 February, 20:40.
        SetMoment(w, 2000, 2, 4, 20, 39);
        QCOMPARE(Pillars(w), QStringLiteral("己卯年\n丁丑月\n壬辰日\n庚戌时"));
        QCOMPARE(Child<QLabel>(&w, "labxiao")->text(), QStringLiteral("兔年"));
        Child<QComboBox>(&w, "cbomin")->setCurrentIndex(40);
        QCOMPARE(Pillars(w), QStringLiteral("庚辰年\n戊寅月\n壬辰日\n庚戌时"));
        QCOMPARE(Child<QLabel>(&w, "labxiao")->text(), QStringLiteral("龙年"));
        // By the lunar date the 4th is still the twelfth month of 1999.
        terms->setChecked(false);
        QCOMPARE(Pillars(w), QStringLiteral("己卯年\n丁丑月\n壬辰日\n庚戌时"));
        Child<QComboBox>(&w, "cbod")->setCurrentIndex(4);
        QCOMPARE(Pillars(w), QStringLiteral("庚辰年\n戊寅月\n癸巳日\n壬戌时"));
        QCOMPARE(Child<QPlainTextEdit>(&w, "memjie1")->toPlainText(), QStringLiteral("立春4日20时40分"));
        QCOMPARE(Child<QPlainTextEdit>(&w, "memjie2")->toPlainText(), QStringLiteral("雨水19日16时33分"));
        QVERIFY(messages.shown.isEmpty());
    }

    void hour23IsTheNextDaysZiHour() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 2000, 1, 1, 22, 59);
        QCOMPARE(Pillars(w), QStringLiteral("己卯年\n丙子月\n戊午日\n癸亥时"));
        Child<QComboBox>(&w, "cbos")->setCurrentIndex(23);
        QCOMPARE(Pillars(w), QStringLiteral("己卯年\n丙子月\n己未日\n甲子时"));
    }

    void sheetIsPaintedSharpAtTwiceThePixels() {
        ScriptedMessages messages;
        TFrmWnl w;
        SetMoment(w, 2023, 1, 10);
        auto* sheet = Child<QWidget>(&w, "Img1");
        QCOMPARE(sheet->size(), QSize(450, 330));
        QImage image(900, 660, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        sheet->render(&image);
        // A grid line is pure black, cells keep the pale yellow, and both
        // ink colours of the days are there.
        QCOMPARE(image.pixelColor(128, 300), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, 2 * 47 + 2), QColor(255, 255, 200));
        int blue = 0, red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                blue += c == QColor(0, 0, 255);
                red += c == QColor(255, 0, 0);
            }
        QVERIFY(blue > 1000);
        QVERIFY(red > 100);
    }

    // The widest texts are the six-character lunar dates of a leap month
    // (闰十一月初五 … in December 2033 and January 2034): no ink of any day
    // may reach a grid line or the sheet's edge.
    void everyTextStaysInsideItsCell() {
        ScriptedMessages messages;
        TFrmWnl w;
        for (int month : {12, 1}) {
            SetMoment(w, month == 12 ? 2033 : 2034, month, 1);
            auto* sheet = Child<QWidget>(&w, "Img1");
            QImage image(sheet->size(), QImage::Format_RGB32);
            sheet->render(&image);
            const QString folder = qEnvironmentVariable("MARIVO_WNL_PNG");  // to look at the sheets
            if (!folder.isEmpty()) image.save(folder + QStringLiteral("/wnl-%1.png").arg(month));
            const auto ink = [&](int x, int y) {
                const QColor c = image.pixelColor(x, y);
                return c != QColor(255, 255, 200) && c != QColor(Qt::black) && c != QColor(0, 128, 0);  // the day marker
            };
            QList<int> columns = {0, 447, 448, 449};
            for (int k = 1; k <= 6; ++k) columns << k * 64 - 1 << k * 64 + 1;
            for (int y = 47; y < image.height(); ++y)
                for (int x : columns) QVERIFY2(!ink(x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        }
    }

    void oneOpenCalendarIsReusedAndAClosedOneReplaced() {
        ScriptedMessages messages;
        QWidget owner;
        QPointer<TFrmWnl> first = TFrmWnl::Open(&owner);
        QVERIFY(first->isVisible());
        QCOMPARE(TFrmWnl::Open(&owner), first.data());
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QPointer<TFrmWnl> second = TFrmWnl::Open(&owner);
        QVERIFY(second && second->isVisible());
        QCOMPARE(owner.findChildren<TFrmWnl*>().size(), 1);
    }
};

QTEST_MAIN(PerpetualCalendarTest)
#include "perpetual_calendar_test.moc"
