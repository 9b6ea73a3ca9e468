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
#include "tests/richtext/styled_report.h"

namespace richtext {
namespace {

TEST(TextDocumentConversion, ModelSurvivesTheTextDocument) {
    QTextDocument text;
    FillTextDocument(StyledReport(), text);
    EXPECT_EQ(text.blockCount(), static_cast<int>(StyledReport().paragraphs.size()));
    EXPECT_EQ(text.toPlainText() + "\n", QString::fromStdString(PlainText(StyledReport())));
    EXPECT_EQ(DocumentFromTextDocument(text), StyledReport());

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
    EXPECT_EQ(first.runs[0].format, Styled(kBlack, 28, false));
    EXPECT_EQ(first.runs[1].format, Styled(kRed, 28, true));
    EXPECT_EQ(doc.paragraphs[1].format.firstLineIndent, 300);
    EXPECT_EQ(doc.paragraphs[1].runs.at(0).text, "下一行");
}

TEST(TextDocumentConversion, RtfToTheViewAndBack) {
    RichDocument fromFile;
    ASSERT_TRUE(ReadRtf(WriteRtf(StyledReport()), fromFile));
    QTextDocument text;
    FillTextDocument(fromFile, text);
    RichDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(DocumentFromTextDocument(text)), back));
    EXPECT_EQ(back, StyledReport());
}

// "设置选中文本" sets a whole font on the selection; its strike-out reaches
// the file and comes back on the same characters only.
TEST(TextDocumentConversion, StrikeOutOfASelectionSurvivesTheRtfFile) {
    QTextDocument view;
    view.setDefaultFont(QFont(QString::fromUtf8("宋体"), 12));
    QTextCursor cursor(&view);
    cursor.insertText(QString::fromUtf8("甲命八字：张三"));
    cursor.setPosition(2);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    QFont struck = view.defaultFont();
    struck.setStrikeOut(true);
    QTextCharFormat chosen;
    chosen.setFont(struck);
    cursor.mergeCharFormat(chosen);

    RichDocument fromFile;
    ASSERT_TRUE(ReadRtf(WriteRtf(DocumentFromTextDocument(view)), fromFile));
    ASSERT_EQ(fromFile.paragraphs.size(), 1u);
    const std::vector<TextRun>& runs = fromFile.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].text, "八字");
    EXPECT_TRUE(runs[1].format.strikeOut);
    EXPECT_FALSE(runs[0].format.strikeOut || runs[2].format.strikeOut);

    QTextDocument reloaded;
    FillTextDocument(fromFile, reloaded);
    QString struckText;
    for (auto it = reloaded.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().fontStrikeOut()) struckText += it.fragment().text();
    EXPECT_EQ(struckText, QString::fromUtf8("八字"));
}

}  // namespace
}  // namespace richtext
