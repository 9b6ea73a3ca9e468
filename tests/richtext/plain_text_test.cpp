// Plain-text reports: telling GBK from UTF-8, and the GBK "\r\n" files that
// saving as text writes; loading a report file picks RTF or plain text.
#include "richtext/plain_text.h"

#include <gtest/gtest.h>

#include "engine/base/file_util.h"
#include "richtext/report_file.h"
#include "tests/common/temp_folder.h"

namespace richtext {
namespace {

TEST(PlainText, TellsEncodingsApart) {
    struct Case { std::string bytes; TextEncoding encoding; const char* text; };
    const Case cases[] = {
        {"\xBC\xD7\xC3\xFC\xB0\xCB\xD7\xD6\r\n", TextEncoding::Gbk, "甲命八字\r\n"},
        // 联通 in GBK: the classic pair that looks like UTF-8 lead bytes.
        {"\xC1\xAA\xCD\xA8", TextEncoding::Gbk, "联通"},
        {"\xEF\xBB\xBF甲命八字", TextEncoding::Utf8, "甲命八字"},
        {"甲命八字：乾造", TextEncoding::Utf8, "甲命八字：乾造"},
        {"plain ascii\n", TextEncoding::Utf8, "plain ascii\n"},
        {"", TextEncoding::Utf8, ""},
        // A UTF-8 file cut in the middle of its last character.
        {"甲命\xE5\x85", TextEncoding::Utf8, "甲命\uFFFD\uFFFD"},
        // An overlong form is no UTF-8.
        {"\xC0\xAF\xB0\xA1", TextEncoding::Gbk, "蜡啊"},
        {std::string("\xFF\xFE\x32\x75\x7D\x54\x3D\xD8\x00\xDE", 10), TextEncoding::Utf16LE, "甲命😀"},
        {std::string("\xFE\xFF\x75\x32\x54\x7D", 6), TextEncoding::Utf16BE, "甲命"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetectTextEncoding(c.bytes), c.encoding) << c.text;
        EXPECT_EQ(DecodeTextFile(c.bytes), c.text);
    }
}

TEST(PlainText, WritesGbkWithCrLf) {
    EXPECT_EQ(EncodeTextFile("甲命\n乙\r\nx\ry😀"), "\xBC\xD7\xC3\xFC\r\n\xD2\xD2\r\nx\r\ny?");
    RichDocument doc = DocumentFromText("甲命八字：\r\n\r\n乙命");
    EXPECT_EQ(EncodeTextFile(PlainText(doc, "\r\n")), "\xBC\xD7\xC3\xFC\xB0\xCB\xD7\xD6\xA3\xBA\r\n\r\n\xD2\xD2\xC3\xFC\r\n");
}

class ReportFileTest : public ::testing::Test {
protected:
    TempFolder dir_;
};

TEST_F(ReportFileTest, SavesAndLoadsRtfAndText) {
    CharFormat red;
    red.colour = kRed;
    red.bold = true;
    RichDocument report = DocumentFromText("婚配指数87分\n甲命性格", red);

    RichDocument loaded;
    ASSERT_TRUE(SaveReportRtf(dir_.Path("17.rtf"), report));
    ASSERT_TRUE(LoadReportFile(dir_.Path("17.rtf"), loaded));
    EXPECT_EQ(loaded, report);

    // The text file keeps only the text; it loads in the format given.
    ASSERT_TRUE(SaveReportText(dir_.Path("report.txt"), report));
    std::string bytes;
    ASSERT_TRUE(fileutil::ReadAll(dir_.Path("report.txt"), bytes));
    EXPECT_EQ(bytes, "\xBB\xE9\xC5\xE4\xD6\xB8\xCA\xFD" "87\xB7\xD6\r\n\xBC\xD7\xC3\xFC\xD0\xD4\xB8\xF1\r\n");
    ASSERT_TRUE(LoadReportFile(dir_.Path("report.txt"), loaded, red));
    EXPECT_EQ(loaded, report);
}

TEST_F(ReportFileTest, MissingFileFailsAndLeavesNothing) {
    RichDocument doc = DocumentFromText("old");
    EXPECT_FALSE(LoadReportFile(dir_.Path("missing.rtf"), doc));
    EXPECT_TRUE(doc.paragraphs.empty());
    EXPECT_FALSE(SaveReportRtf(dir_.Path("no/such/folder/1.rtf"), doc));
}

}  // namespace
}  // namespace richtext
