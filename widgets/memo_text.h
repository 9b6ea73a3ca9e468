// Multi-line memos and the "\r\n" texts of files and case records. A memo
// holds "\n" line ends; the files and records hold "\r\n". As in a list of
// lines, the line end after the last line closes it rather than opening an
// empty line after it.
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <string_view>

class QPlainTextEdit;

// The memo's lines.
QStringList MemoLines(const QString& memoText);

// The memo's text with "\r\n" line ends, UTF-8 (for a record's text field).
std::string WithCrLf(const QString& memoText);
// A "\r\n" text (UTF-8) as a memo shows it.
QString FromCrLf(std::string_view utf8);

// Every line followed by "\r\n", as GBK bytes (for a text file).
std::string GbkLinesFile(const QStringList& lines);

// The memo takes at most so many GBK bytes as stored with "\r\n" line ends
// (a Chinese character counts 2, a line end 2); longer text is cut on a
// character boundary.
void LimitMemoToGbkBytes(QPlainTextEdit& memo, std::size_t maxBytes);
