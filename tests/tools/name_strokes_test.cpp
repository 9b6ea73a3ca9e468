// The stroke table, stroke counts of single characters, the five grids of a
// name with every failure, the element of a number and the list of the
// characters of one element.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/common/temp_folder.h"
#include "tools/CHanZi.h"
#include "tools/name_grids.h"
#include "tools/stroke_file.h"

namespace {

const std::string kShippedTable = std::string(MARIVO_SOURCE_DIR) + "/dat/hzlen.dat";
const std::string kInvalidName = "单姓：名1-2位，复姓：名1-2位,无效的姓名";

// A stroke table holding only the given characters with their counts, each
// at its own position; every other position is a 0.
std::string StrokeTableOf(const std::vector<std::pair<const char*, int>>& entries) {
    std::string bytes(strokes::kRecordCount * strokes::kRecordSize, '\0');
    for (auto [character, count] : entries) {
        const std::string code = gbk::FromUtf8(character);
        const int i = strokes::RecordIndex(code[0], code[1]);
        EXPECT_GE(i, 0) << character;
        bytes.replace(i * 4, 4, code + char(count & 0xFF) + char(count >> 8));
    }
    return bytes;
}

TEST(StrokeTable, ShippedTableHoldsEveryGb2312CharacterInCodeOrder) {
    const auto records = strokes::ReadAllRecords(kShippedTable);
    ASSERT_EQ(records.size(), 6768u);
    int empty = 0;
    for (int i = 0; i < strokes::kRecordCount; ++i) {
        const auto& r = records[i];
        if (r.code[0] == 0) {  // row 55 ends after column 89
            EXPECT_EQ(r.count, 0);
            ++empty;
            continue;
        }
        EXPECT_EQ(strokes::RecordIndex(r.code[0], r.code[1]), i);
        EXPECT_GT(r.count, 0) << i;
    }
    EXPECT_EQ(empty, 5);
    EXPECT_EQ(records[0].code[0], 0xB0);
    EXPECT_EQ(records[0].code[1], 0xA1);  // 啊
}

TEST(StrokeTable, RecordIndexCoversTheChineseAreaOnly) {
    struct Case {
        unsigned char first, second;
        int index;
    } cases[] = {
        {0xB0, 0xA1, 0},    {0xB0, 0xA2, 1},    {0xB0, 0xFE, 93},   {0xB1, 0xA1, 94},
        {0xF7, 0xFE, 6767}, {0xA1, 0xA3, -1},   {0xAF, 0xFE, -1},   {0xF8, 0xA1, -1},
        {0xB1, 0xA0, -1},   {0xB0, 0xFF, -1},   {'a', 'b', -1},     {0x81, 0x40, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(strokes::RecordIndex(c.first, c.second), c.index) << std::hex << int(c.first) << int(c.second);
}

TEST(StrokesOf, CountsOfSingleCharacters) {
    CHanZi hanzi(kShippedTable);
    struct Case {
        const char* text;
        int strokes;
    } cases[] = {{"啊", 11}, {"一", 1}, {"张", 11}, {"葛", 15}, {"齄", 23}};
    for (const Case& c : cases) EXPECT_EQ(hanzi.StrokesOf(c.text), c.strokes) << c.text;
}

// The counts name numerology uses: the 康熙 strokes of the traditional form
// (张 as 張), a radical counted as its full form (海 with 水, 玲 with 玉, 陈 with
// 阜, 郑 with 邑, 胡 with 肉), a radical standing alone as written (王 4), and
// the numerals by their value (九 9).
TEST(StrokesOf, KangxiCountsOfCommonSurnamesAndNames) {
    CHanZi hanzi(kShippedTable);
    const std::pair<const char*, int> counts[] = {
        {"张", 11}, {"王", 4},  {"李", 7},  {"刘", 15}, {"陈", 16}, {"杨", 13}, {"黄", 12}, {"赵", 14}, {"吴", 7},
        {"周", 8},  {"徐", 10}, {"孙", 10}, {"马", 10}, {"朱", 6},  {"胡", 11}, {"郭", 15}, {"何", 7},  {"林", 8},
        {"罗", 20}, {"高", 10}, {"郑", 19}, {"梁", 11}, {"谢", 17}, {"宋", 7},  {"唐", 10}, {"许", 11}, {"韩", 17},
        {"冯", 12}, {"邓", 19}, {"海", 11}, {"玲", 10}, {"叶", 15}, {"九", 9},  {"十", 10}, {"五", 5},
    };
    for (auto [character, strokes] : counts) EXPECT_EQ(hanzi.StrokesOf(character), strokes) << character;
}

TEST(StrokesOf, FailuresGiveZeroAndSayWhy) {
    const std::string unknown = "字库中没有这个汉字的笔划";
    struct Case {
        const char* text;
        std::string message;
    } cases[] = {
        {"", "请输入一个汉字"},
        {"啊啊", "请输入一个汉字"},
        {"a", "请输入一个汉字"},
        {"ab", unknown},  // two bytes, but outside the table
        {"。", unknown},   // a symbol: before the Chinese area
        {"丂", unknown},   // a GBK character that GB2312 lacks
    };
    for (const Case& c : cases) {
        CHanZi hanzi(kShippedTable);
        EXPECT_EQ(hanzi.StrokesOf(c.text), 0) << c.text;
        EXPECT_EQ(hanzi.LastMessage(), c.message) << c.text;
    }
}

TEST(StrokesOf, DamagedOrMissingTable) {
    TempFolder folder;
    std::string table = StrokeTableOf({{"啊", 10}, {"阿", 7}});
    table[4] = '\x41';  // 阿's record names another character
    const std::string damaged = folder.WriteBytes("hzlen.dat", table);
    CHanZi hanzi(damaged);
    EXPECT_EQ(hanzi.StrokesOf("啊"), 10);
    EXPECT_EQ(hanzi.StrokesOf("阿"), 0);
    EXPECT_EQ(hanzi.StrokesOf("埃"), 0);  // a stored 0
    EXPECT_EQ(hanzi.LastMessage(), "字库中没有这个汉字的笔划");

    CHanZi shortTable(folder.WriteBytes("short.dat", table.substr(0, 6)));
    EXPECT_EQ(shortTable.StrokesOf("啊"), 10);
    EXPECT_EQ(shortTable.StrokesOf("阿"), 0);
    EXPECT_EQ(shortTable.LastMessage(), "字库中没有这个汉字的笔划");

    CHanZi missing(folder.Path("none.dat"));
    EXPECT_EQ(missing.StrokesOf("啊"), 0);
    EXPECT_EQ(missing.LastMessage(), "姓名文件丢失");
}

TEST(CalcGrids, SingleAndCompoundSurnames) {
    // 张 11, 三 3, 王 4, 明 8, 亮 9, 欧 15, 阳 17, 诸 16, 葛 15
    struct Case {
        bool single;
        const char* name;
        int tian, di, ren, zong, wai;
    } cases[] = {
        {true, "张三", 12, 4, 14, 14, 2},         // 外格 of a one-character given name is 2
        {true, "王明亮", 5, 17, 12, 21, 10},     // 外格 = last character + 1
        {false, "欧阳明", 32, 9, 25, 40, 16},     // 地格 = last + 1, 外格 = first + 1
        {false, "诸葛亮明", 31, 17, 24, 48, 24}, // 外格 = first + last
    };
    for (const Case& c : cases) {
        CHanZi hanzi(kShippedTable);
        NameGrids g;
        ASSERT_TRUE(hanzi.CalcGrids(c.single, c.name, g)) << c.name << hanzi.LastMessage();
        EXPECT_EQ(g.tianGe, c.tian) << c.name;
        EXPECT_EQ(g.diGe, c.di) << c.name;
        EXPECT_EQ(g.renGe, c.ren) << c.name;
        EXPECT_EQ(g.zongGe, c.zong) << c.name;
        EXPECT_EQ(g.waiGe, c.wai) << c.name;
    }
}

TEST(CalcGrids, EveryFailureText) {
    struct Case {
        bool single;
        const char* name;
        std::string message;
    } cases[] = {
        {true, "", kInvalidName},
        {true, "张", kInvalidName},              // no given name
        {true, "张a", kInvalidName},             // three bytes
        {true, "王明亮明", kInvalidName},        // single surname, three given-name characters
        {false, "欧阳", kInvalidName},           // compound surname, no given name
        {false, "诸葛亮明亮", kInvalidName},     // more than four characters
        {true, "张ab", "必须输入汉字"},
        {true, "ab张", "必须输入汉字"},
        {true, "张😀😀", "必须输入汉字"},        // not in GBK: each becomes "?"
        {true, "张。", "找不到其中一个汉字的笔划"},
        {false, "欧阳丂", "必须输入汉字"},       // GBK-only: its second byte is 0x40
    };
    for (const Case& c : cases) {
        CHanZi hanzi(kShippedTable);
        NameGrids g;
        g.tianGe = 99;
        EXPECT_FALSE(hanzi.CalcGrids(c.single, c.name, g)) << c.name;
        EXPECT_EQ(hanzi.LastMessage(), c.message) << c.name;
        EXPECT_EQ(g.tianGe, 99) << "grids untouched on failure";
    }
    TempFolder folder;
    CHanZi missing(folder.Path("none.dat"));
    NameGrids g;
    EXPECT_FALSE(missing.CalcGrids(true, "张三", g));
    EXPECT_EQ(missing.LastMessage(), "找不到其中一个汉字的笔划");
}

TEST(NameGrids, ElementOfANumberByItsLastDigit) {
    struct Case {
        int number;
        const char* element;
    } cases[] = {{1, "木"}, {2, "木"}, {3, "火"}, {4, "火"}, {5, "土"}, {6, "土"}, {7, "金"},
                 {8, "金"}, {9, "水"}, {10, "水"}, {11, "木"}, {20, "水"}, {39, "水"}, {42, "木"}};
    for (const Case& c : cases) EXPECT_EQ(ElementOfNumber(c.number), c.element) << c.number;
}

TEST(NameGrids, GridAndCharacterTexts) {
    CHanZi hanzi(kShippedTable);
    NameGrids g;
    ASSERT_TRUE(hanzi.CalcGrids(true, "张三", g));
    EXPECT_EQ(GridText("张三", g),
              "姓名:张三\n张:11画 三:3画 \n\n天格12画,五行属木。\n\n地格4画,五行属火。\n\n"
              "人格14画,五行属火。\n\n总格14画,五行属火。\n\n外格2画,五行属木。");
    EXPECT_EQ(CharacterText("啊", 10), "啊字:10画,五行属:水。");
    EXPECT_EQ(CharacterText("阿", 11), "阿字:11画,五行属:木。");
}

TEST(ListByElement, TenToALineInTableOrder) {
    TempFolder folder;
    // 木 takes 1, 2, 11, 12, 21 … strokes; the others and 0 or negative counts stay out.
    const std::string table = folder.WriteBytes(
        "hzlen.dat", StrokeTableOf({{"啊", 1},  {"阿", 3},  {"埃", 2},  {"挨", 11}, {"哎", 12}, {"唉", 0},
                                    {"哀", 21}, {"皑", -9}, {"癌", 22}, {"蔼", 31}, {"矮", 10}, {"艾", 32},
                                    {"碍", 41}, {"爱", 42}, {"隘", 20}, {"鞍", 51}, {"齄", 1}}));
    EXPECT_EQ(ListByElement(table, 1), "属木的汉字:\n啊 埃 挨 哎 哀 癌 蔼 艾 碍 爱 \n鞍 齄 ");
    EXPECT_EQ(ListByElement(table, 0), "属水的汉字:\n矮 隘 ");
    EXPECT_EQ(ListByElement(table, 2), "属火的汉字:\n阿 ");
    EXPECT_EQ(ListByElement(table, 4), "属金的汉字:\n");
    EXPECT_EQ(ListByElement(folder.Path("none.dat"), 3), "属土的汉字:\n");
    EXPECT_EQ(ListByElement(table, 5), "");
}

TEST(ListByElement, TheFiveListsOfTheShippedTableTakeEveryCharacterOnce) {
    std::size_t listed = 0;
    for (int element = 0; element < 5; ++element) {
        const std::string text = ListByElement(kShippedTable, element);
        const std::string characters = text.substr(text.find('\n') + 1);
        std::size_t lineStart = 0;
        while (lineStart < characters.size()) {
            std::size_t end = characters.find('\n', lineStart);
            if (end == std::string::npos) end = characters.size();
            const std::size_t entries = (end - lineStart) / 4;  // a character (3 bytes) and a blank
            EXPECT_TRUE(entries == 10 || end == characters.size()) << element;
            listed += entries;
            lineStart = end + 1;
        }
    }
    EXPECT_EQ(listed, 6763u);
}

}  // namespace
