// The window settings of dat/bzinit.ini: the defaults of a first start, what
// closing writes, and what the next start restores (geometry, maximised
// state, tree width, report font and background, both birthplaces).
#include <QSplitter>
#include <QTextEdit>

#include "widgets/birth/BirthPanel.h"
#include "app/main/TFrmMain.h"
#include "gui_fixture.h"

namespace {

void ShowAndWait(QWidget& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

int TreeWidth(TFrmMain& w) { return Child<QSplitter>(&w, "Splitter1")->sizes().value(0); }

QString Text(TFrmMain& w, const char* combo) { return Child<QComboBox>(&w, combo)->currentText(); }

}  // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void firstStartUsesTheDefaultsAndClosingWritesEveryKey() {
        ProgramFolder folder;
        {
            TFrmMain w(folder.Folder());
            ShowAndWait(w);
            QCOMPARE(w.pos(), QPoint(10, 10));
            QCOMPARE(TreeWidth(w), 180);
            auto* view = Child<QTextEdit>(&w, "Redtbazi");
            QCOMPARE(view->font().family(), QStringLiteral("宋体"));
            QCOMPARE(view->font().pointSize(), 12);
            QCOMPARE(view->palette().color(QPalette::Base), QColor(0xD0, 0xCC, 0xC0));
            QCOMPARE(Text(w, "cbodiZ"), QStringLiteral("福建省"));
            QCOMPARE(Text(w, "cbodiZ2"), QStringLiteral("福建省"));
            QCOMPARE(Text(w, "cbodiC"), QString::fromStdString(folder.Places().ReadSection("福建省").front()));
            QVERIFY(w.close());
        }
        IniFile ini = folder.Settings();
        for (const char* key : {"left", "top", "width", "height", "state", "treewid", "sheng", "shi", "sheng2", "shi2"})
            QVERIFY2(ini.ReadInteger("winpos", key, -12345) != -12345, key);
        QCOMPARE(ini.ReadInteger("winpos", "left", 0), 10);
        QCOMPARE(ini.ReadInteger("winpos", "state", -1), 0);
        QCOMPARE(ini.ReadInteger("winpos", "treewid", 0), 180);
        QCOMPARE(ini.ReadString("minggao", "fname", ""), std::string("宋体"));
        QCOMPARE(ini.ReadInteger("minggao", "fsize", 0), 12);
        QCOMPARE(ini.ReadInteger("minggao", "bcolor", 0), 12635344);
        QCOMPARE(ini.ReadInteger("winpos", "sheng", -1), 0);
        QCOMPARE(ini.ReadInteger("winpos", "shi", -1), 0);
    }

    void storedSettingsAreRestoredAndWrittenBack() {
        ProgramFolder folder;
        folder.WriteGbk("dat/bzinit.ini",
                        "[winpos]\r\nleft=40\r\ntop=50\r\nwidth=1000\r\nheight=640\r\nstate=0\r\ntreewid=10\r\n"
                        "sheng=1\r\nshi=3\r\nsheng2=34\r\nshi2=5\r\n"
                        "[minggao]\r\nfname=Noto Serif CJK SC\r\nfsize=15\r\nbcolor=16777215\r\n"
                        "[set]\r\npai=1\r\n");
        {
            TFrmMain w(folder.Folder());
            ShowAndWait(w);
            QCOMPARE(w.pos(), QPoint(40, 50));
            QCOMPARE(w.size(), QSize(1000, 640));
            QCOMPARE(TreeWidth(w), 30);  // raised to the narrowest tree
            auto* view = Child<QTextEdit>(&w, "Redtbazi");
            QCOMPARE(view->font().family(), QStringLiteral("Noto Serif CJK SC"));  // as the user chose it
            QCOMPARE(view->font().pointSize(), 15);
            QCOMPARE(view->palette().color(QPalette::Base), QColor(255, 255, 255));
            QCOMPARE(Text(w, "cbodiZ"), QStringLiteral("北京市"));
            QCOMPARE(Text(w, "cbodiC"), QString::fromStdString(folder.Places().ReadSection("北京市").at(3)));
            QCOMPARE(Text(w, "cbodiZ2"), QStringLiteral("未知地"));
            QCOMPARE(Text(w, "cbodiC2"), QStringLiteral("未知地"));  // shi2 5 of one city: the first

            w.move(70, 80);
            w.resize(950, 600);
            Child<QSplitter>(&w, "Splitter1")->setSizes({222, 500});
            Child<QComboBox>(&w, "cbodiC")->setCurrentIndex(1);
            QVERIFY(w.close());
        }
        IniFile ini = folder.Settings();
        QCOMPARE(ini.ReadInteger("winpos", "left", 0), 70);
        QCOMPARE(ini.ReadInteger("winpos", "top", 0), 80);
        QCOMPARE(ini.ReadInteger("winpos", "width", 0), 950);
        QCOMPARE(ini.ReadInteger("winpos", "height", 0), 600);
        QCOMPARE(ini.ReadInteger("winpos", "treewid", 0), 222);
        QCOMPARE(ini.ReadInteger("winpos", "sheng", -1), 1);
        QCOMPARE(ini.ReadInteger("winpos", "shi", -1), 1);
        QCOMPARE(ini.ReadInteger("winpos", "sheng2", -1), 34);
        QCOMPARE(ini.ReadInteger("winpos", "shi2", -1), 0);
        QCOMPARE(ini.ReadString("minggao", "fname", ""), std::string("Noto Serif CJK SC"));
        QCOMPARE(ini.ReadInteger("minggao", "bcolor", 0), 16777215);
        QCOMPARE(ini.ReadInteger("set", "pai", 0), 1);  // other sections stay
    }

    void maximisedRunKeepsTheNormalGeometry() {
        ProgramFolder folder;
        folder.WriteGbk("dat/bzinit.ini", "[winpos]\r\nleft=40\r\ntop=50\r\nwidth=1000\r\nheight=640\r\nstate=2\r\n");
        {
            TFrmMain w(folder.Folder());
            ShowAndWait(w);
            QTRY_VERIFY(w.isMaximized());
            QVERIFY(w.close());
        }
        IniFile ini = folder.Settings();
        QCOMPARE(ini.ReadInteger("winpos", "state", 0), 2);
        QCOMPARE(ini.ReadInteger("winpos", "left", 0), 40);
        QCOMPARE(ini.ReadInteger("winpos", "width", 0), 1000);
        QCOMPARE(ini.ReadInteger("winpos", "height", 0), 640);
    }

    void valuesOutsideTheirRangeFallBack() {
        ProgramFolder folder;
        folder.WriteGbk("dat/bzinit.ini", "[winpos]\r\nstate=7\r\nsheng=99\r\nshi=99\r\nsheng2=-4\r\n");
        TFrmMain w(folder.Folder());
        ShowAndWait(w);
        QVERIFY(!w.isMaximized() && !w.isMinimized());
        QCOMPARE(Text(w, "cbodiZ"), QStringLiteral("福建省"));
        QCOMPARE(Child<QComboBox>(&w, "cbodiC")->currentIndex(), 0);
        QCOMPARE(Text(w, "cbodiZ2"), QStringLiteral("福建省"));
    }

    void missingPlaceFileLeavesNoPlace() {
        ProgramFolder folder(false);
        TFrmMain w(folder.Folder());
        ShowAndWait(w);
        QCOMPARE(Text(w, "cbodiZ"), QStringLiteral("福建省"));
        QCOMPARE(Child<QComboBox>(&w, "cbodiC")->count(), 1);
        QCOMPARE(Text(w, "cbodiC"), QStringLiteral("未知地"));
    }

    void panelsStartAtTheCurrentDateAndAfter2100At2050() {
        BirthPanel panel(0, "");
        panel.FillCombos();
        panel.SetToNow(QDateTime(QDate(2101, 7, 9), QTime(13, 45)));
        QCOMPARE(Child<QLineEdit>(&panel, "EdtYear")->text(), QStringLiteral("2050"));
        QCOMPARE(Child<QComboBox>(&panel, "cbom")->currentText(), QStringLiteral("7月"));
        QCOMPARE(Child<QComboBox>(&panel, "cbod")->currentText(), QStringLiteral("9日"));
        QCOMPARE(Child<QComboBox>(&panel, "cbos")->currentText(), QStringLiteral("13时未"));
        QCOMPARE(Child<QComboBox>(&panel, "cbomin")->currentText(), QStringLiteral("45分"));
        QCOMPARE(Child<QComboBox>(&panel, "cbodiZ")->currentText(), QStringLiteral("未知地"));
        QCOMPARE(Child<QLineEdit>(&panel, "Edtname")->text(), QStringLiteral("某人"));
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "window_settings_test.moc"
