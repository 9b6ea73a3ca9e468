// The comment library: numbered comments of a category, and the shipped file.
#include <gtest/gtest.h>

#include "engine/base/gbk_codec.h"
#include "tools/comment_library.h"

namespace {

IniDocument CommentFile(std::string_view utf8) { return IniDocument::Parse(gbk::FromUtf8(utf8)); }

TEST(CommentLibrary, CategoryTextNumbersTheComments) {
    const IniDocument file = CommentFile(
        "[性格]\r\ntol=3\r\n1=刚毅果决\r\n2=温和宽厚\r\n3=机敏多谋\r\n"
        "[职业]\r\n1=无数之评\r\n"                       // no tol: nothing shows
        "[财运]\r\ntol=4\r\n1=财来有源\r\n3=\r\n"        // tol beyond the keys
        "[官运]\r\ntol=-2\r\n1=不显\r\n"
        "[婚姻]\r\ntol=九\r\n1=不显\r\n");
    EXPECT_EQ(comments::CategoryText(file, "性格"), "1:刚毅果决\n2:温和宽厚\n3:机敏多谋\n");
    EXPECT_EQ(comments::CategoryText(file, "职业"), "");
    EXPECT_EQ(comments::CategoryText(file, "财运"), "1:财来有源\n2: \n3:\n4: \n");
    EXPECT_EQ(comments::CategoryText(file, "官运"), "");
    EXPECT_EQ(comments::CategoryText(file, "婚姻"), "");
    EXPECT_EQ(comments::CategoryText(file, "学业"), "");
    EXPECT_EQ(comments::CategoryText(IniDocument::Load("/nonexistent/bzpingyu.dat"), "性格"), "");
}

TEST(CommentLibrary, DamagedCountIsBounded) {
    const IniDocument file = CommentFile("[性格]\r\ntol=2000000000\r\n1=刚毅果决\r\n");
    const std::string text = comments::CategoryText(file, "性格");
    EXPECT_EQ(text.substr(0, 15), "1:刚毅果决\n");
    EXPECT_EQ(text.substr(text.size() - 8), "\n9999: \n");
}

TEST(CommentLibrary, ShippedFileFillsEveryCategory) {
    const IniDocument file = IniDocument::Load(comments::CommentFilePath(MARIVO_SOURCE_DIR));
    ASSERT_EQ(comments::kCategories.size(), 13u);
    EXPECT_EQ(comments::kCategories.front(), "性格");
    EXPECT_EQ(comments::kCategories.back(), "僧佛艺术");
    for (std::string_view category : comments::kCategories) {
        EXPECT_LE(gbk::Width(category), 8u);
        const int count = file.ReadInteger(category, "tol", 0);
        EXPECT_GE(count, 15) << category;
        EXPECT_LE(count, 30) << category;
        for (int n = 1; n <= count; ++n) {
            std::string comment;
            EXPECT_TRUE(file.Find(category, std::to_string(n), comment)) << category << n;
            EXPECT_FALSE(comment.empty()) << category << n;
            EXPECT_EQ(comment.find("\xEF\xBF\xBD"), std::string::npos) << category << n;  // sound GBK
        }
    }
}

}  // namespace
