// The report's document model through QTextDocument and back, and a text
// document as the report view holds it (formats partly left to the view's font).
#include "richtext/qt/text_document_conversion.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace richtext {
namespace {

CharFormat Format(Colour colour, int halfPoints, bool bold) {
    CharFormat f;
    f.colour = colour;
    f.halfPoints = halfPoints;
    f.bold = bold;
    return f;
}

RichDocument Report() {
    CharFormat times = Format(kBlack, 21, false);
    times.fontFamily = "Times New Roman";
    times.italic = true;
    times.underline = true;
    RichDocument doc;
    doc.paragraphs = {
        {{{"甲命八字：", Format(kBlue, 24, true)}, {"乾造\t庚午", Format(kRed, 24, false)}}, {Alignment::Left, 0, 300}},
        {{}, {}},
        {{{"婚配指数87分", Format(kRed, 32, true)}}, {Alignment::Centre, 0, 0}},
        {{{"乙命 😀 ", Format(kGreen, 22, false)}, {"Latin", times}}, {Alignment::Justify, 600, -150}},
    };
    return doc;
}

TEST(TextDocumentConversion, ModelSurvivesTheTextDocument) {
    QTextDocument text;
    FillTextDocument(Report(), text);
    EXPECT_EQ(text.blockCount(), 4);
    EXPECT_EQ(text.toPlainText(), QString::fromUtf8("甲命八字：乾造\t庚午\n\n婚配指数87分\n乙命 😀 Latin"));
    EXPECT_EQ(DocumentFromTextDocument(text), Report());

    // Filling replaces what was there; an empty model leaves an empty document.
    FillTextDocument(RichDocument{}, text);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_TRUE(DocumentFromTextDocument(text).paragraphs.empty());
}

TEST(TextDocumentConversion, UnsetFormatsComeFromTheViewFont) {
    QTextDocument text;
    QFont viewFont(QString::fromUtf8("宋体"));
    viewFont.setPointSize(14);
    text.setDefaultFont(viewFont);
    QTextCursor cursor(&text);
    QTextBlockFormat indent;
    indent.setTextIndent(20);  // pixels, as the setting "leftpos" gives them
    cursor.setBlockFormat(indent);
    cursor.insertText(QString::fromUtf8("默认"));
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontWeight(QFont::Bold);
    cursor.insertText(QString::fromUtf8("红色"), red);
    cursor.insertText(QString(QChar::LineSeparator) + QString::fromUtf8("下一行"));

    RichDocument doc = DocumentFromTextDocument(text);
    ASSERT_EQ(doc.paragraphs.size(), 2u);
    const Paragraph& first = doc.paragraphs[0];
    EXPECT_EQ(first.format.firstLineIndent, 300);
    ASSERT_EQ(first.runs.size(), 2u);
    EXPECT_EQ(first.runs[0].format, Format(kBlack, 28, false));
    EXPECT_EQ(first.runs[1].format, Format(kRed, 28, true));
    EXPECT_EQ(doc.paragraphs[1].format.firstLineIndent, 300);
    EXPECT_EQ(doc.paragraphs[1].runs.at(0).text, "下一行");
}

TEST(TextDocumentConversion, RtfToTheViewAndBack) {
    RichDocument fromFile;
    ASSERT_TRUE(ReadRtf(WriteRtf(Report()), fromFile));
    QTextDocument text;
    FillTextDocument(fromFile, text);
    RichDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(DocumentFromTextDocument(text)), back));
    EXPECT_EQ(back, Report());
}

}  // namespace
}  // namespace richtext
