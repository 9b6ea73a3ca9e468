// The program's dialogs in the Chinese locale: the file dialogs write a
// file's date as a Chinese desktop does, however the environment was set
// when the program started (where the system has that locale at all).
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>

#include "widgets/qt_translation.h"
#include "gui_fixture.h"

class ChineseLocaleTest : public QObject {
    Q_OBJECT
private slots:
    void theFileDialogWritesDatesTheChineseWay() {
        if (!ChineseLocaleInstalled()) QSKIP("the system has no zh_CN.UTF-8 locale (locale-gen zh_CN.UTF-8)");
        QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
        ProgramFolder program;
        program.WriteGbk("命稿.txt", "八字合婚");
        QFileDialog dialog(nullptr, QStringLiteral("导入命稿"), QString::fromStdString(program.Folder()));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex file = model->index(QString::fromStdString(program.Path("命稿.txt")));
        QTRY_VERIFY(!model->data(file.siblingAtColumn(3)).toString().isEmpty());
        const QString date = model->data(file.siblingAtColumn(3)).toString();
        // "2026/12/10 23:58", not "10 Dec 2026 23:58:00".
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}/\\d{1,2} \\d{1,2}:\\d{2}$")).match(date).hasMatch(),
                 qPrintable(date));
    }
};

// The locale is chosen before the application object reads the system's,
// as the program's own start does.
int main(int argc, char** argv) {
    qputenv("LC_ALL", "C.UTF-8");  // a setting that would otherwise win
    UseChineseLocale();
    QApplication app(argc, argv);
    ChineseLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "chinese_locale_test.moc"
