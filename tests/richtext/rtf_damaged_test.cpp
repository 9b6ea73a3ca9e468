// Damaged RTF: every file of the damaged corpus (hand-made, and inputs the
// fuzzer found) and generated extremes are read without crash, hang or
// unbounded memory, as far as they are sound.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/base/file_util.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace richtext {
namespace {

const std::string kDamaged = std::string(MARIVO_TEST_DATA) + "/damaged/";

// What the reader makes of a file writes and reads back the same.
void ExpectSound(std::string_view bytes, const std::string& name) {
    RichDocument doc;
    if (!ReadRtf(bytes, doc)) return;
    const std::string text = PlainText(doc);
    EXPECT_LE(text.size(), 3 * bytes.size()) << name;
    RichDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back)) << name;
    EXPECT_EQ(PlainText(back), text) << name;
}

TEST(RtfDamaged, EveryCorpusFileReadsSoundly) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kDamaged)) {
        std::string bytes;
        ASSERT_TRUE(fileutil::ReadAll(entry.path().string(), bytes));
        ExpectSound(bytes, entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 9);
}

TEST(RtfDamaged, HandMadeFilesKeepTheirSoundText) {
    struct Case { const char* file; const char* text; };
    const Case cases[] = {
        {"unbalanced_open.rtf", "中 open\n"},
        {"extra_close.rtf", "a\n"},
        {"huge_bin.rtf", "a\n"},
        {"absurd_numbers.rtf", "yz\n"},
        {"invalid_hex.rtf", "azz b c\uFFFD d\n"},
        {"truncated_font_table.rtf", ""},
        {"long_word.rtf", "long\n中\n"},
        {"control_bytes.rtf", "ab cd\n"},
        {"truncated.rtf", "甲\uFFFD\n"},  // cut inside the second character
    };
    for (const Case& c : cases) {
        std::string bytes;
        ASSERT_TRUE(fileutil::ReadAll(kDamaged + c.file, bytes)) << c.file;
        RichDocument doc;
        ASSERT_TRUE(ReadRtf(bytes, doc)) << c.file;
        EXPECT_EQ(PlainText(doc), c.text) << c.file;
    }
}

TEST(RtfDamaged, AbsurdNumbersAreClamped) {
    std::string bytes;
    ASSERT_TRUE(fileutil::ReadAll(kDamaged + "absurd_numbers.rtf", bytes));
    RichDocument doc;
    ASSERT_TRUE(ReadRtf(bytes, doc));
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].format.leftIndent, -31680);
    EXPECT_EQ(doc.paragraphs[0].format.firstLineIndent, 31680);
    EXPECT_EQ(doc.paragraphs[0].runs.at(0).format.halfPoints, 3276);
    EXPECT_EQ(doc.paragraphs[0].runs.at(0).format.colour, kBlack);
}

// Font and colour tables of any size: entries beyond a few thousand are dropped.
std::string HugeTables() {
    std::string rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 50000; ++i) rtf += "{\\f" + std::to_string(i) + " F;}";
    return rtf + "}{\\colortbl" + std::string(50000, ';') + "}\\f49999\\cf49999 z}";
}

TEST(RtfDamaged, GeneratedExtremes) {
    struct Case { std::string rtf; std::string text; };
    const Case cases[] = {
        // Nesting far beyond any report: the deep part is dropped.
        {"{\\rtf1 a" + std::string(100000, '{') + "deep" + std::string(100000, '}') + "b}", "ab\n"},
        {"{\\rtf1 a" + std::string(100000, '{') + "never closed", "a\n"},
        {"{\\rtf1 " + std::string(200000, '}'), ""},
        {"{\\rtf1 x\\bin" + std::string(5000, '9') + " yy}", "x\n"},
        {"{\\rtf1 " + std::string(50001, '\\'), std::string(25000, '\\') + "\n"},  // escaped backslashes
        {"{\\rtf1 {\\*" + std::string(100000, 'a') + "}z}", "z\n"},
        {HugeTables(), "z\n"},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        ASSERT_TRUE(ReadRtf(c.rtf, doc));
        EXPECT_EQ(PlainText(doc), c.text) << c.rtf.substr(0, 40);
        ExpectSound(c.rtf, c.rtf.substr(0, 40));
    }
}

}  // namespace
}  // namespace richtext
