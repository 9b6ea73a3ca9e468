// A disk that fills up part-way: every copy, backup, export, import and file
// rewrite must say that it failed and leave what was there before intact.
// The disk is simulated by the file layer's fault seam (writes fail after N
// bytes, as with ENOSPC).
#include <algorithm>
#include <filesystem>

#include "cases/file_copy.h"
#include "cases/store_backup.h"
#include "engine/base/write_fault.h"
#include "store_folder.h"

namespace {

namespace fs = std::filesystem;

// Writes fail after the given number of bytes while the object lives.
class FullDisk {
public:
    explicit FullDisk(long long bytes) { fileutil::FailWritesAfter(bytes); }
    ~FullDisk() { fileutil::StopFailingWrites(); }
};

class FailedWritesTest : public StoreFolderTest {
protected:
    // A library of three cases, each with its report.
    void SetUp() override {
        StoreFolderTest::SetUp();
        AddNamed(3);
        for (int n = 0; n < 3; ++n) Write(store_.ReportFile(n), "{\\rtf1 report " + std::to_string(n) + "}");
        data_ = Bytes(DataPath(0));
    }

    static std::vector<std::string> FilesIn(const std::string& folder) {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            names.push_back(it->path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The library is exactly as SetUp left it.
    void ExpectLibraryUntouched() {
        EXPECT_EQ(Bytes(DataPath(0)), data_);
        EXPECT_EQ(FilesIn(folder_ + "bazi_f"), (std::vector<std::string>{"0.rtf", "1.rtf", "2.rtf"}));
        EXPECT_EQ(Bytes(store_.ReportFile(1)), "{\\rtf1 report 1}");
    }

    std::string data_;
};

TEST_F(FailedWritesTest, CopyThatRunsOutOfSpaceFailsAndLeavesTheTargetAndNoPartFile) {
    const std::string target = root_.Path("target.dat");
    Write(target, "previous");
    for (long long budget : {0LL, 1LL, 1000LL, static_cast<long long>(data_.size()) - 1}) {
        FullDisk disk(budget);
        EXPECT_FALSE(filecopy::CopyReplacing(DataPath(0), target)) << budget;
        EXPECT_EQ(Bytes(target), "previous") << budget;
        EXPECT_EQ(FilesIn(root_.Path("")).size(), 2u) << budget;  // prog/ and target.dat, no .part file
    }
    EXPECT_TRUE(filecopy::CopyReplacing(DataPath(0), target));
    EXPECT_EQ(Bytes(target), data_);
}

TEST_F(FailedWritesTest, RewriteThatRunsOutOfSpaceKeepsTheOldFile) {
    // A report saved over an older one: the old text stays when the disk is full.
    FullDisk disk(5);
    EXPECT_FALSE(fileutil::WriteAtomically(store_.ReportFile(1), "{\\rtf1 a longer new report}"));
    fileutil::StopFailingWrites();
    ExpectLibraryUntouched();
}

TEST_F(FailedWritesTest, IncompleteBackupIsReported) {
    // Running out of space in the first data file, in a report, or at the last byte.
    for (long long budget : {100LL, static_cast<long long>(data_.size()) + 10, static_cast<long long>(data_.size()) + 47}) {
        const std::string backup = root_.Path("backup" + std::to_string(budget)) + "/";
        FullDisk disk(budget);
        EXPECT_FALSE(librarybackup::BackUpLibrary(folder_, backup)) << budget;
    }
    const std::string backup = root_.Path("backup") + "/";
    ASSERT_TRUE(librarybackup::BackUpLibrary(folder_, backup));
    EXPECT_EQ(Bytes(backup + "bazi0.dat"), data_);
    EXPECT_EQ(FilesIn(backup + "bazi_f").size(), 3u);
}

TEST_F(FailedWritesTest, ExportThatRunsOutOfSpaceSaysSo) {
    const std::string target = root_.Path("export") + "/";
    FullDisk disk(static_cast<long long>(data_.size()) + 20);
    TransferResult result = store_.ExportTo(target);
    EXPECT_EQ(result.status, TransferStatus::Failed);
    EXPECT_LT(result.reportFiles, 3);
}

TEST_F(FailedWritesTest, ImportThatRunsOutOfSpaceLeavesTheOldLibrary) {
    // An export of another library of five cases to import.
    MDataBase other;
    const std::string otherFolder = root_.Path("other") + "/";
    ASSERT_TRUE(other.Open(otherFolder, 0));
    for (int i = 0; i < 5; ++i) {
        CaseRecord r = MakeCase("乙" + std::to_string(i));
        ASSERT_GE(other.AddCase(r), 0);
        Write(other.ReportFile(i), "{\\rtf1 other}");
    }
    const std::string exported = root_.Path("exported") + "/";
    ASSERT_EQ(other.ExportTo(exported).status, TransferStatus::Done);
    const std::string source = exported + "bazi0.dat";
    for (long long budget : {0LL, 3000LL, 20LL + 5 * 1256 + 13 * 3}) {
        FullDisk disk(budget);
        TransferResult result = store_.ImportFrom(source);
        EXPECT_EQ(result.status, TransferStatus::Failed) << budget;
        fileutil::StopFailingWrites();
        ExpectLibraryUntouched();
        EXPECT_EQ(FilesIn(folder_), (std::vector<std::string>{"bazi_f", "dat"})) << budget;  // no staging left
    }
    ASSERT_EQ(store_.ImportFrom(source).status, TransferStatus::Done);
    EXPECT_EQ(store_.CaseCount(), 5);
    EXPECT_EQ(FilesIn(folder_ + "bazi_f").size(), 5u);
}

TEST_F(FailedWritesTest, CaseThatCannotBeWrittenIsNotCounted) {
    FullDisk disk(100);
    CaseRecord r = MakeCase("满");
    EXPECT_EQ(store_.AddCase(r), -1);
    EXPECT_EQ(store_.LastFailure(), StoreFailure::Io);
    fileutil::StopFailingWrites();
    EXPECT_EQ(store_.CaseCount(), 3);
}

}  // namespace
