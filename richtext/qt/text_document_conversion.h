// The report view's QTextDocument and the report's document model, each
// made from the other, so that the RTF and plain-text files need no Qt.
#pragma once

#include "richtext/rich_document.h"

class QTextDocument;

namespace richtext {

// The report view counts indents in pixels at 96 dots per inch; rich-text
// files count twips (1/1440 inch).
inline constexpr double kTwipsPerPixel = 15.0;

// Replaces the text document's content with the paragraphs of doc, every
// character and paragraph format set in full.
void FillTextDocument(const RichDocument& doc, QTextDocument& out);

// The paragraphs of the text document. What a fragment's format leaves
// unset comes from the document's default font (the view's font), in black.
// A line separator (Shift+Enter) ends a paragraph too; embedded objects
// (pictures) are no text.
RichDocument DocumentFromTextDocument(const QTextDocument& doc);

}  // namespace richtext
