// Streaming the case library: which slots each listing hands on, in record
// order, and a damaged data file in the middle of a large store passed over
// by both ways of reading.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cases/case_listing.h"
#include "store_folder.h"

namespace {

using CaseListingTest = StoreFolderTest;
using Listed = std::vector<std::pair<int, std::string>>;

Listed Stream(const MDataBase& store, ListingScope scope, const SearchCriteria& criteria, int& handed) {
    Listed found;
    handed = StreamCases(store, scope, criteria, [&](int number, const CaseRecord& record) {
        found.emplace_back(number, gbk::ReadField(record.a.name));
    });
    return found;
}

SearchCriteria NameContains(const std::string& text) {
    SearchCriteria c;
    gbk::WriteField(c.name, text);
    c.nameMode = 1;
    return c;
}

TEST_F(CaseListingTest, EachScopeHandsOnItsSlotsInRecordOrder) {
    AddNamed(4);
    CaseRecord other = MakeCase("乙丙");
    store_.AddCase(other);
    ASSERT_TRUE(store_.DeleteCase(1));
    const struct {
        ListingScope scope;
        SearchCriteria criteria;
        Listed expected;
    } rows[] = {
        {ListingScope::Matching, {}, {{0, "甲0"}, {2, "甲2"}, {3, "甲3"}, {4, "乙丙"}}},
        {ListingScope::Matching, NameContains("甲"), {{0, "甲0"}, {2, "甲2"}, {3, "甲3"}}},
        {ListingScope::Matching, NameContains("丁"), {}},
        {ListingScope::AllSlots, NameContains("丁"), {{0, "甲0"}, {1, "甲1"}, {2, "甲2"}, {3, "甲3"}, {4, "乙丙"}}},
    };
    for (const auto& row : rows) {
        int handed = -1;
        EXPECT_EQ(Stream(store_, row.scope, row.criteria, handed), row.expected);
        EXPECT_EQ(handed, static_cast<int>(row.expected.size()));
    }
}

TEST_F(CaseListingTest, DamagedFileInTheMiddleIsPassedOver) {
    // Three data files: a full first one of unnamed live records, a second
    // cut off inside its 11th record, and a third holding five named cases.
    constexpr int kPerFile = 50000;
    Write(DataPath(0), handbuilt::Header(2 * kPerFile + 5, 0, 0, 3));
    std::filesystem::resize_file(DataPath(0), 20 + kPerFile * 1256ULL);
    auto named = [&](int first, int count) {
        std::string bytes;
        for (int n = first; n < first + count; ++n) bytes += Raw(MakeCase("甲" + std::to_string(n)));
        return bytes;
    };
    Write(DataPath(1), named(kPerFile, 10) + std::string(100, '\x01'));
    Write(DataPath(2), named(2 * kPerFile, 5));

    int handed = 0;
    Listed found = Stream(store_, ListingScope::Matching, NameContains("甲"), handed);
    ASSERT_EQ(found.size(), 15u);
    EXPECT_EQ(found[9], (std::pair<int, std::string>{kPerFile + 9, "甲50009"}));
    EXPECT_EQ(found[10], (std::pair<int, std::string>{2 * kPerFile, "甲100000"}));

    Stream(store_, ListingScope::Matching, {}, handed);
    EXPECT_EQ(handed, kPerFile + 15);
}

}  // namespace
