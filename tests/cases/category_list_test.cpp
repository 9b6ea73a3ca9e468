#include "cases/category_list.h"

#include "store_folder.h"

namespace {

// The settings file of the program folder, dat/bzinit.ini.
class CategoryListTest : public StoreFolderTest {
protected:
    void SetUp() override {
        StoreFolderTest::SetUp();
        path_ = folder_ + "dat/bzinit.ini";
    }

    void WriteFile(const std::string& utf8) { Write(path_, gbk::FromUtf8(utf8)); }
    std::string Contents() const { return gbk::ToUtf8(Bytes(path_)); }

    std::string path_;
};

using Names = std::vector<std::string>;

TEST_F(CategoryListTest, ReadsKeysOneToCountWithTheCallersDefault) {
    IniFile ini(path_);
    EXPECT_EQ(ReadCategoryList(ini, kMissingCategoryText), Names{});
    WriteFile("[set]\r\nsave=1\r\n[classes]\r\ncount=3\r\n3=同学\r\n1=亲戚\r\n4=多余\r\n");
    EXPECT_EQ(ReadCategoryList(ini, kMissingCategoryText), (Names{"亲戚", "临时保存", "同学"}));
    EXPECT_EQ(ReadCategoryList(ini, ""), (Names{"亲戚", "", "同学"}));

    WriteFile("[classes]\r\ncount=-4\r\n1=a\r\n");
    EXPECT_EQ(ReadCategoryList(ini, ""), Names{});
    WriteFile("[classes]\r\ncount=2000000000\r\n1=a\r\n");
    EXPECT_EQ(ReadCategoryList(ini, "").size(), static_cast<std::size_t>(kMaxCategories));
}

TEST_F(CategoryListTest, AppendAddsANameOnlyOnce) {
    WriteFile("[set]\r\nsave=1\r\n[classes]\r\ncount=2\r\n1=Friends\r\n2=同事\r\n");
    IniFile ini(path_);
    ASSERT_TRUE(AppendCategory(ini, "friends"));
    ASSERT_TRUE(AppendCategory(ini, "同事"));
    EXPECT_EQ(ReadCategoryList(ini, ""), (Names{"Friends", "同事"}));
    ASSERT_TRUE(AppendCategory(ini, "六个汉字类别"));
    EXPECT_EQ(Contents(), "[set]\r\nsave=1\r\n[classes]\r\ncount=3\r\n1=Friends\r\n2=同事\r\n3=六个汉字类别\r\n");

    std::filesystem::remove(path_);
    ASSERT_TRUE(AppendCategory(ini, "第一"));
    EXPECT_EQ(ReadCategoryList(ini, ""), Names{"第一"});
}

TEST_F(CategoryListTest, RenameOverwritesTheFirstKeyHoldingTheOldName) {
    WriteFile("[classes]\r\ncount=3\r\n1=A组\r\n2=b组\r\n3=B组\r\n");
    IniFile ini(path_);
    ASSERT_TRUE(RenameCategory(ini, "B组", "新组"));
    EXPECT_EQ(ReadCategoryList(ini, ""), (Names{"A组", "新组", "B组"}));
    std::string before = Contents();
    ASSERT_TRUE(RenameCategory(ini, "没有", "新"));
    EXPECT_EQ(Contents(), before);
}

TEST_F(CategoryListTest, RewriteSetsKeysAndCountAndLeavesHigherKeys) {
    WriteFile("[classes]\r\ncount=5\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n");
    IniFile ini(path_);
    ASSERT_TRUE(RewriteCategoryList(ini, {"甲", "乙"}));
    EXPECT_EQ(ReadCategoryList(ini, ""), (Names{"甲", "乙"}));
    EXPECT_EQ(ini.ReadString("classes", "5", ""), "e");
}

TEST(CategoryName, ComparesWithoutAsciiLetterCase) {
    EXPECT_TRUE(SameCategoryName("ABC同事", "abc同事"));
    EXPECT_FALSE(SameCategoryName("同事", "同事们"));
    EXPECT_FALSE(SameCategoryName("a", "b"));
}

}  // namespace
