// A styled report written as RTF and read back keeps its text and styling,
// and the written file is what Windows' rich-text control writes for Chinese.
#include <gtest/gtest.h>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "tests/richtext/styled_report.h"

namespace richtext {
namespace {

TEST(RtfRoundTrip, StyledReportComesBackTheSame) {
    const RichDocument report = StyledReport();
    RichDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(report), back));
    ASSERT_EQ(back.paragraphs.size(), report.paragraphs.size());
    for (std::size_t i = 0; i < report.paragraphs.size(); ++i)
        EXPECT_EQ(back.paragraphs[i], report.paragraphs[i]) << "paragraph " << i;
}

TEST(RtfRoundTrip, EmptyDocumentAndEmptyLastParagraph) {
    RichDocument empty;
    RichDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(empty), back));
    EXPECT_EQ(back, empty);

    RichDocument trailing = DocumentFromText("a\n\n");
    ASSERT_EQ(trailing.paragraphs.size(), 2u);
    ASSERT_TRUE(ReadRtf(WriteRtf(trailing), back));
    EXPECT_EQ(back, trailing);
}

TEST(RtfWriter, WritesLikeTheWindowsRichTextControl) {
    const std::string rtf = WriteRtf(StyledReport());
    const char* expected[] = {
        "{\\rtf1\\ansi\\ansicpg936\\deff0",
        "{\\fonttbl{\\f0\\fnil\\fcharset134\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset134 Times New Roman;}}",
        "{\\colortbl ;\\red0\\green0\\blue255;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}",
        "\\pard\\fi300\\f0\\fs24\\cf1\\b\\'bc\\'d7\\'c3\\'fc",  // 甲命 in GBK, blue and bold
        "\\cf2\\b0\\'d5\\'c5",
        "\\fs32\\cf3\\b",
        "\\pard\\qr\\li720\\fi-360\\f1\\fs20\\cf2\\b0\\i Braces \\{\\} and \\\\ backslash; \\i0\\ul underlined",
        "underlined\\ulnone\\strike  struck out\\par",
        "\\strike0",  // the next paragraph starts without strike-out
        "\\u-10179?\\u-8704?",  // 😀 as a surrogate pair
        "\\par\r\n}",
    };
    for (const char* piece : expected) EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
}

TEST(RtfWriter, MalformedUtf8IsWrittenAsReplacementCharacters) {
    struct Case { const char* text; const char* back; };
    const Case cases[] = {
        {"a\xE7\x94" "b", "a\uFFFD\uFFFD" "b"},     // a character cut short
        {"\xC0\xAF中", "\uFFFD\uFFFD中"},              // an overlong form
        {"\xED\xA0\x80x", "\uFFFD\uFFFD\uFFFDx"},  // a surrogate
        {"中\xFF", "中\uFFFD"},
    };
    for (const Case& c : cases) {
        RichDocument back;
        ASSERT_TRUE(ReadRtf(WriteRtf(DocumentFromText(c.text)), back));
        EXPECT_EQ(PlainText(back, ""), c.back) << c.text;
    }
}

}  // namespace
}  // namespace richtext
