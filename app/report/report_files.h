// "导入命稿" and "另存为" of the report view's popup menu: a report file of
// the user's (rich text or plain text) loaded into the view, and the view's
// text saved as rich text or as GBK plain text.
#pragma once

#include <QString>

class QTextEdit;
class QWidget;

// The two kinds of "另存为", in the order of its filters.
enum class ReportFileKind { Rtf, Text };

// Writes the view's text as the kind says, replacing the file whole; false
// when it could not be written.
bool SaveReport(const QTextEdit& view, const QString& path, ReportFileKind kind);

// "导入命稿": asks for the file and loads it; a file that cannot be read
// leaves the view as it was and says so.
void ImportReport(QTextEdit& view, QWidget* parent);

// "另存为": asks for the name and the kind, writes the file with the kind's
// extension and says "已保存！", or that the file could not be written.
void SaveReportAs(const QTextEdit& view, QWidget* parent);
