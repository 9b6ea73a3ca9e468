// The case library under writers that collide: an import killed at random
// moments, two imports at once, an import while another writer holds the
// library, and a window that opened the library before it was replaced.
// Each run leaves the old library or the whole new one, never a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include "cases/MDataBase.h"
#include "cases/library_lock.h"
#include "cases/store_layout.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The case files and reports of a library, by name.
using Snapshot = std::map<std::string, std::string>;

Snapshot Take(const std::string& programFolder) {
    Snapshot files;
    for (const char* sub : {"dat", "bazi_f"}) {
        std::error_code ec;
        for (fs::directory_iterator it(programFolder + sub, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.ends_with(".ini") || name == "bazi.lock") continue;
            std::string bytes;
            fileutil::ReadAll(it->path().string(), bytes);
            files[std::string(sub) + "/" + name] = bytes;
        }
    }
    return files;
}

// A program folder holding `cases` cases named after `who`, each with a
// report, and its export beside it (<name>_export/bazi0.dat, the file to
// import). The files are written directly: building them case by case,
// each forced onto the disk, would take most of the test's time.
std::string MakeLibrary(const TempFolder& root, const std::string& name, const std::string& who, int cases) {
    const std::string folder = root.Path(name) + "/";
    fs::create_directories(folder + "dat");
    fs::create_directories(folder + "bazi_f");
    StoreHeader header = FreshHeader(0);
    header.slotCount = cases;
    HeaderBytes head = EncodeHeader(header);
    std::ofstream data(folder + "dat/bazi0.dat", std::ios::binary);
    data.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    for (int i = 0; i < cases; ++i) {
        CaseRecord r{};
        r.number = i;
        gbk::WriteField(r.a.name, who + std::to_string(i % 100));
        gbk::WriteField(r.category, who);
        CaseBytes bytes = EncodeCase(r);
        data.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(folder + "bazi_f/" + std::to_string(i) + ".rtf") << "{\\rtf1 " << who << " " << i << "}";
    }
    data.close();
    MDataBase store;
    EXPECT_TRUE(store.Open(folder, 0));
    EXPECT_EQ(store.CaseCount(), cases);
    EXPECT_EQ(store.ExportTo(root.Path(name + "_export")).status, TransferStatus::Done);
    return folder;
}

void CopyLibrary(const std::string& from, const std::string& to) {
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
}

// Starts marivo-cli cases import in the background, its output discarded.
pid_t StartImport(const std::string& programFolder, const std::string& source) {
    pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(MARIVO_CLI, MARIVO_CLI, "cases", "--dir", programFolder.c_str(), "import", source.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class LibraryWritersTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldLibrary_ = MakeLibrary(root_, "old", "旧", 5);
        newLibrary_ = MakeLibrary(root_, "new", "新", 1500);
        newSource_ = root_.Path("new_export/bazi0.dat");
        program_ = root_.Path("prog") + "/";
        oldFiles_ = Take(oldLibrary_);
        newFiles_ = Take(newLibrary_);
    }

    // What the next start sees: the store opened as the window opens it.
    Snapshot AfterNextStart() {
        MDataBase store;
        EXPECT_TRUE(store.Open(program_, 0));
        return Take(program_);
    }

    TempFolder root_;
    std::string oldLibrary_, newLibrary_, newSource_, program_;
    Snapshot oldFiles_, newFiles_;
};

TEST_F(LibraryWritersTest, ImportKilledAtRandomMomentsLeavesTheOldOrTheWholeNewLibrary) {
    // How long a whole import takes here, to spread the kills over it.
    CopyLibrary(oldLibrary_, program_);
    const auto start = Clock::now();
    ASSERT_EQ(Wait(StartImport(program_, newSource_)), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    ASSERT_EQ(AfterNextStart(), newFiles_);

    std::mt19937 random(20261211);
    int oldSeen = 0, newSeen = 0;
    for (int kill = 0; kill < 12; ++kill) {
        CopyLibrary(oldLibrary_, program_);
        const pid_t pid = StartImport(program_, newSource_);
        // Some kills come after the import has ended by itself.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (whole.count() * 13 / 10 + 1)));
        ::kill(pid, SIGKILL);
        Wait(pid);
        const Snapshot seen = AfterNextStart();
        const bool isOld = seen == oldFiles_, isNew = seen == newFiles_;
        EXPECT_TRUE(isOld || isNew) << "kill " << kill << ": " << seen.size() << " files";
        oldSeen += isOld;
        newSeen += isNew;
        // Nothing of the killed import is left beside the library.
        for (const auto& entry : fs::directory_iterator(program_)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "dat" || name == "bazi_f" || name.starts_with("bazi_backup_")) << name;
        }
    }
    std::printf("12 kills: %d left the old library, %d the new one (a whole import takes %lld ms)\n", oldSeen,
                newSeen, static_cast<long long>(whole.count() / 1000));
}

TEST_F(LibraryWritersTest, TwoImportsAtOnceLeaveOneWholeLibrary) {
    const std::string other = MakeLibrary(root_, "other", "另", 700);
    const Snapshot otherFiles = Take(other);
    for (int trial = 0; trial < 4; ++trial) {
        CopyLibrary(oldLibrary_, program_);
        const pid_t first = StartImport(program_, newSource_);
        const pid_t second = StartImport(program_, root_.Path("other_export/bazi0.dat"));
        const int a = Wait(first), b = Wait(second);
        EXPECT_TRUE(a == 0 || a == 2) << a;
        EXPECT_TRUE(b == 0 || b == 2) << b;
        const Snapshot seen = AfterNextStart();
        EXPECT_TRUE(seen == newFiles_ || seen == otherFiles) << "trial " << trial;
        if (a == 0 && b != 0) {
            EXPECT_EQ(seen, newFiles_);
        }
        if (b == 0 && a != 0) {
            EXPECT_EQ(seen, otherFiles);
        }
    }
}

TEST_F(LibraryWritersTest, ImportWhileAnotherWriterHoldsTheLibraryIsRefusedNamingIt) {
    CopyLibrary(oldLibrary_, program_);
    LibraryLock holder(program_ + "dat/");
    ASSERT_TRUE(holder.Held());
    CliRun run = RunCli("cases --dir " + ShellQuoted(program_) + " import " + ShellQuoted(newSource_));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "cases: 命例库正被另一个程序使用：test_cli (process " + std::to_string(getpid()) + ")\n");
    EXPECT_EQ(Take(program_), oldFiles_);
}

TEST_F(LibraryWritersTest, WindowOpenAcrossAnImportNoLongerWritesItsStaleCases) {
    CopyLibrary(oldLibrary_, program_);
    MDataBase window;
    ASSERT_TRUE(window.Open(program_, 0));
    CaseRecord onScreen;
    ASSERT_TRUE(window.ReadCase(0, onScreen));

    CliRun run = RunCli("cases --dir " + ShellQuoted(program_) + " import " + ShellQuoted(newSource_));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("原来的命例库已备份到 " + program_ + "bazi_backup_"), std::string::npos)
        << run.out;

    EXPECT_FALSE(window.WriteCase(0, onScreen));
    EXPECT_EQ(window.LastFailure(), StoreFailure::Replaced);
    EXPECT_EQ(window.AddCase(onScreen), -1);
    EXPECT_FALSE(window.DeleteCase(1));
    EXPECT_EQ(Take(program_), newFiles_);
}

}  // namespace
