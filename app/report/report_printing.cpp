#include "app/report/report_printing.h"

#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>

#include "widgets/messages/message_box.h"
#include "widgets/messages/save_file_dialog.h"
#include "widgets/messages/write_failure.h"
#include "widgets/print_fonts.h"

void PrintReportOn(const QTextEdit& view, QPagedPaintDevice& device) {
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (printer) printer->setDocName(QString());
    if (auto* writer = dynamic_cast<QPdfWriter*>(&device)) writer->setTitle(QString());
    // In the print fonts, so that a PDF's text is the report's own.
    const QTextCursor selection = view.textCursor();
    const std::unique_ptr<QTextDocument> pages =
        printer && printer->printRange() == QPrinter::Selection && selection.hasSelection()
            ? PrintableCopy(*view.document(), selection.selectionStart(), selection.selectionEnd())
            : PrintableCopy(*view.document());
    pages->print(&device);
}

bool WriteReportPdf(const QTextEdit& view, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(kAppTitle);
        PrintReportOn(view, writer);
    }
    return file.commit();
}

void PrintReport(const QTextEdit& view, QWidget* parent) {
    if (!Messages().Ask(parent, QStringLiteral("准备开始打印吗?"), QStringLiteral("打印"), MessageIcon::Information))
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 100);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintPageRange |
                                                       QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    // Printing an empty selection would print nothing.
    if (view.textCursor().hasSelection()) options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.isValid()) PrintReportOn(view, printer);
    if (!printer.isValid() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        Messages().Notice(parent, QStringLiteral("打印错误，请检查打印设备！"), QStringLiteral("打印错误"),
                          MessageIcon::Error);
}

void ExportReportPdf(const QTextEdit& view, QWidget* parent) {
    const ChosenFile file = ChooseSaveFile(parent, QStringLiteral("导出PDF"),
                                           {{QStringLiteral("PDF文件"), QStringLiteral(".pdf")}});
    if (file.path.isEmpty()) return;
    if (Written(parent, WriteReportPdf(view, file.path), file.path)) Messages().Plain(parent, QStringLiteral("已保存！"));
}
