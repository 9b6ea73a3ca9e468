// The case store's everyday operations on a real program folder.
#include <unistd.h>

#include <filesystem>

#include "store_folder.h"

namespace {

namespace fs = std::filesystem;

using StoreTest = StoreFolderTest;

TEST_F(StoreTest, FirstStartCreatesAnEmptyStoreAndTheReportFolder) {
    EXPECT_EQ(Bytes(DataPath(0)), handbuilt::Header(0, 0, 0, 1));
    EXPECT_TRUE(fs::is_directory(folder_ + "bazi_f"));
    EXPECT_EQ(store_.CaseCount(), 0);
    // Opening again leaves the store as it is.
    EXPECT_EQ(AddNamed(1), 0);
    ASSERT_TRUE(store_.Open(folder_, 0));
    EXPECT_EQ(store_.CaseCount(), 1);
    EXPECT_EQ(store_.ReportFile(17), folder_ + "bazi_f/17.rtf");
}

TEST_F(StoreTest, FirstCaseGetsNumberZeroAtOffsetTwenty) {
    CaseRecord r = MakeCase("张三");
    r.number = 99;
    r.deleted = 1;
    ASSERT_EQ(store_.AddCase(r), 0);
    EXPECT_EQ(r.number, 0);
    EXPECT_EQ(r.deleted, 0);

    std::string file = Bytes(DataPath(0));
    ASSERT_EQ(file.size(), 20u + 1256u);
    EXPECT_EQ(file.substr(20), Raw(r));
    EXPECT_EQ(Header().slots, 1);

    CaseRecord back{};
    ASSERT_TRUE(store_.ReadCase(0, back));
    EXPECT_EQ(gbk::ReadField(back.a.name), "张三");
    EXPECT_EQ(gbk::ReadField(back.note), "备注:\r\n第二行");
}

TEST_F(StoreTest, CaseFiftyThousandStartsTheSecondFile) {
    // A full first file (its records are all zero: live, unnamed).
    Write(DataPath(0), handbuilt::Header(50000, 0, 0, 1));
    fs::resize_file(DataPath(0), 20 + 50000ULL * 1256);

    CaseRecord r = MakeCase("第五万");
    ASSERT_EQ(store_.AddCase(r), 50000);
    EXPECT_EQ(fs::file_size(DataPath(0)), 62800020u);
    EXPECT_EQ(fs::file_size(DataPath(1)), 1256u);
    EXPECT_EQ(handbuilt::GetLE(Bytes(DataPath(1)), 0, 4), 50000u);
    RawHeader h = Header();
    EXPECT_EQ(h.slots, 50001);
    EXPECT_EQ(h.files, 2);

    CaseRecord back{};
    ASSERT_TRUE(store_.ReadCase(50000, back));
    EXPECT_EQ(gbk::ReadField(back.a.name), "第五万");
    EXPECT_EQ(store_.AddCase(r), 50001);
    EXPECT_EQ(fs::file_size(DataPath(1)), 2u * 1256u);
}

TEST_F(StoreTest, ReadCaseRejectsNumbersOutsideTheStore) {
    AddNamed(3);
    ASSERT_TRUE(store_.DeleteCase(1));
    const CaseRecord untouched = MakeCase("原样");
    for (int n : {-1, 3, 1000000}) {
        CaseRecord r = untouched;
        EXPECT_FALSE(store_.ReadCase(n, r)) << n;
        EXPECT_EQ(gbk::ReadField(r.a.name), "原样") << n;
    }
    CaseRecord r = untouched;
    EXPECT_FALSE(store_.ReadCase(1, r));  // deleted: filled, not live
    EXPECT_EQ(gbk::ReadField(r.a.name), "甲1");
    EXPECT_EQ(r.deleted, 1);
    EXPECT_TRUE(store_.ReadCase(2, r));
}

TEST_F(StoreTest, WriteCaseOverwritesOnlySlotsOfTheStore) {
    AddNamed(2);
    CaseRecord r{};
    ASSERT_TRUE(store_.ReadCase(1, r));
    gbk::WriteField(r.category, "改过");
    ASSERT_TRUE(store_.WriteCase(1, r));
    CaseRecord back{};
    ASSERT_TRUE(store_.ReadCase(1, back));
    EXPECT_EQ(gbk::ReadField(back.category), "改过");
    EXPECT_EQ(store_.CaseCount(), 2);

    // A slot beyond the store would leave a hole that reads as cases.
    EXPECT_FALSE(store_.WriteCase(2, r));
    EXPECT_FALSE(store_.WriteCase(-1, r));
    EXPECT_EQ(fs::file_size(DataPath(0)), 20u + 2u * 1256u);
}

TEST_F(StoreTest, ThirtyDeletionsSwitchToReusingSlotsInAscendingOrder) {
    AddNamed(40);
    // 29 deletions, highest first: new cases are still appended.
    for (int n = 35; n > 6; --n) ASSERT_TRUE(store_.DeleteCase(n));
    EXPECT_EQ(Header().deleted, 29);
    EXPECT_EQ(Header().reuse, 0);
    EXPECT_EQ(AddNamed(1), 40);

    // The 30th switches to reuse.
    ASSERT_TRUE(store_.DeleteCase(3));
    EXPECT_EQ(Header().reuse, 1);
    std::vector<int> taken;
    for (int i = 0; i < 30; ++i) taken.push_back(AddNamed(1));
    std::vector<int> expected{3};
    for (int n = 7; n <= 35; ++n) expected.push_back(n);
    EXPECT_EQ(taken, expected);
    RawHeader h = Header();
    EXPECT_EQ(h.deleted, 0);
    EXPECT_EQ(h.reuse, 0);
    EXPECT_EQ(h.slots, 41);

    // Then appending resumes.
    EXPECT_EQ(AddNamed(1), 41);
    CaseRecord r{};
    ASSERT_TRUE(store_.ReadCase(3, r));
    EXPECT_EQ(r.number, 3);
}

TEST_F(StoreTest, DeleteKeepsTheSlotsBytesAndCountsItOnce) {
    AddNamed(2);
    std::string before = Bytes(DataPath(0));
    ASSERT_TRUE(store_.DeleteCase(0));
    ASSERT_TRUE(store_.DeleteCase(0));
    EXPECT_EQ(Header().deleted, 1);
    std::string after = Bytes(DataPath(0));
    EXPECT_EQ(after[20 + 4], 1);
    after[20 + 4] = before[20 + 4];
    EXPECT_EQ(after.substr(20), before.substr(20));
    EXPECT_FALSE(store_.DeleteCase(2));
    EXPECT_FALSE(store_.DeleteCase(-1));
}

TEST_F(StoreTest, DeleteAllRemovesDataAndReportsAndTheNextOpenStartsAfresh) {
    AddNamed(3);
    Write(DataPath(1), "stale");
    Write(store_.ReportFile(0), "{\\rtf1 }");
    Write(folder_ + "bazi_f/notes.txt", "kept");
    ASSERT_TRUE(store_.DeleteAll());
    EXPECT_FALSE(fs::exists(DataPath(0)));
    EXPECT_FALSE(fs::exists(DataPath(1)));
    EXPECT_FALSE(fs::exists(store_.ReportFile(0)));
    EXPECT_TRUE(fs::exists(folder_ + "bazi_f/notes.txt"));
    EXPECT_EQ(store_.CaseCount(), 0);
    CaseRecord r = MakeCase("无处");
    EXPECT_EQ(store_.AddCase(r), -1);  // no store until the program starts again

    ASSERT_TRUE(store_.Open(folder_, 0));
    EXPECT_EQ(Bytes(DataPath(0)), handbuilt::Header(0, 0, 0, 1));
}

TEST_F(StoreTest, ExportCreatesTheReportFolderAndOverwritesTheSecondTime) {
    AddNamed(2);
    Write(store_.ReportFile(1), "{\\rtf1 one}");
    std::string target = root_.Path("backup") + "/";

    TransferResult first = store_.ExportTo(target);
    EXPECT_EQ(first.status, TransferStatus::Done);
    EXPECT_EQ(first.dataFiles, 1);
    EXPECT_EQ(first.reportFiles, 1);
    EXPECT_EQ(Bytes(target + "bazi0.dat"), Bytes(DataPath(0)));
    EXPECT_EQ(Bytes(target + "bazi_f/1.rtf"), "{\\rtf1 one}");

    AddNamed(1);
    Write(store_.ReportFile(1), "{\\rtf1 two}");
    TransferResult second = store_.ExportTo(target);
    EXPECT_EQ(second.status, TransferStatus::Done);
    EXPECT_EQ(Bytes(target + "bazi0.dat"), Bytes(DataPath(0)));
    EXPECT_EQ(Bytes(target + "bazi_f/1.rtf"), "{\\rtf1 two}");
    EXPECT_FALSE(fs::exists(target + "bazi0.dat.part"));
}

TEST_F(StoreTest, ExportRefusesTheProgramsOwnFolders) {
    AddNamed(1);
    std::string before = Bytes(DataPath(0));
    for (const std::string& own : {folder_ + "dat", folder_, folder_ + "./dat/"})
        EXPECT_EQ(store_.ExportTo(own).status, TransferStatus::OwnStore) << own;
    EXPECT_EQ(Bytes(DataPath(0)), before);
}

TEST_F(StoreTest, ImportAfterClearingBringsBackTheExportedStore) {
    AddNamed(3);
    ASSERT_TRUE(store_.DeleteCase(1));
    Write(store_.ReportFile(2), "{\\rtf1 two}");
    std::string backup = root_.Path("backup") + "/";
    ASSERT_EQ(store_.ExportTo(backup).status, TransferStatus::Done);
    std::string exported = Bytes(DataPath(0));

    // Another program folder with cases of its own.
    MDataBase other;
    std::string otherFolder = root_.Path("other") + "/";
    ASSERT_TRUE(other.Open(otherFolder, 0));
    CaseRecord r = MakeCase("别人");
    other.AddCase(r);
    Write(other.ReportFile(0), "old");

    ASSERT_EQ(other.CheckImportSource(backup + "bazi0.dat"), TransferStatus::Done);
    ASSERT_TRUE(other.DeleteAll());
    TransferResult result = other.ImportFrom(backup + "bazi0.dat");
    EXPECT_EQ(result.status, TransferStatus::Done);
    EXPECT_EQ(result.dataFiles, 1);
    EXPECT_EQ(result.reportFiles, 1);
    EXPECT_EQ(Bytes(otherFolder + "dat/bazi0.dat"), exported);
    EXPECT_FALSE(fs::exists(other.ReportFile(0)));
    EXPECT_EQ(Bytes(other.ReportFile(2)), "{\\rtf1 two}");
    EXPECT_EQ(other.CaseCount(), 3);
    CaseRecord back{};
    EXPECT_FALSE(other.ReadCase(1, back));
    EXPECT_TRUE(other.ReadCase(2, back));
}

TEST_F(StoreTest, ImportRefusesTheOwnStoreAndFilesWithoutAHeader) {
    AddNamed(2);
    std::string own = DataPath(0);
    EXPECT_EQ(store_.CheckImportSource(own), TransferStatus::OwnStore);
    // Also after the store was cleared, when the source is already gone.
    ASSERT_TRUE(store_.DeleteAll());
    EXPECT_EQ(store_.ImportFrom(own).status, TransferStatus::OwnStore);
    // A stale bazi0.dat in the program folder itself would copy the reports onto themselves.
    Write(folder_ + "bazi0.dat", handbuilt::Header(0, 0, 0, 1));
    EXPECT_EQ(store_.ImportFrom(folder_ + "bazi0.dat").status, TransferStatus::OwnStore);

    std::string elsewhere = root_.Path("x");
    fs::create_directories(elsewhere);
    Write(elsewhere + "/bazi0.dat", "short");
    EXPECT_EQ(store_.ImportFrom(elsewhere + "/bazi0.dat").status, TransferStatus::NoStore);
    EXPECT_EQ(store_.ImportFrom(elsewhere + "/missing.dat").status, TransferStatus::NoStore);
    EXPECT_FALSE(fs::exists(DataPath(0)));
}

TEST_F(StoreTest, ImportRefusesAHeaderWhoseDataFilesAreMissing) {
    AddNamed(1);
    const std::string before = Bytes(DataPath(0));
    std::string source = root_.Path("src") + "/";
    fs::create_directories(source);
    std::string header = handbuilt::Header(150000, 0, 0, 3);
    Write(source + "bazi0.dat", header + std::string(50000 * 1256, '\0'));
    Write(source + "bazi2.dat", std::string(50000 * 1256, '\0'));  // bazi1.dat is missing

    EXPECT_EQ(store_.ImportFrom(source + "bazi0.dat").status, TransferStatus::NoStore);
    EXPECT_EQ(Bytes(DataPath(0)), before);
}

}  // namespace
