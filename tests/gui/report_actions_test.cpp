// The report view's commands in the main window: the popup menu's editing
// items and "设置选中文本", "另存为" as rich and as plain text and "导入命稿"
// back, printing and "导出PDF" to a PDF file holding the report's text, the
// report's looks from "选项(&O)" stored at closing, "设定用神" recomputing the
// report, and every tool window opened from its menu.
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/report/FontColorDialog.h"
#include "widgets/RadioGroup.h"
#include "app/main/TFrmMain.h"
#include "app/options/TFrmSetYong.h"
#include "widgets/messages/save_file_dialog.h"
#include "widgets/messages/scripted_messages.h"
#include "engine/symbols/symbols.h"
#include "app/main/HelpViewer.h"
#include "app/main/help_documents.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/chart/birth_spec.h"
#include "richtext/plain_text.h"
#include "app/tool_windows/TFrmFanTui.h"
#include "app/tool_windows/TFrmPingYu.h"
#include "app/tool_windows/TFrmWnl.h"
#include "gui_fixture.h"
#include "modal_dialogs.h"

namespace fs = std::filesystem;

namespace {

// The save dialog answered with this name (a path) and filter.
void SaveAs(const QString& path, int filter = 0) {
    WhenModal<QFileDialog>([path, filter](QFileDialog* dialog) {
        dialog->selectNameFilter(dialog->nameFilters().value(filter));
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Every character's family, size, colour, weight, italic, underline and
// strike-out, paragraph by paragraph: what a saved and reloaded report must
// keep.
QStringList Styles(const QTextDocument& doc) {
    QStringList styles;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList families = f.fontFamilies().toStringList();
            line += QStringLiteral("[%1|%2|%3|%4|%5|%6|%7]%8")
                        .arg(families.value(0, doc.defaultFont().family()))
                        .arg(f.fontPointSize())
                        .arg(f.foreground().color().name())
                        .arg(f.fontWeight() >= QFont::Bold)
                        .arg(f.fontItalic())
                        .arg(f.fontUnderline())
                        .arg(f.fontStrikeOut())
                        .arg(it.fragment().text());
        }
        styles << line;
    }
    return styles;
}

// A shown main window on its own program folder, with scripted messages.
struct Window {
    ProgramFolder folder;
    ScriptedMessages messages;
    std::unique_ptr<TFrmMain> window;

    explicit Window(const std::string& settings = {}) {
        if (!settings.empty()) folder.WriteGbk("dat/bzinit.ini", settings);
        window = std::make_unique<TFrmMain>(folder.Folder());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T>
    T* Get(const char* name) { return Child<T>(window.get(), name); }
    QTextEdit* View() { return Get<QTextEdit>("Redtbazi"); }
    void Trigger(const char* action) { Get<QAction>(action)->trigger(); }
    void Compute() {
        Get<QLineEdit>("Edtname")->setText(QStringLiteral("张三"));
        Get<QLineEdit>("EdtYear")->setText(QStringLiteral("1985"));
        Get<QComboBox>("cbom")->setCurrentIndex(6);
        Get<QComboBox>("cbod")->setCurrentIndex(15);
        Get<QComboBox>("cbos")->setCurrentIndex(10);
        Get<QLineEdit>("Edtname2")->setText(QStringLiteral("李四"));
        Get<QLineEdit>("EdtYear2")->setText(QStringLiteral("1987"));
        Get<QComboBox>("cbom2")->setCurrentIndex(1);
        Get<QComboBox>("cbod2")->setCurrentIndex(3);
        Get<QComboBox>("cbos2")->setCurrentIndex(23);
        Get<QPushButton>("BtnPai")->click();
        QVERIFY(window->ChartReady());
    }
    // Selects the characters [from, to) of the view.
    void Select(int from, int to) {
        QTextCursor cursor(View()->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        View()->setTextCursor(cursor);
    }
    // Closes the window and gives the report view's stored looks,
    // "fname/fsize/bcolor".
    QString LooksStoredAtClosing() {
        window->close();
        const IniDocument ini = folder.Settings().Snapshot();
        return QStringLiteral("%1/%2/%3")
            .arg(QString::fromStdString(ini.ReadString("minggao", "fname", "")))
            .arg(ini.ReadInteger("minggao", "fsize", 0))
            .arg(ini.ReadInteger("minggao", "bcolor", 0));
    }
    QStringList Texts() const { return messages.Texts(); }
};

// The PDF's text as pdftotext reads it back, page by page as laid out.
QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The characters of a text without its blanks and line breaks.
QString Unspaced(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

// The radicals that a PDF's text layer puts in place of the ideographs
// whose glyphs they share (⼋ for 八, ⺒ for 巳).
int Radicals(const QString& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF;
    }));
}

// The PDF's text, its page numbers left out, is the report's own.
void VerifyPdfIsTheReport(const QString& pdf, const QString& report) {
    QVERIFY(QFileInfo(pdf).size() > 1000);
    const QString text = PdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext gave nothing (is poppler-utils installed?)");
    QCOMPARE(Radicals(text), 0);
    QStringList lines = text.split(u'\n');
    lines.removeIf([](const QString& line) {
        return QRegularExpression(QStringLiteral("^\\s*\\d+\\s*$")).match(line).hasMatch();
    });
    QCOMPARE(Unspaced(lines.join(QString())), Unspaced(report));
}

// `marivo --pdf` run as a user runs it, without a display.
struct PdfRun {
    int status = -1;
    QString errors;
};
PdfRun RunPdfCommand(const QStringList& arguments) {
    QProcess marivo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    marivo.setProcessEnvironment(environment);
    marivo.start(QStringLiteral(MARIVO_PROGRAM), QStringList{QStringLiteral("--pdf")} + arguments);
    if (!marivo.waitForFinished(120000)) return {};
    return {marivo.exitCode(), QString::fromUtf8(marivo.readAllStandardError())};
}

// The pillars and the sex that "反推八字" opens with: "甲子 … 男".
QString ReverseSearchPrefill(Window& w) {
    QString shown;
    WhenModal<TFrmFanTui>([&shown](TFrmFanTui* d) {
        QStringList parts;
        for (int i = 0; i < 4; ++i)
            parts << Child<QComboBox>(d, QStringLiteral("cbotian%1").arg(i).toLatin1())->currentText() +
                         Child<QComboBox>(d, QStringLiteral("cbodi%1").arg(i).toLatin1())->currentText();
        parts << (Child<QRadioButton>(d, "Rdona1")->isChecked() ? QStringLiteral("男") : QStringLiteral("女"));
        shown = parts.join(u' ');
        d->reject();
    });
    w.Get<QAction>("Tmfangtui")->trigger();
    return shown;
}

}  // namespace

class ReportActionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void thePopupMenuHoldsEveryItemInOrder() {
        Window w;
        QStringList items;
        for (QAction* action : w.Get<QMenu>("PopupRdtsend")->actions())
            items << (action->isSeparator() ? QStringLiteral("—") : action->text());
        QCOMPARE(items, QString::fromUtf8("撤销(&U) — 复制(&C) 粘帖(&V) 剪切(&T) 删除(&D) 全选(&L) — 设置选中文本(&F) — "
                                          "导入命稿(&I) 另存为(&A) 打印(&P) 导出PDF(&E)")
                            .split(u' '));
    }

    void editingItemsActOnTheSelectionAndMarkTheReportEdited() {
        Window w;
        w.Compute();
        QTextEdit* view = w.View();
        QVERIFY(!view->document()->isModified());
        const QString before = view->toPlainText();
        auto* popup = w.Get<QMenu>("PopupRdtsend");
        emit popup->aboutToShow();
        for (const char* item : {"TmUndo", "TmCopy", "TmCut", "TmDelete", "TmSetText"})
            QVERIFY2(!w.Get<QAction>(item)->isEnabled(), item);

        w.Select(0, 4);
        emit popup->aboutToShow();
        for (const char* item : {"TmCopy", "TmCut", "TmDelete", "TmSetText"}) QVERIFY2(w.Get<QAction>(item)->isEnabled(), item);
        w.Trigger("TmDelete");
        QCOMPARE(view->toPlainText(), before.mid(4));
        QVERIFY(view->document()->isModified());
        emit popup->aboutToShow();
        QVERIFY(w.Get<QAction>("TmUndo")->isEnabled());
        w.Trigger("TmUndo");
        QCOMPARE(view->toPlainText(), before);
        w.Trigger("TmSelectAll");
        QCOMPARE(view->textCursor().selectedText().size(), before.size());
    }

    void restylingTheSelectionStartsFromItsLookAndLeavesTheViewFont() {
        Window w;
        w.Compute();
        QTextEdit* view = w.View();
        const QFont viewFont = view->font();

        QVERIFY2(!ShowsDialog<FontColorDialog>([&] { w.Trigger("TmSetText"); }), "no dialog without a selection");

        // The first red character of the report.
        int red = -1;
        for (int pos = 0; red < 0 && pos < view->document()->characterCount() - 1; ++pos) {
            QTextCursor c(view->document());
            c.setPosition(pos + 1);
            if (c.charFormat().foreground().color() == QColor(255, 0, 0)) red = pos;
        }
        QVERIFY(red >= 0);
        w.Select(red, red + 2);
        QString presetColour;
        WhenModal<FontColorDialog>([&presetColour](FontColorDialog* d) {
            presetColour = Child<QComboBox>(d, "CboColour")->currentText();
            Child<QComboBox>(d, "CboColour")->setCurrentIndex(12);  // 蓝色
            Child<QComboBox>(d, "CboStyle")->setCurrentIndex(3);    // 粗偏斜体
            Child<QComboBox>(d, "CboSize")->setCurrentText(QStringLiteral("20"));
            Child<QCheckBox>(d, "ChkUnderline")->setChecked(true);
            d->accept();
        });
        w.Trigger("TmSetText");
        QCOMPARE(presetColour, QStringLiteral("红色"));
        for (int pos : {red, red + 1}) {
            QTextCursor c(view->document());
            c.setPosition(pos + 1);
            const QTextCharFormat f = c.charFormat();
            QCOMPARE(f.foreground().color(), QColor(0, 0, 255));
            QVERIFY(f.fontWeight() >= QFont::Bold && f.fontItalic() && f.fontUnderline());
            QCOMPARE(f.fontPointSize(), 20.0);
        }
        QTextCursor after(view->document());
        after.setPosition(red + 3);
        QVERIFY(after.charFormat().fontPointSize() != 20.0);
        QVERIFY(view->document()->isModified());
        QCOMPARE(view->font(), viewFont);
    }

    void theSavedExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("written");
        QTest::newRow("added") << "命稿" << ".rtf" << "命稿.rtf";
        QTest::newRow("already there") << "命稿.rtf" << ".rtf" << "命稿.rtf";
        QTest::newRow("capitals") << "命稿.RTF" << ".rtf" << "命稿.RTF";
        QTest::newRow("another extension") << "命稿.rtf" << ".txt" << "命稿.rtf.txt";
        QTest::newRow("a dot inside") << "张三.2024" << ".txt" << "张三.2024.txt";
    }
    void theSavedExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, extension);
        QFETCH(QString, written);
        QCOMPARE(WithExtension(chosen, extension), written);
    }

    void savedAsRichTextAndImportedTheReportKeepsTextAndStyles() {
        Window w;
        w.Compute();
        QTextEdit* view = w.View();
        const QString text = view->toPlainText();
        const QStringList styles = Styles(*view->document());
        const QString chosen = QString::fromStdString(w.folder.Path("命稿"));

        SaveAs(chosen, 0);
        w.Trigger("TmSaveAs");
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("已保存！")});
        QCOMPARE(w.messages.shown[0].caption, QStringLiteral("澄岚八字合婚V1.0"));
        QVERIFY(fs::exists(w.folder.Path("命稿.rtf")));
        QVERIFY(!fs::exists(chosen.toStdString()));

        w.Get<QAbstractButton>("BtoNew")->click();
        QVERIFY(view->toPlainText().isEmpty());
        ChooseFile(chosen + QStringLiteral(".rtf"));
        w.Trigger("TmLoadReport");
        QCOMPARE(view->toPlainText(), text);
        QCOMPARE(Styles(*view->document()), styles);
        QVERIFY(view->document()->isModified());
    }

    void aStruckOutSelectionIsStillStruckOutAfterSavingAndImporting() {
        Window w;
        w.Compute();
        QTextEdit* view = w.View();
        w.Select(0, 2);
        WhenModal<FontColorDialog>([](FontColorDialog* d) {
            Child<QCheckBox>(d, "ChkStrikeOut")->setChecked(true);
            d->accept();
        });
        w.Trigger("TmSetText");
        auto struckOut = [view](int pos) {
            QTextCursor c(view->document());
            c.setPosition(pos + 1);
            return c.charFormat().fontStrikeOut();
        };
        QVERIFY(struckOut(0) && struckOut(1) && !struckOut(2));
        const QStringList styles = Styles(*view->document());

        const QString chosen = QString::fromStdString(w.folder.Path("删除线.rtf"));
        SaveAs(chosen, 0);
        w.Trigger("TmSaveAs");
        w.Get<QAbstractButton>("BtoNew")->click();
        ChooseFile(chosen);
        w.Trigger("TmLoadReport");
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("已保存！")});
        QCOMPARE(Styles(*view->document()), styles);
        QVERIFY(struckOut(0) && struckOut(1) && !struckOut(2));
    }

    void savedAsPlainTextTheFileIsGbkWithCrLf() {
        Window w;
        w.Compute();
        SaveAs(QString::fromStdString(w.folder.Path("张三")), 1);
        w.Trigger("TmSaveAs");
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("已保存！")});
        const std::string bytes = FileBytes(w.folder.Path("张三.txt"));
        QVERIFY(bytes.size() > 1000);
        QCOMPARE(richtext::DetectTextEncoding(bytes), richtext::TextEncoding::Gbk);
        QString expected = w.View()->toPlainText();
        expected.replace(u'\n', QStringLiteral("\r\n"));
        QCOMPARE(QString::fromStdString(gbk::ToUtf8(bytes)), expected + QStringLiteral("\r\n"));
        QVERIFY(bytes.find("\r\n") != std::string::npos);
        for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
            QCOMPARE(bytes[i - 1], '\r');
    }

    void anExistingFileIsReplacedOnlyWhenTheUserSaysSo() {
        Window w;
        w.Compute();
        const std::string path = w.folder.Path("旧.txt");
        w.folder.WriteGbk("旧.txt", "旧的内容");
        // The name typed without its extension names the existing file too.
        for (bool replace : {false, true}) {
            w.messages.shown.clear();
            w.messages.answers = {replace};
            SaveAs(QString::fromStdString(w.folder.Path("旧")), 1);
            w.Trigger("TmSaveAs");
            QCOMPARE(w.messages.shown.size(), replace ? 2 : 1);
            QCOMPARE(w.messages.shown[0].text, QStringLiteral("旧.txt 已存在。\r\n要替换它吗？"));
            QVERIFY(w.messages.shown[0].question && !w.messages.shown[0].defaultYes);
            QCOMPARE(FileBytes(path) == gbk::FromUtf8("旧的内容"), !replace);
        }
    }

    void aFailedWriteSaysSoInsteadOfSaved() {
        Window w;
        w.Compute();
        // A folder where the file would go cannot be replaced by it.
        fs::create_directory(w.folder.Path("命稿.rtf"));
        w.messages.answers = {true};
        const QString path = QString::fromStdString(w.folder.Path("命稿.rtf"));
        SaveAs(QString::fromStdString(w.folder.Path("命稿")), 0);
        w.Trigger("TmSaveAs");
        QCOMPARE(w.messages.shown.size(), 2);
        QCOMPARE(w.messages.shown[1].text, QStringLiteral("无法写入文件") + path + QStringLiteral("，修改没有保存。"));
        QCOMPARE(w.messages.shown[1].icon, MessageIcon::Error);
        QVERIFY(fs::is_directory(path.toStdString()));
    }

    void importingAPlainTextFileAndAFileThatCannotBeRead() {
        Window w;
        w.folder.WriteGbk("稿.txt", "第一行\r\n第二行\r\n");
        ChooseFile(QString::fromStdString(w.folder.Path("稿.txt")));
        w.Trigger("TmLoadReport");
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("第一行\n第二行"));
        QTextCursor c(w.View()->document());
        c.setPosition(1);
        QCOMPARE(c.charFormat().foreground().color(), QColor(Qt::black));
        QCOMPARE(c.charFormat().fontPointSize(), w.View()->font().pointSizeF());
        QVERIFY(w.messages.shown.isEmpty());

        // Far larger than any report: refused, and the view keeps its text.
        const std::string huge = w.folder.Path("huge.rtf");
        { std::ofstream(huge) << "{\\rtf1 "; }
        fs::resize_file(huge, std::uintmax_t(65) << 20);
        ChooseFile(QString::fromStdString(huge));
        w.Trigger("TmLoadReport");
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown[0].text, QStringLiteral("导入文件出错,请重试一次"));
        QCOMPARE(w.messages.shown[0].caption, QStringLiteral("重试一次"));
        QCOMPARE(w.messages.shown[0].icon, MessageIcon::None);
    }

    void printingAsksFirstAndPrintsTheWholeReport() {
        Window w;
        w.Compute();
        QVERIFY(!ShowsDialog<QPrintDialog>([&] { w.Trigger("TmPrint"); }));
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown[0].text, QStringLiteral("准备开始打印吗?"));
        QCOMPARE(w.messages.shown[0].caption, QStringLiteral("打印"));

        const QString pdf = QString::fromStdString(w.folder.Path("printed.pdf"));
        w.messages.answers = {true};
        int minPage = 0, maxPage = 0;
        bool selectionOffered = true;
        // The dialog's own printer list ends with printing to a PDF file.
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            minPage = d->minPage(), maxPage = d->maxPage();
            selectionOffered = d->testOption(QAbstractPrintDialog::PrintSelection);
            auto* printers = Child<QComboBox>(d, "printers");
            printers->setCurrentIndex(printers->count() - 1);
            Child<QLineEdit>(d, "filename")->setText(pdf);
            d->accept();
        });
        w.Trigger("TmPrint");
        QCOMPARE(minPage, 1);
        QCOMPARE(maxPage, 100);
        QVERIFY2(!selectionOffered, "no selection to print");
        QVERIFY2(w.messages.shown.size() == 2, qPrintable(w.Texts().join(u'|')));
        VerifyPdfIsTheReport(pdf, w.View()->toPlainText());
    }

    void exportedAsPdfTheFileHoldsTheReport() {
        Window w;
        w.Compute();
        SaveAs(QString::fromStdString(w.folder.Path("张三李四")));
        w.Trigger("TmExportPdf");
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("已保存！")});
        VerifyPdfIsTheReport(QString::fromStdString(w.folder.Path("张三李四.pdf")), w.View()->toPlainText());
    }

    void thePdfCommandWritesTheReportWithoutAWindow() {
        ProgramFolder folder;
        const std::string a = "date=1980-07-16,time=10:00,name=张三", b = "date=1983-02-04,time=23:30,name=李四,sex=女";
        const QString pdf = QString::fromStdString(folder.Path("批量.pdf"));
        const PdfRun run = RunPdfCommand({pdf, QStringLiteral("--a"), QString::fromStdString(a), QStringLiteral("--b"),
                                          QString::fromStdString(b), QStringLiteral("--dir"),
                                          QString::fromStdString(folder.Folder())});
        QVERIFY2(run.status == 0, qPrintable(run.errors));
        // The report of the same couple, as the engine writes it.
        BirthData persons[2];
        std::string error;
        const IniDocument places;  // the specs name no place
        QVERIFY(ParseSpec(a, 0, places, persons[0], error) && ParseSpec(b, 1, places, persons[1], error));
        CBaZiEx engine(folder.Folder(), StandardReadings());
        engine.showReport = 0;
        QVERIFY(engine.ComputeCouple(persons[0], persons[1]));
        const QString report = QString::fromStdString(engine.report);
        QVERIFY(report.contains(QStringLiteral("八字")) && report.contains(QStringLiteral("出生")));
        VerifyPdfIsTheReport(pdf, report);
    }

    void thePdfCommandRefusesBadInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString a = QStringLiteral("date=1980-07-16,time=10:00"), b = QStringLiteral("date=1983-02-04,time=23:30");
        const QString out = QDir::temp().filePath(QStringLiteral("marivo-pdf-test.pdf"));
        QTest::newRow("no --b") << QStringList{out, "--a", a} << 2 << "用法：marivo --pdf";
        QTest::newRow("unknown option") << QStringList{out, "--a", a, "--b", b, "--json", "1"} << 2 << "用法：marivo --pdf";
        QTest::newRow("bad date") << QStringList{out, "--a", "date=1980-13-45x,time=10:00", "--b", b} << 2 << "--a: 无效的 date";
        QTest::newRow("no time") << QStringList{out, "--a", a, "--b", "date=1983-02-04"} << 2 << "--b: 缺少键 \"time\"";
        QTest::newRow("impossible date") << QStringList{out, "--a", "date=1980-02-30,time=10:00", "--b", b} << 2 << "";
        QTest::newRow("unwritable") << QStringList{"/nonexistent-folder/x.pdf", "--a", a, "--b", b} << 1
                                    << "无法写入 /nonexistent-folder/x.pdf";
    }
    void thePdfCommandRefusesBadInput() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const PdfRun run = RunPdfCommand(arguments);
        QCOMPARE(run.status, status);
        const QString last = run.errors.trimmed().split(u'\n').last();
        QVERIFY2(last.startsWith(QStringLiteral("marivo: ")) && last.contains(message), qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(arguments.first()));
    }

    void theDefaultLooksAreStoredAtClosing() {
        Window w("[minggao]\r\nfname=Noto Serif CJK SC\r\nfsize=15\r\nbcolor=16777215\r\n");
        QCOMPARE(w.View()->font().pointSize(), 15);
        w.Trigger("TmDefault");
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("设置完成")});
        QCOMPARE(w.messages.shown[0].caption, QStringLiteral("澄岚八字合婚V1.0"));
        QCOMPARE(w.LooksStoredAtClosing(), QStringLiteral("宋体/12/12635344"));
    }

    void theChosenFontAndBackgroundAreStoredAtClosing() {
        Window w;
        // Cancelled: nothing changes and nothing is said.
        WhenModal<FontColorDialog>([](FontColorDialog* d) { d->reject(); });
        w.Trigger("TmFont");
        QVERIFY2(w.messages.shown.isEmpty(), qPrintable(w.Texts().join(u'|')));

        WhenModal<FontColorDialog>([](FontColorDialog* d) {
            Child<QComboBox>(d, "CboSize")->setCurrentText(QStringLiteral("16"));
            Child<QComboBox>(d, "CboStyle")->setCurrentIndex(2);     // 粗体: not the view's
            Child<QComboBox>(d, "CboColour")->setCurrentIndex(9);    // 红色: not the view's
            d->accept();
        });
        w.Trigger("TmFont");
        QCOMPARE(w.View()->font().pointSize(), 16);
        QVERIFY(!w.View()->font().bold());
        WhenModal<QColorDialog>([](QColorDialog* d) {
            d->setCurrentColor(QColor(0x10, 0x20, 0x30));
            d->accept();
        });
        w.Trigger("TmColor");
        QCOMPARE(w.Texts(), (QStringList{QStringLiteral("设置完成"), QStringLiteral("设置完成")}));
        QCOMPARE(w.LooksStoredAtClosing(), QStringLiteral("宋体/16/%1").arg(0x302010));
    }

    void theLooksChangeTheTextOnScreenAtOnce() {
        Window w;
        w.Compute();
        QTextEdit* view = w.View();
        const QString text = view->toPlainText();
        const QStringList computed = Styles(*view->document());
        // Every character in its family and size; colours and bold aside.
        auto looks = [view] {
            QMap<QString, int> counts;
            for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat f = it.fragment().charFormat();
                    const QString family = f.fontFamilies().toStringList().value(0, view->document()->defaultFont().family());
                    counts[QStringLiteral("%1 %2").arg(family).arg(f.fontPointSize())] += it.fragment().length();
                }
            return counts;
        };
        const QMap<QString, int> before = looks();
        QVERIFY(before.contains(QStringLiteral("宋体 11")) && before.contains(QStringLiteral("宋体 16")));

        WhenModal<FontColorDialog>([](FontColorDialog* d) {
            auto* fonts = Child<QComboBox>(d, "CboFont");
            fonts->setCurrentIndex(fonts->findData(QStringLiteral("Noto Sans Mono CJK TC")));
            Child<QComboBox>(d, "CboSize")->setCurrentText(QStringLiteral("15"));
            d->accept();
        });
        w.Trigger("TmFont");
        QCOMPARE(view->toPlainText(), text);
        QMap<QString, int> expected;
        for (auto it = before.begin(); it != before.end(); ++it)
            expected[QStringLiteral("Noto Sans Mono CJK TC %1").arg(it.key().section(u' ', -1).toInt() + 3)] += it.value();
        QCOMPARE(looks(), expected);
        // Colours and bold stay where the report put them.
        QStringList colours, restored;
        for (const QString& line : computed) colours << QString(line).remove(QRegularExpression(QStringLiteral("\\[[^|]*\\|[^|]*\\|")));
        for (const QString& line : Styles(*view->document()))
            restored << QString(line).remove(QRegularExpression(QStringLiteral("\\[[^|]*\\|[^|]*\\|")));
        QCOMPARE(restored, colours);
        QVERIFY(!view->document()->isModified());

        w.Trigger("TmDefault");
        QCOMPARE(Styles(*view->document()), computed);
    }

    void theLooksReachALoadedReportToo() {
        Window w;
        w.folder.WriteGbk("稿.rtf", "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 Noto Serif CJK SC;}}\\f0\\fs28 \\'b0\\'cb\\'d7\\'d6\\b \\'ba\\'cf\\'bb\\'e9\\b0\\par}");
        ChooseFile(QString::fromStdString(w.folder.Path("稿.rtf")));
        w.Trigger("TmLoadReport");
        QCOMPARE(w.View()->toPlainText(), QStringLiteral("八字合婚"));
        w.Trigger("TmDefault");
        for (int pos : {0, 2}) {
            QTextCursor c(w.View()->document());
            c.setPosition(pos + 1);
            QCOMPARE(c.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
            QCOMPARE(c.charFormat().fontWeight() >= QFont::Bold, pos == 2);
        }
    }

    void theFontDialogOffersTheAligningFontsFirst() {
        Window w;
        FontColorDialog dialog(w.View()->font(), Qt::black);
        auto* fonts = Child<QComboBox>(&dialog, "CboFont");
        auto* warning = Child<QLabel>(&dialog, "LabFontWarning");
        // The view's 宋体 stands for a monospaced CJK face, which lines up.
        QVERIFY(LinesUpColumns(fonts->currentData().toString()));
        QVERIFY(warning->isHidden());
        QStringList aligned, marked;
        bool separated = false;
        for (int i = 0; i < fonts->count(); ++i) {
            const QString family = fonts->itemData(i).toString();
            if (family.isEmpty()) {
                separated = true;
                continue;
            }
            const bool lines = LinesUpColumns(family);
            QVERIFY2(lines != separated, qPrintable(family));  // aligning ones above the separator
            QCOMPARE(fonts->itemText(i).endsWith(QStringLiteral("（不等宽）")), !lines);
            (lines ? aligned : marked) << family;
            for (QChar c : fonts->itemText(i)) QVERIFY2(c.script() != QChar::Script_Hangul, qPrintable(fonts->itemText(i)));
        }
        QVERIFY(aligned.contains(QStringLiteral("Noto Sans Mono CJK SC")));
        QVERIFY(marked.contains(QStringLiteral("Noto Serif CJK SC")));
        QVERIFY(!aligned.contains(QStringLiteral("Noto Serif CJK SC")));
        fonts->setCurrentIndex(fonts->findData(QStringLiteral("Noto Serif CJK SC")));
        QVERIFY(!warning->isHidden());
    }

    void theFontDialogsSampleFitsAtEverySize() {
        FontColorDialog dialog(FontNamed(kDefaultFontName, 12), Qt::black);
        auto* sample = Child<QLabel>(&dialog, "LabSample");
        for (const char* size : {"8", "20", "48", "72", "200"}) {
            Child<QComboBox>(&dialog, "CboSize")->setCurrentText(QString::fromLatin1(size));
            const QFontMetrics metrics(sample->font());
            QVERIFY2(metrics.horizontalAdvance(sample->text()) <= sample->contentsRect().width() &&
                         metrics.height() <= sample->contentsRect().height(),
                     size);
        }
        QCOMPARE(dialog.SelectedFont().pointSize(), 200);  // what is chosen is not what the sample shows
    }

    void theUsefulGodNeedsAChartAndRecomputesTheReport() {
        Window w;
        w.Get<QAbstractButton>("SbtoSet")->click();
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("请先排一个正确的盘")});
        QCOMPARE(w.messages.shown[0].caption, QStringLiteral("排盘"));

        w.Compute();
        const QString computed = w.View()->toPlainText();
        const QString partA = computed.left(computed.indexOf(QStringLiteral("乙命八字：")));
        QVERIFY(!partA.contains(QStringLiteral("(官杀、财星)")));
        // Cancelled: the report stays and nothing is asked.
        w.messages.shown.clear();
        WhenModal<TFrmSetYong>([](TFrmSetYong* d) { Child<QPushButton>(d, "BtnCancel")->click(); });
        w.Get<QAbstractButton>("SbtoSet")->click();
        QCOMPARE(w.View()->toPlainText(), computed);
        QVERIFY(w.messages.shown.isEmpty());

        WhenModal<TFrmSetYong>([](TFrmSetYong* d) {
            Child<RadioGroup>(d, "RdoYong")->SetItemIndex(3);  // 官杀
            Child<RadioGroup>(d, "RdoXi")->SetItemIndex(2);    // 财星
            Child<RadioGroup>(d, "RdoRi")->SetItemIndex(5);    // 太旺
            Child<QPushButton>(d, "BtnOk")->click();
        });
        w.Get<QAbstractButton>("SbtoSet")->click();
        const QString recomputed = w.View()->toPlainText();
        const QString newPartA = recomputed.left(recomputed.indexOf(QStringLiteral("乙命八字：")));
        QVERIFY(newPartA.contains(QStringLiteral("日元太旺，")));
        QVERIFY(newPartA.contains(QStringLiteral("(官杀、财星)")));
        QVERIFY(w.window->ChartReady());
        QVERIFY(!w.View()->document()->isModified());
    }

    void theMenusHoldTheirItems() {
        Window w;
        auto texts = [&](const char* menu) {
            QStringList items;
            for (QAction* a : w.Get<QMenu>(menu)->actions()) items << (a->isSeparator() ? QStringLiteral("—") : a->text());
            return items.join(u' ');
        };
        QCOMPARE(texts("MenuFile"), QStringLiteral("保存八字(&S) 另存为(&A) 导出PDF(&E) 打印(&P) — 导入历史记录(&I) "
                                                   "导出历史记录(&O) 清除历史记录(&C) — 择偶排行(&R) — 退出(&X)"));
        QCOMPARE(texts("MenuKnowledge"), QStringLiteral("八字断语(&B) 河洛图像(&H) 相关知识(&X)"));
        QCOMPARE(texts("MenuTools"),
                 QStringLiteral("反推八字(&F) 测怀孕(&C) 巧猜姓氏(&Q) 姓名与五行(&X) — 经纬度设置(&J) 万年历(&W)"));
        QCOMPARE(texts("MenuOptions"), QStringLiteral("命稿设置(&M) 排盘设置(&P) 命稿结尾信息(&E)"));
        QCOMPARE(texts("MenuReportLooks"), QStringLiteral("默认(&D) 字体设置(&F) 背景色设置(&B)"));
        QCOMPARE(texts("MenuHelp"), QStringLiteral("软件帮助(&H)"));
        // Each menu's accelerators are its own.
        for (const char* menu : {"MenuFile", "MenuKnowledge", "MenuTools", "MenuOptions", "MenuReportLooks", "MenuHelp",
                                 "PopupRdtsend", "PopMingLi"}) {
            QSet<QChar> keys;
            for (QAction* a : w.Get<QMenu>(menu)->actions()) {
                if (a->isSeparator()) continue;
                const qsizetype amp = a->text().indexOf(u'&');
                QVERIFY2(amp >= 0, qPrintable(a->text()));
                QVERIFY2(!keys.contains(a->text()[amp + 1]), qPrintable(a->text()));
                keys << a->text()[amp + 1];
            }
        }
        QStringList bar;
        for (QAction* a : w.window->menuBar()->actions()) bar << a->text();
        QCOMPARE(bar.join(u' '), QStringLiteral("文件(&F) 命理知识(&S) 辅助工具(&T) 选项(&O) 帮助(&H)"));
    }

    void theCommandsHaveTheDesktopsStandardKeys_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("退出") << "TmExit" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("打印") << "TmPrint" << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("另存为") << "TmSaveAs" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
        QTest::newRow("查找") << "TmFind" << QKeySequence(QStringLiteral("Ctrl+F"));
        QTest::newRow("软件帮助") << "TmHelp" << QKeySequence(QStringLiteral("F1"));
        QTest::newRow("删除命例") << "TmDeleteCase" << QKeySequence(QStringLiteral("Del"));
        QTest::newRow("保存八字") << "TmSave" << QKeySequence(QStringLiteral("Ctrl+S"));
    }
    void theCommandsHaveTheDesktopsStandardKeys() {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        Window w;
        // The platform's own keys for the command, or the usual ones.
        QVERIFY2(w.Get<QAction>(item.toLatin1())->shortcuts().contains(keys), qPrintable(keys.toString()));
    }

    void theKeysReachTheirCommandsFromTheReportView() {
        Window w;
        w.Compute();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.View()->setFocus();
        // Ctrl+P asks before printing.
        QTest::keySequence(w.View(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(w.Texts(), QStringList{QStringLiteral("准备开始打印吗?")});
        // Ctrl+Shift+S offers to save the report as a file.
        QVERIFY(ShowsDialog<QFileDialog>([&] { QTest::keySequence(w.View(), QKeySequence(QStringLiteral("Ctrl+Shift+S"))); }));
        // Ctrl+Q closes the window.
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keySequence(w.View(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QTRY_VERIFY(!w.window->isVisible());
    }

    void helpIsShownInTheProgramWhenTheDesktopCannotOpenIt() {
        Window w;
        fs::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/Marivo.html", w.folder.Path("dat/Marivo.html"));
        fs::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/bzzs.html", w.folder.Path("dat/bzzs.html"));
        // The test platform has no desktop viewer: the program shows the page.
        QVERIFY(!OpenHelpDocument(w.folder.Folder(), kProgramHelpDocument));
        w.Trigger("TmHelp");
        auto* help = w.window->findChild<HelpViewer*>();
        QVERIFY(help && help->isVisible() && help->isWindow());
        QCOMPARE(help->windowTitle(), QStringLiteral("澄岚八字合婚 使用说明"));
        QVERIFY(help->toPlainText().contains(QStringLiteral("测算")));
        w.Trigger("TmHelp");
        QCOMPARE(w.window->findChildren<HelpViewer*>().size(), 1);
        w.Trigger("TmZhiShi");
        QCOMPARE(w.window->findChildren<HelpViewer*>().size(), 2);
    }

    void eachModalItemOpensItsDialog_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        const char* rows[][2] = {{"TmHeLuo", "TFrmHeLuo"},     {"Tmfangtui", "TFrmFanTui"}, {"TmHuaiYun", "TFrmHuaiYun"},
                                 {"TmTestName", "TFrmTestName"}, {"TmHanZi", "TFrmHanZi"},   {"TmDiLi", "TFrmDiLi"},
                                 {"TmSet", "TFrmSet"},           {"TmEndInfo", "TFrmEndfo"}};
        for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1];
    }
    void eachModalItemOpensItsDialog() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        Window w;
        QString opened;
        WhenModal<QDialog>([&opened](QDialog* d) {
            opened = QString::fromLatin1(d->metaObject()->className());
            d->reject();
        });
        w.Get<QAction>(item.toLatin1())->trigger();
        QCOMPARE(opened, dialog);
        // Freed when it closed.
        QVERIFY(w.window->findChildren<QDialog*>().isEmpty());
    }

    void theModelessWindowsAreReusedWhileOpen() {
        Window w;
        w.Trigger("TmPingYu");
        w.Trigger("TmWnl");
        auto* comments = w.window->findChild<TFrmPingYu*>();
        auto* calendar = w.window->findChild<TFrmWnl*>();
        QVERIFY(comments && comments->isVisible() && !comments->isModal());
        QVERIFY(calendar && calendar->isVisible() && !calendar->isModal());
        w.Trigger("TmPingYu");
        w.Trigger("TmWnl");
        QCOMPARE(w.window->findChildren<TFrmPingYu*>().size(), 1);
        QCOMPARE(w.window->findChildren<TFrmWnl*>().size(), 1);
    }

    void theReverseSearchStartsFromTheLastChartAndTheSexOfPersonA() {
        Window w;
        QCOMPARE(ReverseSearchPrefill(w), QStringLiteral("癸亥 癸亥 癸亥 癸亥 男"));

        w.Compute();
        w.Get<QRadioButton>("Rdonv")->setChecked(true);
        uint8_t pillars[4];
        w.window->LastPillars(pillars);
        QStringList expected;
        for (uint8_t p : pillars)
            expected << QString::fromUtf8(sym::kStemNames[sym::StemOf(p)]) + QString::fromUtf8(sym::kBranchNames[sym::BranchOf(p)]);
        QVERIFY(expected.join(u' ') != QStringLiteral("癸亥 癸亥 癸亥 癸亥"));
        QCOMPARE(ReverseSearchPrefill(w), expected.join(u' ') + QStringLiteral(" 女"));
    }
};

QTEST_MAIN(ReportActionsTest)
#include "report_actions_test.moc"
