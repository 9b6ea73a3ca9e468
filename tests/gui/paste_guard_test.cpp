// Pasting into the multi-line text boxes with an empty clipboard (a fresh X
// session, or the program that copied has quit): nothing is pasted, nothing
// crashes; with data on the clipboard pasting works as always. Also where a
// window saved far off every screen reopens.
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/options/TFrmEndfo.h"
#include "app/main/TFrmMain.h"
#include "app/main/window_placement.h"
#include "app/case_dialogs/TFrmFenLei.h"
#include "gui_fixture.h"

namespace {

void EmptyClipboard() { QGuiApplication::clipboard()->setMimeData(new QMimeData); }

// Ctrl+V and Shift+Insert into the box; returns its text afterwards.
template <typename Box>
QString PasteInto(Box* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    return box->toPlainText();
}

}  // namespace

class PasteGuardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void emptyClipboardPastesNothingIntoAnyTextBox() {
        ProgramFolder folder;
        TFrmMain main(folder.Folder());
        IniFile settings = folder.Settings();
        TFrmEndfo endInfo(folder.Folder(), settings);
        TFrmFenLei category(settings);
        auto* report = Child<QTextEdit>(&main, "Redtbazi");
        auto* memo = Child<QPlainTextEdit>(&endInfo, "Memo1");
        auto* note = Child<QPlainTextEdit>(&category, "Memo1");
        report->setPlainText(QStringLiteral("报告"));
        memo->setPlainText(QStringLiteral("结尾"));

        EmptyClipboard();
        QCOMPARE(PasteInto(report), QStringLiteral("报告"));
        QCOMPARE(PasteInto(memo), QStringLiteral("结尾"));
        QCOMPARE(PasteInto(note), QStringLiteral("备注:"));
        QGuiApplication::clipboard()->clear();
        QCOMPARE(PasteInto(memo), QStringLiteral("结尾"));
    }

    void clipboardWithTextPastesAsAlways() {
        ProgramFolder folder;
        TFrmMain main(folder.Folder());
        auto* report = Child<QTextEdit>(&main, "Redtbazi");
        report->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("贴"));
        report->setFocus();
        QTest::keyClick(report, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(report->toPlainText(), QStringLiteral("贴"));
    }

    void windowSavedOffEveryScreenComesBack_data() {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<QPoint>("opened");
        QTest::newRow("on the screen") << QPoint(10, 10) << QPoint(10, 10);
        QTest::newRow("partly off the right edge") << QPoint(1700, 50) << QPoint(1700, 50);
        QTest::newRow("far right") << QPoint(30000, 50) << QPoint(1520, 50);
        QTest::newRow("far below") << QPoint(100, 9000) << QPoint(100, 780);
        QTest::newRow("far up and left") << QPoint(-5000, -5000) << QPoint(0, 0);
        QTest::newRow("title bar above the screen") << QPoint(100, -20) << QPoint(100, 0);
        QTest::newRow("on the second screen") << QPoint(2000, 100) << QPoint(2000, 100);
    }
    void windowSavedOffEveryScreenComesBack() {
        QFETCH(QPoint, saved);
        QFETCH(QPoint, opened);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(OnScreenPosition(saved, QSize(400, 300), screens), opened);
    }
};

QTEST_MAIN(PasteGuardTest)
#include "paste_guard_test.moc"
