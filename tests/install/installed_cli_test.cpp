// Marivo installed into a temporary DESTDIR, its marivo-cli run as a user of
// the machine runs it: with a home folder of its own and no writable dat/
// beside the executable. The user's files go to the per-user data folder,
// nothing is written into the install, and two users never share cases.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "cases/MDataBase.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kCouple = "couple --a date=1985-03-12,time=10:30,name=张三 --b date=1987-02-04,time=23:30,name=李四";

// Every file under the folder with its bytes.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string bytes;
        if (entry.is_regular_file()) fileutil::ReadAll(entry.path().string(), bytes);
        files[fs::relative(entry.path(), folder).string()] = bytes;
    }
    return files;
}

class InstalledCliTest : public ::testing::Test {
protected:
    // Each test installs afresh, as `cmake --install` with a DESTDIR does for a package.
    void SetUp() override {
        const std::string command = "DESTDIR=" + ShellQuoted(home_.Path("dest")) + " " + ShellQuoted(CMAKE_COMMAND) +
                                    " --install " + ShellQuoted(MARIVO_BUILD_DIR) + " --prefix /usr >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        installed_ = FilesUnder(Prefix());
    }
    void TearDown() override {
        if (!installed_.empty()) EXPECT_EQ(FilesUnder(Prefix()), installed_) << "something was written into the install";
    }

    fs::path Prefix() const { return home_.Root() / "dest/usr"; }

    // Runs the installed marivo-cli with this home folder (XDG_DATA_HOME unset
    // unless given).
    CliRun Installed(const std::string& home, const std::string& args, const std::string& xdg = "") {
        const std::string env = "env -u XDG_DATA_HOME HOME=" + ShellQuoted(home) +
                                (xdg.empty() ? "" : " XDG_DATA_HOME=" + ShellQuoted(xdg)) + " ";
        return RunCommand(env + (Prefix() / "bin/marivo-cli").string() + " " + args);
    }

    // A case library of two cases beside dat/bazi0.dat under the folder.
    std::string CaseLibrary(const std::string& folder) {
        fs::create_directories(folder + "/dat");
        MDataBase store;
        EXPECT_TRUE(store.Open(folder, 0));
        for (const char* name : {"王五", "赵六"}) {
            CaseRecord r{};
            gbk::WriteField(r.a.name, name);
            gbk::WriteField(r.category, "客户");
            r.a.year = 1990, r.a.month = 5, r.a.day = 3, r.a.hour = 12;
            gbk::WriteField(r.b.name, "乙");
            r.b.year = 1992, r.b.month = 1, r.b.day = 1;
            EXPECT_GE(store.AddCase(r), 0);
        }
        return folder + "/dat/bazi0.dat";
    }

    TempFolder home_;
    std::map<std::string, std::string> installed_;
};

TEST_F(InstalledCliTest, InstallsProgramsDataAndDesktopFiles) {
    for (const char* file : {"bin/marivo-cli", "share/marivo/dat/dili.ini", "share/marivo/dat/hzlen.dat",
                             "share/marivo/dat/Marivo.html", "share/man/man1/marivo-cli.1.gz",
                             "share/applications/" MARIVO_APP_ID ".desktop", "share/metainfo/" MARIVO_APP_ID ".metainfo.xml",
                             "share/icons/hicolor/scalable/apps/" MARIVO_APP_ID ".svg",
                             "share/icons/hicolor/48x48/apps/" MARIVO_APP_ID ".png",
                             "share/icons/hicolor/256x256/apps/" MARIVO_APP_ID ".png"})
        EXPECT_TRUE(fs::is_regular_file(Prefix() / file)) << file;
    EXPECT_FALSE(fs::exists(Prefix() / "bin/dat"));
}

TEST_F(InstalledCliTest, CoupleGivesTheReportOfThePortableCopy) {
    // A portable copy: the program with the shipped dat/ beside it.
    const fs::path portable = home_.Root() / "portable";
    fs::create_directories(portable);
    fs::copy(MARIVO_CLI, portable / "marivo-cli");
    fs::copy(fs::path(MARIVO_SOURCE_DIR) / "dat", portable / "dat");
    const CliRun expected = RunCommand("env HOME=/nonexistent " + (portable / "marivo-cli").string() + " " + kCouple);
    ASSERT_EQ(expected.status, 0) << expected.err;

    const CliRun installed = Installed(home_.Path("user"), kCouple);
    ASSERT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.out, expected.out);
    EXPECT_NE(installed.out.find("张三"), std::string::npos);
    // First start filled the per-user folder with the files the user may edit;
    // the read-only ones stay in the install.
    const fs::path data = home_.Root() / "user/.local/share/marivo";
    EXPECT_TRUE(fs::is_regular_file(data / "dat/dili.ini"));
    EXPECT_TRUE(fs::is_regular_file(data / "dat/EndInfo.txt"));
    EXPECT_FALSE(fs::exists(data / "dat/hzlen.dat"));
    EXPECT_EQ(fs::status(data).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(InstalledCliTest, ImportedCasesStayWithTheUserWhoImportedThem) {
    const std::string library = CaseLibrary(home_.Path("from"));
    const std::string one = home_.Path("one"), two = home_.Path("two");
    const CliRun imported = Installed(one, "cases import " + ShellQuoted(library));
    ASSERT_EQ(imported.status, 0) << imported.err;

    const CliRun listed = Installed(one, "cases list --json");
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.out.find("王五"), std::string::npos);
    EXPECT_NE(listed.out.find("赵六"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(one + "/.local/share/marivo/dat/bazi0.dat"));

    const CliRun other = Installed(two, "cases list");
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "cases: 没有找到命例\n");
}

TEST_F(InstalledCliTest, XdgDataHomeChoosesTheFolder) {
    const std::string library = CaseLibrary(home_.Path("from"));
    const std::string xdg = home_.Path("xdg");
    ASSERT_EQ(Installed(home_.Path("home"), "cases import " + ShellQuoted(library), xdg).status, 0);
    EXPECT_TRUE(fs::is_regular_file(xdg + "/marivo/dat/bazi0.dat"));
    EXPECT_FALSE(fs::exists(home_.Path("home") + "/.local"));
    // --dir still names a program folder of its own
    EXPECT_EQ(Installed(home_.Path("home"), "cases --dir " + ShellQuoted(home_.Path("from")) + " list").status, 0);
}

TEST_F(InstalledCliTest, AnUnusableDataFolderIsNamed) {
    // a file where the data folder belongs
    const std::string home = home_.Path("home");
    fs::create_directories(home + "/.local/share");
    std::ofstream(home + "/.local/share/marivo") << "not a folder";
    const CliRun listed = Installed(home, "cases list");
    EXPECT_EQ(listed.status, 2);
    EXPECT_NE(listed.err.find("无法建立数据文件夹 " + home + "/.local/share/marivo/"), std::string::npos) << listed.err;
    // the report needs no data folder: it is written with a warning
    const CliRun couple = Installed(home, kCouple);
    EXPECT_EQ(couple.status, 0);
    EXPECT_NE(couple.out.find("张三"), std::string::npos);
    EXPECT_NE(couple.err.find(home + "/.local/share/marivo"), std::string::npos);
}

}  // namespace
