// Crashes, failed writes and damaged files: earlier cases stay readable and
// nothing is cut short or overwritten without cause.
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "store_folder.h"

namespace {

namespace fs = std::filesystem;

using StoreDamageTest = StoreFolderTest;

std::string Names(MDataBase& store) {
    std::vector<int> found;
    store.FindCases(SearchCriteria{}, found);
    std::string names;
    for (int n : found) {
        CaseRecord r{};
        store.ReadCase(n, r);
        names += std::to_string(n) + ":" + gbk::ReadField(r.a.name) + " ";
    }
    return names;
}

TEST_F(StoreDamageTest, CrashAfterTheRecordBeforeTheHeaderLosesOnlyThatCase) {
    AddNamed(3);
    // What a crash between the two writes leaves: the fourth record on disk,
    // the header still counting three.
    CaseRecord lost = MakeCase("半途");
    lost.number = 3;
    Write(DataPath(0), Bytes(DataPath(0)) + Raw(lost));

    EXPECT_EQ(store_.CaseCount(), 3);
    EXPECT_EQ(Names(store_), "0:甲0 1:甲1 2:甲2 ");
    CaseRecord r{};
    EXPECT_FALSE(store_.ReadCase(3, r));

    CaseRecord next = MakeCase("下一个");
    EXPECT_EQ(store_.AddCase(next), 3);
    EXPECT_EQ(Names(store_), "0:甲0 1:甲1 2:甲2 3:下一个 ");
}

// Lets writes grow files no further than their present size.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_;
};

TEST_F(StoreDamageTest, RecordThatCannotBeWrittenIsNeverCountedByTheHeader) {
    AddNamed(2);
    const std::string before = Bytes(DataPath(0));
    {
        // The disk is full: the record cannot be appended, while the header
        // could still be overwritten in place.
        FileSizeLimit full(before.size());
        CaseRecord r = MakeCase("存不下");
        EXPECT_EQ(store_.AddCase(r), -1);
    }
    EXPECT_EQ(Bytes(DataPath(0)).substr(0, 20), before.substr(0, 20));
    EXPECT_EQ(Names(store_), "0:甲0 1:甲1 ");
    CaseRecord r = MakeCase("有空了");
    EXPECT_EQ(store_.AddCase(r), 2);
}

TEST_F(StoreDamageTest, TruncatedFirstFileKeepsWhatItHoldsAndIsNeverCut) {
    AddNamed(5);
    fs::resize_file(DataPath(0), 20 + 2 * 1256 + 100);  // cut inside record 2

    EXPECT_EQ(store_.CaseCount(), 5);
    EXPECT_EQ(Names(store_), "0:甲0 1:甲1 ");
    CaseRecord r = MakeCase("原样");
    EXPECT_FALSE(store_.ReadCase(2, r));
    EXPECT_EQ(gbk::ReadField(r.a.name), "原样");
    EXPECT_FALSE(store_.WriteCase(3, r));
    EXPECT_FALSE(store_.DeleteCase(4));
    EXPECT_EQ(fs::file_size(DataPath(0)), 20u + 2 * 1256 + 100);

    // The next case keeps its number 5; the lost slots 2 … 4 become deleted
    // slots instead of a hole of zero bytes that would read as cases.
    CaseRecord next = MakeCase("新");
    ASSERT_EQ(store_.AddCase(next), 5);
    EXPECT_EQ(fs::file_size(DataPath(0)), 20u + 6 * 1256);
    EXPECT_EQ(Names(store_), "0:甲0 1:甲1 5:新 ");
    EXPECT_FALSE(store_.ReadCase(3, r));
    EXPECT_EQ(r.number, 3);
    EXPECT_EQ(r.deleted, 1);
}

TEST_F(StoreDamageTest, HeaderCutShortIsLeftAlone) {
    Write(DataPath(0), std::string(10, '\x07'));
    ASSERT_TRUE(store_.Open(folder_, 0));
    EXPECT_EQ(Bytes(DataPath(0)), std::string(10, '\x07'));
    EXPECT_EQ(store_.CaseCount(), 0);
    CaseRecord r = MakeCase("x");
    EXPECT_EQ(store_.AddCase(r), -1);
    EXPECT_FALSE(store_.DeleteCase(0));
    EXPECT_EQ(Bytes(DataPath(0)), std::string(10, '\x07'));

    // An empty file is a creation a crash cut off: it gets a fresh header.
    Write(DataPath(0), "");
    ASSERT_TRUE(store_.Open(folder_, 0));
    EXPECT_EQ(Bytes(DataPath(0)), handbuilt::Header(0, 0, 0, 1));
}

TEST_F(StoreDamageTest, CountsThatDisagreeWithTheFilesAreMendedByTheNextCase) {
    AddNamed(3);
    const std::string records = Bytes(DataPath(0)).substr(20);
    struct Case { const char* what; std::string header; };
    const Case cases[] = {
        {"negative counts", handbuilt::Header(-5, -3, 1, -1)},
        // Reuse promised by the header, but no slot is deleted: the case is appended.
        {"no deleted slot to reuse", handbuilt::Header(3, 5, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write(DataPath(0), c.header + records);
        EXPECT_EQ(store_.CaseCount(), 3);
        EXPECT_EQ(Names(store_), "0:甲0 1:甲1 2:甲2 ");
        CaseRecord r = MakeCase("不丢");
        ASSERT_EQ(store_.AddCase(r), 3);
        EXPECT_EQ(Bytes(DataPath(0)).substr(0, 20), handbuilt::Header(4, 0, 0, 1));
        EXPECT_EQ(Names(store_), "0:甲0 1:甲1 2:甲2 3:不丢 ");
    }
}

TEST_F(StoreDamageTest, FileCountBelowTheSlotsStillReachesEveryFile) {
    // Two files' worth of slots, the header claiming one file.
    Write(DataPath(0), handbuilt::Header(50001, 0, 0, 1));
    fs::resize_file(DataPath(0), 20 + 50000ULL * 1256);
    CaseRecord last = MakeCase("末");
    last.number = 50000;
    Write(DataPath(1), Raw(last));

    SearchCriteria c;
    gbk::WriteField(c.name, "末");
    c.nameMode = 2;
    std::vector<int> found;
    store_.FindCases(c, found);
    EXPECT_EQ(found, (std::vector<int>{50000}));

    std::string backup = root_.Path("backup");
    TransferResult result = store_.ExportTo(backup);
    EXPECT_EQ(result.dataFiles, 2);
    EXPECT_TRUE(fs::exists(backup + "/bazi1.dat"));
    ASSERT_TRUE(store_.DeleteAll());
    EXPECT_FALSE(fs::exists(DataPath(1)));
}

TEST_F(StoreDamageTest, MissingMiddleFileLeavesTheOthersReadable) {
    Write(DataPath(0), handbuilt::Header(100001, 0, 0, 3));
    fs::resize_file(DataPath(0), 20 + 1256);  // record 0 only
    CaseRecord last = MakeCase("第三档");
    last.number = 100000;
    Write(DataPath(2), Raw(last));

    std::vector<int> found;
    store_.FindCases(SearchCriteria{}, found);
    EXPECT_EQ(found, (std::vector<int>{0, 100000}));
    CaseRecord r{};
    EXPECT_FALSE(store_.ReadCase(60000, r));
    EXPECT_FALSE(fs::exists(DataPath(1)));
}

}  // namespace
