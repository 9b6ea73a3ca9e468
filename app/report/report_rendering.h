// Renders the engine's report into the report view: the text in the view's
// default format (the view's font size, black, no style, left aligned with
// the first-line indent of the setting "leftpos"), then the style spans.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "engine/chart/report_style.h"

class QTextEdit;

// Clears the view and writes text in the default format.
void ShowPlainReport(QTextEdit& view, const QString& text, int firstLineIndent = 0);

// Clears the view, writes the report and applies the spans (positions count
// code points of reportUtf8, in which "\r\n" ends a line).
void ShowStyledReport(QTextEdit& view, const std::string& reportUtf8, const std::vector<StyleSpan>& spans,
                      int firstLineIndent);
