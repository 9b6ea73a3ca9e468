// marivo-cli where the machine works against it: output that cannot be
// written, files replaced by folders or unreadable, a damaged header, a
// library it may only read, a file that is not a library.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cases/MDataBase.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kCouple = "couple --a 'date=1985-07-16,time=10:30' --b 'sex=女,date=1987-02-04,time=23:30'";

class CliFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = root_.Path("prog") + "/";
        fs::create_directories(folder_ + "dat");
        MDataBase store;
        ASSERT_TRUE(store.Open(folder_, 0));
        for (const char* name : {"张三", "李四"}) {
            CaseRecord r{};
            gbk::WriteField(r.a.name, name);
            ASSERT_GE(store.AddCase(r), 0);
        }
    }
    std::string Dir() const { return "--dir " + ShellQuoted(folder_); }

    TempFolder root_;
    std::string folder_;
};

TEST_F(CliFaultsTest, OutputThatCannotBeWrittenEndsWithStatusTwo) {
    for (const std::string& command :
         {std::string("day 2020-01-01"), std::string("terms 2020"), kCouple, "cases " + Dir() + " list",
          "cases " + Dir() + " list --all --json", "rtf-text " + std::string(MARIVO_SOURCE_DIR) + "/tests/richtext/data/samples/richedit.rtf"}) {
        CliRun run = RunCli(command + " >/dev/full");
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find("无法写出输出"), std::string::npos) << command << ": " << run.err;
    }
    EXPECT_EQ(RunCli("day 2020-01-01 >/dev/null").status, 0);
}

TEST_F(CliFaultsTest, FilesReplacedByFoldersCountAsMissing) {
    // Settings and place file as folders: the defaults, no abort.
    fs::create_directories(folder_ + "dat/bzinit.ini");
    fs::create_directories(folder_ + "dat/dili.ini");
    CliRun couple = RunCli(kCouple + " --dir " + ShellQuoted(folder_));
    EXPECT_EQ(couple.status, 0) << couple.err;
    EXPECT_NE(couple.out.find("甲命八字："), std::string::npos);

    for (const std::string& path : {std::string("/tmp"), std::string("/proc/self/mem"), root_.Path("missing.rtf")}) {
        CliRun run = RunCli("rtf-text " + path);
        EXPECT_EQ(run.status, 2) << path;
        EXPECT_EQ(run.err, "rtf-text: 无法读取 " + path + "\n") << path;
    }
}

TEST_F(CliFaultsTest, HeaderClaimingABillionSlotsListsWhatTheFilesHold) {
    std::string bytes;
    ASSERT_TRUE(fileutil::ReadAll(folder_ + "dat/bazi0.dat", bytes));
    const int32_t billion = 1000000000;
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<char>((billion >> (8 * i)) & 0xFF);
    ASSERT_TRUE(fileutil::WriteAtomically(folder_ + "dat/bazi0.dat", bytes));
    CliRun run = RunCli("cases " + Dir() + " list --all --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

TEST_F(CliFaultsTest, ReadingCommandsLeaveTheLibraryUntouched) {
    // A library as a read-only disk holds it: no report folder, no lock file.
    fs::remove_all(folder_ + "bazi_f");
    fs::remove(folder_ + "dat/bazi.lock");
    const bool root = geteuid() == 0;  // root writes into read-only folders anyway
    if (!root) fs::permissions(folder_ + "dat", fs::perms::owner_write, fs::perm_options::remove);
    const std::string exportTo = root_.Path("export");
    for (const std::string& command : {std::string("list"), std::string("find --name 张"), "export " + ShellQuoted(exportTo)}) {
        CliRun run = RunCli("cases " + Dir() + " " + command);
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    }
    if (!root) fs::permissions(folder_ + "dat", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(fs::exists(folder_ + "bazi_f"));
    EXPECT_FALSE(fs::exists(folder_ + "dat/bazi.lock"));
    EXPECT_TRUE(fs::exists(exportTo + "/bazi0.dat"));
}

TEST_F(CliFaultsTest, FileThatIsNotALibraryIsNotImported) {
    std::string before;
    ASSERT_TRUE(fileutil::ReadAll(folder_ + "dat/bazi0.dat", before));
    const std::string notes = root_.Path("notes.txt");
    ASSERT_TRUE(fileutil::WriteAtomically(notes, "Tuesday: call the matchmaker about the Lis.\n"));
    CliRun run = RunCli("cases " + Dir() + " import " + ShellQuoted(notes));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("不是命例库"), std::string::npos) << run.err;
    std::string after;
    ASSERT_TRUE(fileutil::ReadAll(folder_ + "dat/bazi0.dat", after));
    EXPECT_EQ(after, before);
}

}  // namespace
