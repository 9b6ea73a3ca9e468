// The report options of the "选项" menu: "排盘设置" (every control and its key
// of section "set", the left-margin check, "取消" writing nothing),
// "命稿结尾信息" (dat/EndInfo.txt in GBK with "\r\n", the empty-text check)
// and the choice between a user's compiled help file and the shipped HTML.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "widgets/RadioGroup.h"
#include "app/options/TFrmEndfo.h"
#include "app/options/TFrmSet.h"
#include "app/main/help_documents.h"
#include "dialog_test_support.h"

class ReportOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void firstRunShowsTheDefaults() {
        ProgramFolder folder;
        IniFile settings = folder.Settings();
        TFrmSet dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("命稿预测选项设置"));
        QVERIFY(Child<QRadioButton>(&dialog, "RdoHengPai")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "chkzishi")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "ChkBianGe")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkSave")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkScore")->isChecked());
        QCOMPARE(Child<QCheckBox>(&dialog, "ChkLocalClock")->text(), QStringLiteral("出生时间按当地钟表时间（自动扣除夏令时）"));
        QVERIFY(Child<QCheckBox>(&dialog, "ChkLocalClock")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "CboSelDate")->currentText(), QStringLiteral("北京时间"));
        QCOMPARE(Child<RadioGroup>(&dialog, "RdoMingGong")->ItemIndex(), 0);
        QCOMPARE(Child<QLineEdit>(&dialog, "LedtLeftPos")->text(), QStringLiteral("0"));
    }

    void storedOptionsAreShownAndOkWritesEveryKey() {
        ProgramFolder folder;
        folder.WriteGbk("dat/bzinit.ini", "[set]\r\nzishi=1\r\nbiange=0\r\nmgong=1\r\npai=1\r\nidate=2\r\nleftpos=40\r\n"
                                          "save=1\r\nbscore=1\r\nlocalclock=0\r\n");
        IniFile settings = folder.Settings();
        TFrmSet dialog(settings);
        QVERIFY(Child<QRadioButton>(&dialog, "RdoShuPai")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkLocalClock")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "chkzishi")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkBianGe")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "CboSelDate")->currentText(), QStringLiteral("地方时"));
        QCOMPARE(Child<RadioGroup>(&dialog, "RdoMingGong")->ItemIndex(), 1);
        QCOMPARE(Child<QLineEdit>(&dialog, "LedtLeftPos")->text(), QStringLiteral("40"));

        Child<QRadioButton>(&dialog, "RdoHengPai")->setChecked(true);
        Child<QCheckBox>(&dialog, "chkzishi")->setChecked(false);
        Child<QCheckBox>(&dialog, "ChkBianGe")->setChecked(true);
        Child<RadioGroup>(&dialog, "RdoMingGong")->SetItemIndex(0);
        Child<QComboBox>(&dialog, "CboSelDate")->setCurrentIndex(1);
        Child<QLineEdit>(&dialog, "LedtLeftPos")->setText(QStringLiteral("500"));
        Child<QCheckBox>(&dialog, "ChkSave")->setChecked(false);
        Child<QCheckBox>(&dialog, "ChkScore")->setChecked(false);
        Child<QCheckBox>(&dialog, "ChkLocalClock")->setChecked(true);
        ScriptedMessages messages;
        Click(&dialog, "Btnok");
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const IniDocument ini = settings.Snapshot();
        const std::pair<const char*, const char*> expected[] = {
            {"pai", "0"}, {"zishi", "0"}, {"biange", "1"}, {"mgong", "0"},
            {"idate", "1"}, {"leftpos", "500"}, {"save", "0"}, {"bscore", "0"}, {"localclock", "1"}};
        for (auto [key, value] : expected) QCOMPARE(ini.ReadString("set", key, "?"), std::string(value));
    }

    void leftMarginOutsideTheRangeIsRefused_data() {
        QTest::addColumn<QString>("margin");
        QTest::newRow("501") << "501";
        QTest::newRow("-1") << "-1";
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "左";
    }
    void leftMarginOutsideTheRangeIsRefused() {
        QFETCH(QString, margin);
        ProgramFolder folder;
        IniFile settings = folder.Settings();
        TFrmSet dialog(settings);
        dialog.show();
        Child<QLineEdit>(&dialog, "LedtLeftPos")->setText(margin);
        ScriptedMessages messages;
        Click(&dialog, "Btnok");
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0], QStringLiteral("文本左边距离在0-500之间"), QStringLiteral("输入错误"), MessageIcon::Error);
        QVERIFY(dialog.isVisible());
        QVERIFY(!fileutil::Exists(folder.Path("dat/bzinit.ini")));
    }

    void cancelAfterChangingEveryControlLeavesTheFileAsItWas() {
        ProgramFolder folder;
        folder.WriteGbk("dat/bzinit.ini", "; 用户的注释\r\n[winpos]\r\nleft=10\r\n[set]\r\nleftpos=7\r\n");
        const std::string before = FileBytes(folder.Path("dat/bzinit.ini"));
        IniFile settings = folder.Settings();
        TFrmSet dialog(settings);
        Child<QRadioButton>(&dialog, "RdoShuPai")->setChecked(true);
        for (const char* box : {"chkzishi", "ChkBianGe", "ChkSave", "ChkScore", "ChkLocalClock"}) Child<QCheckBox>(&dialog, box)->toggle();
        Child<QComboBox>(&dialog, "CboSelDate")->setCurrentIndex(2);
        Child<RadioGroup>(&dialog, "RdoMingGong")->SetItemIndex(1);
        Child<QLineEdit>(&dialog, "LedtLeftPos")->setText(QStringLiteral("300"));
        Click(&dialog, "Btncancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(FileBytes(folder.Path("dat/bzinit.ini")), before);
    }

    void closingTextIsShownAndWrittenAsGbkLines() {
        ProgramFolder folder;
        folder.WriteGbk("dat/EndInfo.txt", "愿有情人终成眷属\r\n——澄岚\r\n");
        IniFile settings = folder.Settings();
        TFrmEndfo dialog(folder.Folder(), settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("编辑尾部信息"));
        auto* memo = Child<QPlainTextEdit>(&dialog, "Memo1");
        QCOMPARE(memo->toPlainText(), QStringLiteral("愿有情人终成眷属\n——澄岚\n"));
        QVERIFY(!Child<QCheckBox>(&dialog, "ChkAuto")->isChecked());

        memo->setPlainText(QStringLiteral("第一行\n\n第三行"));
        Child<QCheckBox>(&dialog, "ChkAuto")->setChecked(true);
        ScriptedMessages messages;
        Click(&dialog, "Btnok");
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(FileBytes(folder.Path("dat/EndInfo.txt")), gbk::FromUtf8("第一行\r\n\r\n第三行\r\n"));
        QVERIFY(settings.ReadBool("set", "endinfo", false));
    }

    void emptyClosingTextIsRefusedAndTheFileKept() {
        ProgramFolder folder;
        folder.WriteGbk("dat/EndInfo.txt", "旧的结尾\r\n");
        const std::string before = FileBytes(folder.Path("dat/EndInfo.txt"));
        IniFile settings = folder.Settings();
        TFrmEndfo dialog(folder.Folder(), settings);
        dialog.show();
        Child<QPlainTextEdit>(&dialog, "Memo1")->clear();
        Child<QCheckBox>(&dialog, "ChkAuto")->setChecked(true);
        ScriptedMessages messages;
        Click(&dialog, "Btnok");
        QCOMPARE(messages.shown.size(), 1);
        CheckMessage(messages.shown[0], QStringLiteral("输入不能为空"), QStringLiteral("信息"), MessageIcon::Information);
        QVERIFY(dialog.isVisible());
        QCOMPARE(FileBytes(folder.Path("dat/EndInfo.txt")), before);
        QVERIFY(!fileutil::Exists(folder.Path("dat/bzinit.ini")));
    }

    void closingTextCancelWritesNothing() {
        ProgramFolder folder;
        IniFile settings = folder.Settings();
        TFrmEndfo dialog(folder.Folder(), settings);
        QVERIFY(Child<QPlainTextEdit>(&dialog, "Memo1")->toPlainText().isEmpty());
        Child<QPlainTextEdit>(&dialog, "Memo1")->setPlainText(QStringLiteral("不要保存"));
        Click(&dialog, "Btncancel");
        QVERIFY(!fileutil::Exists(folder.Path("dat/EndInfo.txt")));
        QVERIFY(!fileutil::Exists(folder.Path("dat/bzinit.ini")));
    }

    void aCompiledHelpFileIsPreferredToTheShippedHtml() {
        ProgramFolder folder;
        QCOMPARE(HelpDocumentPath(folder.Folder(), kProgramHelpDocument), QString());
        QVERIFY(!OpenHelpDocument(folder.Folder(), kProgramHelpDocument));
        folder.WriteGbk("dat/Marivo.html", "<html></html>");
        QCOMPARE(HelpDocumentPath(folder.Folder(), kProgramHelpDocument),
                 QString::fromStdString(folder.Path("dat/Marivo.html")));
        folder.WriteGbk("dat/Marivo.chm", "ITSF");
        QCOMPARE(HelpDocumentPath(folder.Folder(), kProgramHelpDocument),
                 QString::fromStdString(folder.Path("dat/Marivo.chm")));
        QCOMPARE(HelpDocumentPath(folder.Folder(), kKnowledgeDocument), QString());
    }
};

QTEST_MAIN(ReportOptionsTest)
#include "report_options_test.moc"
