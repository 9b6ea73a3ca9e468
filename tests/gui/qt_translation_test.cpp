// Qt's own texts in Chinese: without the translation file the program runs
// on in English; with Qt's Chinese translation the message boxes' buttons
// and the file dialog speak Chinese.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "widgets/messages/message_box.h"
#include "widgets/qt_translation.h"
#include "gui_fixture.h"

namespace {

QString ButtonText(QMessageBox& box, QMessageBox::StandardButton which) { return box.button(which)->text(); }

QStringList ButtonTexts(QDialog& dialog) {
    QStringList texts;
    for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons()) texts << b->text();
    return texts;
}

}  // namespace

class QtTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    // Runs first (Qt Test keeps the order of the slots): once installed, the
    // translation stays for the rest of the program.
    void aMissingTranslationLeavesQtsEnglishTexts() {
        QTemporaryDir empty;
        QVERIFY(!InstallQtChineseTranslation(empty.path()));
        QMessageBox box(QMessageBox::Question, kAppTitle, QStringLiteral("要保存吗？"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(ButtonText(box, QMessageBox::Yes), QStringLiteral("&Yes"));
        QCOMPARE(ButtonText(box, QMessageBox::No), QStringLiteral("&No"));
    }

    void qtsChineseTranslationGivesChineseButtonsAndDialogs() {
        QVERIFY2(InstallQtChineseTranslation(), qPrintable("no qtbase_zh_CN.qm in " + QtTranslationsFolder()));
        QMessageBox box(QMessageBox::Question, kAppTitle, QStringLiteral("要保存吗？"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(ButtonText(box, QMessageBox::Yes), QStringLiteral("是(&Y)"));
        QCOMPARE(ButtonText(box, QMessageBox::No), QStringLiteral("否(&N)"));
        QMessageBox notice(QMessageBox::Information, kAppTitle, QStringLiteral("设置完成"),
                           QMessageBox::Ok);
        QCOMPARE(ButtonText(notice, QMessageBox::Ok), QStringLiteral("确定"));

        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(ButtonTexts(files), (QStringList{QStringLiteral("保存(&S)"), QStringLiteral("取消")}));
    }
};

QTEST_MAIN(QtTranslationTest)
#include "qt_translation_test.moc"
