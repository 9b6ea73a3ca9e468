// Searching the store: each condition alone and together, on person A only.
#include "store_folder.h"

namespace {

class FindCasesTest : public StoreFolderTest {
protected:
    void SetUp() override {
        StoreFolderTest::SetUp();
        struct Row { const char* name; const char* category; int16_t year; bool male; int16_t province; };
        const Row rows[] = {
            {"张三", "同事", 1980, true, 10},     // 0
            {"李四", "同学", 1981, false, 10},    // 1
            {"张小三", "老同事", 1979, true, 3},  // 2
            {"王五", "同事", 1980, false, 3},     // 3
            {"张三", "亲戚", 0, true, 34},        // 4: born 1 BC
            {"Ann", "ABC", 1980, false, 0},       // 5
        };
        for (const Row& r : rows) {
            CaseRecord c = MakeCase(r.name, r.category, r.year, r.male, r.province);
            gbk::WriteField(c.b.name, "张三");  // person B never takes part
            store_.AddCase(c);
        }
        store_.DeleteCase(3);
    }

    std::vector<int> Find(const SearchCriteria& c) {
        std::vector<int> found{-7};
        store_.FindCases(c, found);
        return found;
    }
};

SearchCriteria Name(const char* text, uint8_t mode) {
    SearchCriteria c;
    gbk::WriteField(c.name, text);
    c.nameMode = mode;
    return c;
}

SearchCriteria Category(const char* text, uint8_t mode) {
    SearchCriteria c;
    gbk::WriteField(c.category, text);
    c.categoryMode = mode;
    return c;
}

SearchCriteria Years(int16_t from, int16_t to) {
    SearchCriteria c;
    c.yearsOn = 1;
    c.yearFrom = from;
    c.yearTo = to;
    return c;
}

TEST_F(FindCasesTest, EachConditionAlone) {
    SearchCriteria male;
    male.sexOn = 1;
    male.sex = 1;
    SearchCriteria female = male;
    female.sex = 0;
    SearchCriteria province;
    province.province = 3;
    SearchCriteria nameOff = Name("李四", 0);  // a name that is switched off is not used

    struct Case { const char* what; SearchCriteria criteria; std::vector<int> found; };
    const Case cases[] = {
        {"all off", SearchCriteria{}, {0, 1, 2, 4, 5}},
        {"name off", nameOff, {0, 1, 2, 4, 5}},
        {"one character anywhere", Name("三", 1), {0, 2, 4}},
        {"contains", Name("张三", 1), {0, 4}},
        {"whole name", Name("张三", 2), {0, 4}},
        {"whole name, not a prefix", Name("张", 2), {}},
        {"B is not searched", Name("乙", 1), {}},
        {"bytes, so letter case counts", Name("ann", 1), {}},
        {"category contains", Category("同事", 1), {0, 2}},
        {"category whole", Category("同事", 2), {0}},
        {"male", male, {0, 2, 4}},
        {"female", female, {1, 5}},
        {"years 1980 to 1980", Years(1980, 1980), {0, 5}},
        {"years 1979 to 1980", Years(1979, 1980), {0, 2, 5}},
        {"1 BC is year 0", Years(0, 0), {4}},
        {"province", province, {2}},
    };
    for (const Case& c : cases) EXPECT_EQ(Find(c.criteria), c.found) << c.what;
}

TEST_F(FindCasesTest, ConditionsTogether) {
    SearchCriteria c = Name("张", 1);
    c.sexOn = 1;
    c.sex = 1;
    c.yearsOn = 1;
    c.yearFrom = 1970;
    c.yearTo = 1990;
    EXPECT_EQ(Find(c), (std::vector<int>{0, 2}));
    c.province = 3;
    EXPECT_EQ(Find(c), (std::vector<int>{2}));
}

TEST_F(FindCasesTest, ContainsMatchesWholeCharactersOnly) {
    // 张三 is D5 C5 C8 FD in GBK; its middle bytes C5 C8 are the character 湃.
    EXPECT_EQ(Find(Name("湃", 1)), (std::vector<int>{}));
    // 梟 is D7 6E, and 6E is "n": only the ASCII name holds the letter.
    CaseRecord owl = MakeCase("梟雄");
    ASSERT_EQ(store_.AddCase(owl), 6);
    EXPECT_EQ(Find(Name("n", 1)), (std::vector<int>{5}));
    EXPECT_EQ(Find(Name("雄", 1)), (std::vector<int>{6}));
}

TEST_F(FindCasesTest, EmptyOrMissingStoreFindsNothing) {
    ASSERT_TRUE(store_.DeleteAll());
    EXPECT_EQ(Find(SearchCriteria{}), (std::vector<int>{}));
}

}  // namespace
