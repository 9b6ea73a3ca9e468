// "打印" and "导出PDF" of the report view's popup menu. Both lay the report
// out on pages the same way: the view's text with its fonts and colours
// (the background colour is the screen's only), page numbers at the foot.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QTextEdit;
class QWidget;

// The report on the device's pages, with an empty document title: all of
// it, or the pages or the selection that a printer's range asks for.
void PrintReportOn(const QTextEdit& view, QPagedPaintDevice& device);

// Writes the whole report as a PDF file, replacing it whole; false when the
// file could not be written.
bool WriteReportPdf(const QTextEdit& view, const QString& path);

// "打印": asks first, then the print dialog (pages 1 to 100, the selection
// when there is one) and the printing; a failure of either is reported.
void PrintReport(const QTextEdit& view, QWidget* parent);

// "导出PDF": asks for the file name and writes the PDF.
void ExportReportPdf(const QTextEdit& view, QWidget* parent);
