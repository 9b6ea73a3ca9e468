// The report view and the saved report of a case (bazi_f/<n>.rtf): the view's
// text document written as RTF, and a report file loaded into the view,
// both through the toolkit-free document model of richtext/.
#pragma once

#include <string>

class QTextEdit;

// Writes the view's text as RTF, replacing the file atomically (its folder
// is created when missing); false when it could not be written.
bool WriteReportFile(const QTextEdit& view, const std::string& path);

// Replaces the view's text with the file's (RTF, else plain text in the
// view's font); false, leaving the view as it was, when it cannot be read.
bool LoadReportFileInto(QTextEdit& view, const std::string& path);
