// A store as an earlier Windows program left it, put together byte by byte:
// GBK names and categories, notes with "\r\n", a deleted slot.
#include <filesystem>

#include "store_folder.h"

namespace {

using OldStoreTest = StoreFolderTest;

const handbuilt::Person kA{"刘德华", 1961, 9, 27, 8, 15, 0, 0, 1, 32, 0, 114.1f, 22.2f, "香港-香港"};
const handbuilt::Person kB{"朱丽倩", 1966, 4, 6, 23, 0, 1, 0, 0, 19, 3, 101.5f, 3.1f, "未知"};

TEST_F(OldStoreTest, OpensAndReadsEveryCase) {
    const std::string store = handbuilt::Header(3, 1, 0, 1) +
                              handbuilt::Record(0, false, "明星", "婚配指数:88\r\n天作之合", kA, kB) +
                              handbuilt::Record(1, true, "明星", "删了", kB, kA) +
                              handbuilt::Record(2, false, "临时保存", "备注:", kB, kA);
    Write(DataPath(0), store);
    ASSERT_TRUE(store_.Open(folder_, 0));
    EXPECT_EQ(Bytes(DataPath(0)), store);

    EXPECT_EQ(store_.CaseCount(), 3);
    CaseRecord r{};
    ASSERT_TRUE(store_.ReadCase(0, r));
    EXPECT_EQ(gbk::ReadField(r.a.name), "刘德华");
    EXPECT_EQ(gbk::ReadField(r.b.name), "朱丽倩");
    EXPECT_EQ(gbk::ReadField(r.category), "明星");
    EXPECT_EQ(gbk::ReadField(r.note), "婚配指数:88\r\n天作之合");
    EXPECT_EQ(gbk::ReadField(r.a.place), "香港-香港");
    EXPECT_EQ(r.a.year, 1961);
    EXPECT_EQ(r.b.lunar, 1);
    EXPECT_EQ(r.b.hour, 23);
    EXPECT_FALSE(store_.ReadCase(1, r));

    std::vector<int> found;
    SearchCriteria c;
    gbk::WriteField(c.category, "明星");
    c.categoryMode = 2;
    store_.FindCases(c, found);
    EXPECT_EQ(found, (std::vector<int>{0}));

    // Written back unchanged, a case keeps its bytes; a new one follows the old.
    ASSERT_TRUE(store_.ReadCase(2, r));
    ASSERT_TRUE(store_.WriteCase(2, r));
    EXPECT_EQ(Bytes(DataPath(0)), store);
    CaseRecord added = MakeCase("新人");
    EXPECT_EQ(store_.AddCase(added), 3);
    EXPECT_EQ(Bytes(DataPath(0)).substr(20, 3 * 1256), store.substr(20));
    EXPECT_EQ(Header().deleted, 1);
}

}  // namespace
