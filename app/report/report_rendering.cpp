#include "app/report/report_rendering.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QColor SpanColor(SpanColour colour) {
    switch (colour) {
    case SpanColour::Red: return QColor(255, 0, 0);
    case SpanColour::Blue: return QColor(0, 0, 255);
    case SpanColour::Green: return QColor(0, 128, 0);
    case SpanColour::Black:
    case SpanColour::Default: break;
    }
    return QColor(0, 0, 0);
}

double FontSize(const QTextEdit& view) {
    double size = view.font().pointSizeF();
    return size > 0 ? size : 12;
}

QTextCharFormat DefaultFormat(const QTextEdit& view) {
    QTextCharFormat format;
    format.setFontPointSize(FontSize(view));
    format.setForeground(QColor(0, 0, 0));
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    return format;
}

// Document position of every code point of the text (and of its end): the
// document holds one paragraph break for "\r\n" and two UTF-16 units for a
// character outside the Basic Multilingual Plane.
std::vector<int> DocumentPositions(const QString& text) {
    std::vector<int> positions;
    positions.reserve(text.size() + 1);
    int pos = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        positions.push_back(pos);
        QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            positions.push_back(pos);
            ++i;
            ++pos;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            pos += 2;
        } else {
            ++pos;
        }
    }
    positions.push_back(pos);
    return positions;
}

void ApplySpan(QTextCursor& cursor, const StyleSpan& span, const std::vector<int>& positions, double baseSize) {
    const int last = static_cast<int>(positions.size()) - 1;
    if (span.start < 0 || span.length <= 0 || span.start >= last) return;
    cursor.setPosition(positions[span.start]);
    cursor.setPosition(positions[std::min(span.start + span.length, last)], QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (span.hasSize) format.setFontPointSize(std::max(1.0, baseSize + span.sizeDelta));
    if (span.colour != SpanColour::Default) format.setForeground(SpanColor(span.colour));
    if (span.hasBold) format.setFontWeight(span.bold ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

// Replaces the document's text within one edit block (the caller ends it,
// so that the text and its styling are laid out once); undo history starts
// afresh with it.
QTextCursor Rewrite(QTextEdit& view, const QString& text, int firstLineIndent) {
    QTextDocument* doc = view.document();
    doc->setUndoRedoEnabled(false);
    view.clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    block.setTextIndent(firstLineIndent);
    cursor.setBlockFormat(block);
    QTextCharFormat format = DefaultFormat(view);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    view.setCurrentCharFormat(format);
    return cursor;
}

void Finish(QTextEdit& view, QTextCursor& cursor) {
    cursor.endEditBlock();
    QTextCursor start(view.document());
    view.setTextCursor(start);
    view.document()->setUndoRedoEnabled(true);
    view.document()->setModified(false);
}

}  // namespace

void ShowPlainReport(QTextEdit& view, const QString& text, int firstLineIndent) {
    QTextCursor cursor = Rewrite(view, text, firstLineIndent);
    Finish(view, cursor);
}

void ShowStyledReport(QTextEdit& view, const std::string& reportUtf8, const std::vector<StyleSpan>& spans,
                      int firstLineIndent) {
    const QString text = QString::fromStdString(reportUtf8);
    QTextCursor cursor = Rewrite(view, text, firstLineIndent);
    const std::vector<int> positions = DocumentPositions(text);
    const double baseSize = FontSize(view);
    for (const StyleSpan& span : spans) ApplySpan(cursor, span, positions, baseSize);
    Finish(view, cursor);
}
