#include "engine/base/ini_file.h"

#include <gtest/gtest.h>

#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/common/temp_folder.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { path_ = dir_.Path("bzinit.ini"); }

    std::string Contents() const {
        std::string bytes;
        fileutil::ReadAll(path_, bytes);
        return bytes;
    }

    TempFolder dir_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("winpos", "left", 10), 10);
    EXPECT_TRUE(ini.ReadBool("set", "biange", true));
    EXPECT_EQ(ini.ReadString("minggao", "fname", "宋体"), "宋体");
    EXPECT_TRUE(ini.ReadSection("classes").empty());

    ASSERT_TRUE(ini.WriteInteger("winpos", "left", 25));
    ASSERT_TRUE(ini.WriteBool("set", "zishi", true));
    EXPECT_EQ(Contents(), "[winpos]\r\nleft=25\r\n[set]\r\nzishi=1\r\n");
}

TEST_F(IniFileTest, NamesIgnoreAsciiCaseAndValuesAreTrimmed) {
    ASSERT_TRUE(fileutil::WriteAtomically(path_, "[WinPos]\r\n  Left = 30 \r\nname=\"a b\"\r\n"));
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("winpos", "LEFT", 0), 30);
    EXPECT_EQ(ini.ReadString("WINPOS", "name", ""), "a b");
}

TEST_F(IniFileTest, IntegersAndBooleansParseLikeTheWindowsProfile) {
    ASSERT_TRUE(fileutil::WriteAtomically(path_,
        "[s]\r\na=-12\r\nb=0x1F\r\nc=12abc\r\nd=\r\ne=2\r\nf=0\r\ng=99999999999\r\n"));
    IniFile ini(path_);
    struct Case { const char* key; int expected; };
    const Case cases[] = {{"a", -12}, {"b", 31}, {"c", 7}, {"d", 7}, {"g", 7}};
    for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("s", c.key, 7), c.expected) << c.key;
    EXPECT_TRUE(ini.ReadBool("s", "e", false));
    EXPECT_FALSE(ini.ReadBool("s", "f", true));
    EXPECT_TRUE(ini.ReadBool("s", "c", true));  // not a number: the default
}

TEST_F(IniFileTest, WritesKeepCommentsUnknownSectionsAndOrder) {
    const std::string original =
        "; 注释\r\n[winpos]\r\nleft=1\r\ntop=2\r\n\r\n[其它]\r\n键=值\r\n";
    ASSERT_TRUE(fileutil::WriteAtomically(path_, gbk::FromUtf8(original)));
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteInteger("winpos", "top", 5));
    ASSERT_TRUE(ini.WriteInteger("winpos", "width", 400));
    ASSERT_TRUE(ini.WriteString("其它", "新", "文字"));
    EXPECT_EQ(gbk::ToUtf8(Contents()),
              "; 注释\r\n[winpos]\r\nleft=1\r\ntop=5\r\nwidth=400\r\n\r\n[其它]\r\n键=值\r\n新=文字\r\n");
    EXPECT_EQ(ini.ReadSection("winpos"), (std::vector<std::string>{"left", "top", "width"}));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"winpos", "其它"}));
}

TEST_F(IniFileTest, SectionValuesComeInOnePassWithTheFirstOfATwiceWrittenKey) {
    IniDocument doc = IniDocument::Parse("[a]\r\nx=1\r\n; note\r\nY=2\r\nX=3\r\ny=4\r\n[b]\r\nz=5\r\n");
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(doc.ReadSectionValues("A"), (Entries{{"x", "1"}, {"Y", "2"}}));
    EXPECT_EQ(doc.ReadSection("a"), (std::vector<std::string>{"x", "Y"}));
    EXPECT_EQ(doc.ReadString("a", "x", "?"), "1");
    EXPECT_TRUE(doc.ReadSectionValues("c").empty());
}

TEST_F(IniFileTest, UntouchedLinesKeepTheirBytesEvenWhenNotValidGbk) {
    const std::string original = "[a]\r\nx=\xFF\xFE\r\n[b]\r\ny=1\r\n";
    ASSERT_TRUE(fileutil::WriteAtomically(path_, original));
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteInteger("b", "y", 2));
    EXPECT_EQ(Contents(), "[a]\r\nx=\xFF\xFE\r\n[b]\r\ny=2\r\n");
}

TEST_F(IniFileTest, GbkKeysAndSectionDeletion) {
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteString("福建省", "福州市", "119:18*26:5"));
    ASSERT_TRUE(ini.WriteString("classes", "1", "朋友"));
    EXPECT_EQ(gbk::ToUtf8(Contents()).substr(0, 11), "[福建省]");
    EXPECT_EQ(ini.ReadString("福建省", "福州市", ""), "119:18*26:5");
    ASSERT_TRUE(ini.EraseSection("福建省"));
    ASSERT_TRUE(ini.DeleteKey("classes", "1"));
    EXPECT_FALSE(ini.SectionExists("福建省"));
    EXPECT_TRUE(ini.SectionExists("classes"));
    EXPECT_EQ(Contents(), "[classes]\r\n");
}

TEST_F(IniFileTest, FailedWriteLeavesTheFileAndReportsIt) {
    IniFile ini(dir_.Path("missing/bzinit.ini"));
    EXPECT_FALSE(ini.WriteInteger("winpos", "left", 1));
}

}  // namespace
