// The reader against files in the styles of the programs that write such
// reports: Windows' rich-text control (old and new), WordPad, Word and
// LibreOffice, and fonts with other character sets.
#include "richtext/rtf_reader.h"

#include <gtest/gtest.h>

#include "engine/base/file_util.h"

namespace richtext {
namespace {

RichDocument ReadSample(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(fileutil::ReadAll(std::string(MARIVO_TEST_DATA) + "/samples/" + name, bytes)) << name;
    RichDocument doc;
    EXPECT_TRUE(ReadRtf(bytes, doc)) << name;
    return doc;
}

RichDocument ReadString(std::string_view rtf) {
    RichDocument doc;
    EXPECT_TRUE(ReadRtf(rtf, doc));
    return doc;
}

TEST(RtfReader, SamplesGiveTheirText) {
    struct Case { const char* file; const char* text; };
    const Case cases[] = {
        {"wordpad.rtf", "甲命八字：\n乾造  庚午  辛巳\n☆胎元：壬申\t命宫：甲戌\n婚配指数：87分\nCafé italic under\n"},
        {"richedit.rtf", "甲命八字：\n乾造\t庚午\n坤造\n☆胎元{1}\\\n乙命性格(仅供参考)\n"},
        // Header, footer, footnote separator, picture, object and the
        // document's tables are skipped; the table row is tab-separated text.
        {"word.rtf", "甲命八字：\n乾造  庚午“OK”😀\n\n甲命\t乙命\n链接\n"},
        {"libreoffice.rtf", "甲命八字：\n乙命婚姻： Latin text\n婚配指数87分 (ok)\n"},
        {"big5.rtf", "婚姻婚姻\nnaïve\n默认\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(PlainText(ReadSample(c.file)), c.text) << c.file;
}

TEST(RtfReader, WordPadColoursSizesAndParagraphs) {
    RichDocument doc = ReadSample("wordpad.rtf");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    const TextRun& heading = doc.paragraphs[0].runs.at(0);
    EXPECT_EQ(heading.format.fontFamily, "宋体");
    EXPECT_EQ(heading.format.colour, kBlue);
    EXPECT_TRUE(heading.format.bold);
    EXPECT_EQ(heading.format.halfPoints, 24);
    EXPECT_EQ(doc.paragraphs[1].runs.at(0).format.colour, kRed);
    EXPECT_FALSE(doc.paragraphs[1].runs.at(0).format.bold);
    EXPECT_EQ(doc.paragraphs[2].format.firstLineIndent, 420);
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).format.halfPoints, 22);
    EXPECT_EQ(doc.paragraphs[3].format.alignment, Alignment::Centre);
    EXPECT_EQ(doc.paragraphs[3].runs.at(0).format.halfPoints, 32);

    const std::vector<TextRun>& latin = doc.paragraphs[4].runs;
    ASSERT_EQ(latin.size(), 4u);
    EXPECT_EQ(latin[0].format.fontFamily, "Calibri");
    EXPECT_TRUE(latin[1].format.italic);
    EXPECT_EQ(latin[1].text, "italic");
    EXPECT_TRUE(latin[3].format.underline);
    EXPECT_FALSE(latin[2].format.italic || latin[2].format.underline);
}

TEST(RtfReader, RichEditPlainResetsAndLineKeepsParagraphFormat) {
    RichDocument doc = ReadSample("richedit.rtf");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    EXPECT_EQ(doc.paragraphs[1].format.firstLineIndent, 300);
    EXPECT_EQ(doc.paragraphs[2].format.firstLineIndent, 300);  // after \line
    const CharFormat& plain = doc.paragraphs[3].runs.at(0).format;
    EXPECT_EQ(plain.colour, kBlack);
    EXPECT_EQ(plain.halfPoints, 22);
    EXPECT_EQ(doc.paragraphs[4].runs.at(0).format.colour, kGreen);
}

TEST(RtfReader, WordAndLibreOfficeFormats) {
    RichDocument word = ReadSample("word.rtf");
    const CharFormat& heading = word.paragraphs.at(0).runs.at(0).format;
    EXPECT_EQ(heading.fontFamily, "宋体");
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.colour, kBlue);
    EXPECT_EQ(heading.halfPoints, 21);
    EXPECT_EQ(word.paragraphs.at(1).format.firstLineIndent, 420);
    EXPECT_EQ(word.paragraphs.at(1).runs.at(0).format.colour, kRed);
    EXPECT_TRUE(word.paragraphs.at(4).runs.at(0).format.underline);

    RichDocument lo = ReadSample("libreoffice.rtf");
    ASSERT_EQ(lo.paragraphs.size(), 3u);
    EXPECT_EQ(lo.paragraphs[0].runs.at(0).format.fontFamily, "Noto Serif CJK SC");
    EXPECT_TRUE(lo.paragraphs[0].runs.at(0).format.bold);
    const Paragraph& body = lo.paragraphs[1];
    EXPECT_EQ(body.format, (ParagraphFormat{Alignment::Justify, 567, -283}));
    ASSERT_EQ(body.runs.size(), 2u);
    EXPECT_EQ(body.runs[0].format.colour, kGreen);
    EXPECT_EQ(body.runs[1].format.fontFamily, "Liberation Serif");
    EXPECT_TRUE(body.runs[1].format.italic);
    // East Asian text takes the size and bold given after \dbch (\afs, \ab);
    // those given after \rtlch are for right-to-left scripts and do nothing.
    const Paragraph& index = lo.paragraphs[2];
    ASSERT_EQ(index.runs.size(), 2u);
    EXPECT_EQ(index.runs[0].text, "婚配指数87分");
    EXPECT_EQ(index.runs[0].format, (CharFormat{"Noto Serif CJK SC", 32, kRed, true}));
    EXPECT_EQ(index.runs[1].format, (CharFormat{"Noto Serif CJK SC", 20, kRed, false}));
}

TEST(RtfReader, FontsKeepTheirOwnCharacterSets) {
    RichDocument doc = ReadSample("big5.rtf");
    EXPECT_EQ(doc.paragraphs.at(0).runs.at(0).format.fontFamily, "細明體");
    EXPECT_EQ(doc.paragraphs.at(0).runs.at(1).format.fontFamily, "宋体");
    EXPECT_EQ(doc.paragraphs.at(2).runs.at(0).format.fontFamily, "新宋体");
}

// Which runs are struck out: single (\strike) and double (\striked) strike-out
// both count, each ended by its word with 0, by \plain or by the group's end.
TEST(RtfReader, StrikeOutAndItsEnds) {
    struct Case { const char* rtf; const char* struck; };
    const Case cases[] = {
        {R"({\rtf1 a\strike b\strike0 c})", "b"},
        {R"({\rtf1 a\striked1 b\striked0 c})", "b"},
        {R"({\rtf1 a\striked b\plain c})", "b"},
        {R"({\rtf1 a{\strike b}c})", "b"},
        {R"({\rtf1\strike a\par b})", "ab"},  // a paragraph break keeps the character format
        {R"({\rtf1 a\strike1\b b\b0 c})", "bc"},
    };
    for (const Case& c : cases) {
        std::string struck;
        for (const Paragraph& p : ReadString(c.rtf).paragraphs)
            for (const TextRun& run : p.runs)
                if (run.format.strikeOut) struck += run.text;
        EXPECT_EQ(struck, c.struck) << c.rtf;
    }
}

TEST(RtfReader, UnicodeEscapesAndTheirFallbacks) {
    struct Case { const char* rtf; const char* text; };
    const Case cases[] = {
        {R"({\rtf1\uc1 \u20013?\u25991?})", "中文"},
        {R"({\rtf1\uc2 \u20013\'d6\'d0x})", "中x"},
        {R"({\rtf1\uc0 \u20013 x})", "中x"},
        {R"({\rtf1 {\uc2 \u20013\'d6}\'41})", "中A"},            // a group end stops skipping
        {R"({\rtf1\uc1 \u-10179?\u-8704?})", "😀"},               // surrogate pair
        {R"({\rtf1\uc1 \u-9985?x})", "x"},                         // a lone high surrogate
        {R"({\rtf1 a\~b\_c\-d\emdash\ldblquote\rdblquote})", "a\u00A0b\u2011cd—“”"},
        {R"({\rtf1 a\tab b\cell c})", "a\tb\tc"},
    };
    for (const Case& c : cases) EXPECT_EQ(PlainText(ReadString(c.rtf), ""), c.text) << c.rtf;
}

TEST(RtfReader, SkipsWhatIsNoText) {
    struct Case { const char* rtf; const char* text; };
    const Case cases[] = {
        {R"({\rtf1 a{\*\unknown x{y}z}b})", "ab"},
        {R"({\rtf1 a{\pict\wmetafile8 0102}b})", "ab"},
        {R"({\rtf1 a{\pict\bin4 }}}}}b})", "ab"},                 // braces inside binary data
        {R"({\rtf1 a{\header h}{\footerl f}b})", "ab"},
        {R"({\rtf1 {\info{\title t}}a{\v hidden}b})", "ab"},
        {R"({\rtf1 a{\object{\result r}}b})", "ab"},
        {R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        {R"({\rtf1 a}trailing)", "a"},                             // nothing after the document
        {"{\\rtf1 a\r\nb\\\r\nc}", "ab\nc"},                      // a line break is no text; \<newline> is \par
    };
    for (const Case& c : cases) EXPECT_EQ(PlainText(ReadString(c.rtf)), std::string(c.text) + "\n") << c.rtf;
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    RichDocument doc;
    EXPECT_FALSE(ReadRtf("plain text", doc));
    EXPECT_FALSE(ReadRtf("", doc));
    EXPECT_FALSE(ReadRtf("{\\rt", doc));
    EXPECT_TRUE(doc.paragraphs.empty());
    EXPECT_TRUE(LooksLikeRtf("\r\n  {\\rtf1}"));
}

}  // namespace
}  // namespace richtext
