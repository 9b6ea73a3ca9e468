// Reading many listed cases in one pass: list order, deleted slots and
// numbers outside the store passed over, the list crossing data files.
#include <filesystem>
#include <utility>
#include <vector>

#include "store_folder.h"

namespace {

using ReadCasesTest = StoreFolderTest;

std::vector<std::pair<int, std::string>> Listed(const MDataBase& store, const std::vector<int>& numbers) {
    std::vector<std::pair<int, std::string>> found;
    store.ReadCases(numbers, [&](int number, const CaseRecord& record) {
        found.emplace_back(number, gbk::ReadField(record.a.name));
    });
    return found;
}

TEST_F(ReadCasesTest, LiveCasesInListOrder) {
    AddNamed(4);
    ASSERT_TRUE(store_.DeleteCase(1));
    using Found = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Listed(store_, {3, 1, -1, 0, 4, 2, 3}), (Found{{3, "甲3"}, {0, "甲0"}, {2, "甲2"}, {3, "甲3"}}));
    EXPECT_TRUE(Listed(store_, {}).empty());
}

TEST_F(ReadCasesTest, ListCrossingDataFiles) {
    // A full first file of zero records (live, unnamed), then one case in the second.
    Write(DataPath(0), handbuilt::Header(50000, 0, 0, 1));
    std::filesystem::resize_file(DataPath(0), 20 + 50000ULL * 1256);
    CaseRecord r = MakeCase("第五万");
    ASSERT_EQ(store_.AddCase(r), 50000);
    using Found = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Listed(store_, {49999, 50000, 7, 50001}), (Found{{49999, ""}, {50000, "第五万"}, {7, ""}}));
}

}  // namespace
