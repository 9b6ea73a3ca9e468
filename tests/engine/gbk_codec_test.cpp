#include "engine/base/gbk_codec.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GbkCodec, RoundTripsChineseAndAscii) {
    const std::string text = "甲命八字：ab 12";
    std::string bytes = gbk::FromUtf8(text);
    EXPECT_EQ(bytes.size(), 15u);
    EXPECT_EQ(bytes.substr(0, 2), "\xBC\xD7");  // 甲
    EXPECT_EQ(gbk::ToUtf8(bytes), text);
}

TEST(GbkCodec, BadBytesAndMissingCharactersNeverCrash) {
    // A lone lead byte at the end and a byte GBK never uses.
    EXPECT_EQ(gbk::ToUtf8("a\xFF" "b\x81"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    // 😀 and broken UTF-8 have no GBK form.
    EXPECT_EQ(gbk::FromUtf8("x😀y"), "x?y");
    EXPECT_EQ(gbk::FromUtf8("x\xE7\x94y"), "x?y");
    EXPECT_EQ(gbk::ToUtf8(""), "");
}

TEST(GbkCodec, DecodesOtherCharacterSetsByName) {
    EXPECT_EQ(codec::ToUtf8("\xB1\x42\xAB\xC3", "BIG5"), "婚姻");
    // Switching sets and back reopens the converter each time.
    EXPECT_EQ(codec::ToUtf8("caf\xE9", "CP1252"), "café");
    EXPECT_EQ(codec::ToUtf8("\xB1\x42", "BIG5"), "婚");
    // 0x81 is undefined in the Western code page; a cut Big5 pair at the end.
    EXPECT_EQ(codec::ToUtf8("a\x81" "b\xB1", "CP1252"), "a\xEF\xBF\xBD" "b\xC2\xB1");
    EXPECT_EQ(codec::ToUtf8("a\xB1", "BIG5"), "a\xEF\xBF\xBD");
    EXPECT_EQ(codec::ToUtf8("abc", "NO-SUCH-SET"), std::nullopt);
}

TEST(GbkCodec, WidthCountsGbkBytes) {
    struct Case { const char* text; std::size_t width; };
    const Case cases[] = {{"", 0}, {"abc", 3}, {"乾造  ", 6}, {"日元", 4}, {"x😀", 2}};
    for (const Case& c : cases) EXPECT_EQ(gbk::Width(c.text), c.width) << c.text;
}

TEST(GbkCodec, TruncateCutsOnCharacterBoundary) {
    EXPECT_EQ(gbk::Truncate("张三丰abc", 5), "张三");
    EXPECT_EQ(gbk::Truncate("张三丰abc", 7), "张三丰a");
    EXPECT_EQ(gbk::Truncate("ab张", 3), "ab");
    EXPECT_EQ(gbk::Truncate("abc", 10), "abc");
}

TEST(GbkCodec, FixedFieldsAreCutTerminatedAndPadded) {
    char field[13];
    std::memset(field, 'Z', sizeof field);
    gbk::WriteField(field, "欧阳娜娜娜娜娜");  // 14 bytes: only six characters fit
    EXPECT_EQ(gbk::ReadField(field), "欧阳娜娜娜娜");
    EXPECT_EQ(field[12], '\0');
    for (std::size_t i = 12; i < sizeof field; ++i) EXPECT_EQ(field[i], '\0');

    char full[4] = {'a', 'b', 'c', 'd'};  // no NUL: read to the end of the field
    EXPECT_EQ(gbk::ReadField(full), "abcd");
}

TEST(GbkCodec, UnstorableNamesWhatGbkCannotHold) {
    struct Case { const char* text; const char* unstorable; };
    const Case cases[] = {
        {"福州市", ""},          {"abc 123", ""},      {"丂鿿", "鿿"},  // 丂 is GBK, not GB2312
        {"한국😀x", "한국😀"},   {"😀a😀b", "😀"},     {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(gbk::Unstorable(c.text), c.unstorable) << c.text;
    EXPECT_EQ(gbk::UnstorableMessage("한국😀"),
              "“한국😀”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。");
}
