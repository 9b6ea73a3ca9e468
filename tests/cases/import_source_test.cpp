// What an import takes as a case library and what it refuses before
// anything of the old library is touched; and how the next start finishes
// or drops what a killed import or copy left behind.
#include <unistd.h>

#include <filesystem>

#include "cases/library_lock.h"
#include "store_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFull = 50000 * 1256;

struct Source {
    const char* what;
    std::string bazi0;  // the chosen file, bazi0.dat
    std::string bazi1;  // bazi1.dat beside it; none when empty
    TransferStatus expected;
};

std::string Records(int n) { return std::string(static_cast<std::size_t>(n) * 1256, '\0'); }

class ImportSourceTest : public StoreFolderTest {
protected:
    void SetUp() override {
        StoreFolderTest::SetUp();
        AddNamed(2);
        Write(store_.ReportFile(0), "old report");
        before_ = Bytes(DataPath(0));
    }
    std::string before_;
};

TEST_F(ImportSourceTest, OnlyAPlausibleHeaderWithItsDataFilesIsImported) {
    const std::vector<Source> sources = {
        {"a text file of 20 bytes or more", "notes: buy more tea, call the matchmaker", "", TransferStatus::NoStore},
        {"a header of another kind", [] { std::string h = handbuilt::Header(0, 0, 0, 1); h[0] = 3; return h; }(), "",
         TransferStatus::NoStore},
        {"a negative slot count", handbuilt::Header(-5, 0, 0, 1), "", TransferStatus::NoStore},
        {"more deleted slots than slots", handbuilt::Header(2, 3, 0, 1) + Records(2), "", TransferStatus::NoStore},
        {"a file count below what the slots need", handbuilt::Header(50001, 0, 0, 1) + Records(50000), Records(1),
         TransferStatus::NoStore},
        {"slots the data file does not hold", handbuilt::Header(3, 0, 0, 1) + Records(2), "", TransferStatus::NoStore},
        {"a missing second data file", handbuilt::Header(50001, 0, 0, 2) + Records(50000), "",
         TransferStatus::NoStore},
        {"a first file that is not full", handbuilt::Header(50001, 0, 0, 2) + Records(49999), Records(1),
         TransferStatus::NoStore},
        {"an empty library", handbuilt::Header(0, 0, 0, 1), "", TransferStatus::Done},
        {"two data files", handbuilt::Header(50001, 0, 0, 2) + Records(kFull / 1256), Records(1), TransferStatus::Done},
        {"a case written before its header (a crash)", handbuilt::Header(1, 0, 0, 1) + Records(2), "",
         TransferStatus::Done},
    };
    for (const Source& s : sources) {
        const std::string folder = root_.Path("src") + "/";
        fs::remove_all(folder);
        fs::create_directories(folder);
        Write(folder + "bazi0.dat", s.bazi0);
        if (!s.bazi1.empty()) Write(folder + "bazi1.dat", s.bazi1);
        EXPECT_EQ(store_.CheckImportSource(folder + "bazi0.dat"), s.expected) << s.what;
        if (s.expected == TransferStatus::Done) continue;
        EXPECT_EQ(store_.ImportFrom(folder + "bazi0.dat").status, s.expected) << s.what;
        EXPECT_EQ(Bytes(DataPath(0)), before_) << s.what;
        EXPECT_EQ(Bytes(store_.ReportFile(0)), "old report") << s.what;
    }
}

TEST_F(ImportSourceTest, NextOpenFinishesAnImportCutOffAfterItsLibraryWasComplete) {
    // The state a kill leaves half-way through the switch: bazi0.dat already
    // moved in, the reports not yet.
    const std::string staging = folder_ + "bazi_import_999999/";
    fs::create_directories(staging + "bazi_f");
    const std::string imported = handbuilt::Header(1, 0, 0, 1) + Raw(MakeCase("新"));
    Write(DataPath(0), imported);
    Write(DataPath(1), Records(1));  // a stale file of the old library
    Write(staging + "bazi_f/0.rtf", "new report");
    Write(staging + "commit", "1");

    MDataBase next;
    ASSERT_TRUE(next.Open(folder_, 0));
    EXPECT_EQ(Bytes(DataPath(0)), imported);
    EXPECT_FALSE(fs::exists(DataPath(1)));
    EXPECT_EQ(Bytes(next.ReportFile(0)), "new report");
    EXPECT_FALSE(fs::exists(staging));
    // The window that had the old library open may no longer write into it.
    CaseRecord r = MakeCase("旧窗口");
    EXPECT_FALSE(store_.WriteCase(0, r));
    EXPECT_EQ(store_.LastFailure(), StoreFailure::Replaced);
    EXPECT_EQ(Bytes(DataPath(0)), imported);
}

TEST_F(ImportSourceTest, NextOpenDropsAnUnfinishedImportAndPartFilesOfProcessesThatAreGone) {
    const std::string staging = folder_ + "bazi_import_999999/";
    fs::create_directories(staging + "bazi_f");
    Write(staging + "bazi0.dat", handbuilt::Header(0, 0, 0, 1));
    const std::string gone = folder_ + "dat/bazi1.dat.part999999";
    const std::string alive = folder_ + "bazi_f/3.rtf.tmp" + std::to_string(getpid());
    Write(gone, "half a copy");
    Write(alive, "being written");

    MDataBase next;
    ASSERT_TRUE(next.Open(folder_, 0));
    EXPECT_FALSE(fs::exists(staging));
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_TRUE(fs::exists(alive));
    EXPECT_EQ(Bytes(DataPath(0)), before_);
}

TEST_F(ImportSourceTest, SecondWriterGivesUpNamingTheHolder) {
    LibraryLock holder(folder_ + "dat/");
    ASSERT_TRUE(holder.Held());
    LibraryLock second(folder_ + "dat/", std::chrono::milliseconds(50));
    EXPECT_FALSE(second.Held());
    EXPECT_EQ(second.OtherHolder(), "test_cases (process " + std::to_string(getpid()) + ")");
}

}  // namespace
