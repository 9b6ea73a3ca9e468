// Where the program keeps its data: a writable dat/ beside the executable
// (portable), else the per-user folder with the shipped data in the install.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "engine/base/data_folder.h"
#include "engine/base/file_util.h"
#include "tests/common/temp_folder.h"

namespace {

namespace fs = std::filesystem;

datafolder::Environment Env(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) -> const char* {
        auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second.c_str();
    };
}

TEST(DataFolder, UserFolderFollowsXdgDataHome) {
    struct Case { std::map<std::string, std::string> env; std::string folder; };
    const Case cases[] = {
        {{{"HOME", "/home/a"}}, "/home/a/.local/share/marivo/"},
        {{{"HOME", "/home/a/"}, {"XDG_DATA_HOME", "/data/a"}}, "/data/a/marivo/"},
        {{{"HOME", "/home/a"}, {"XDG_DATA_HOME", "relative/data"}}, "/home/a/.local/share/marivo/"},
        {{{"HOME", "/home/a"}, {"XDG_DATA_HOME", ""}}, "/home/a/.local/share/marivo/"},
    };
    for (const Case& c : cases) EXPECT_EQ(datafolder::UserDataFolder(Env(c.env)), c.folder);
}

TEST(DataFolder, LocateTellsPortableFromInstalled) {
    TempFolder root;
    const auto env = Env({{"HOME", "/home/a"}});
    // portable: a writable dat/ beside the executable
    fs::create_directories(root.Path("portable/dat"));
    const datafolder::Folders portable = datafolder::Locate(root.Path("portable"), env);
    EXPECT_FALSE(portable.installed);
    EXPECT_EQ(portable.user, root.Path("portable") + "/");
    EXPECT_EQ(portable.shipped, portable.user);
    // installed: <prefix>/bin without dat/, the data in <prefix>/share/marivo
    fs::create_directories(root.Path("usr/bin"));
    fs::create_directories(root.Path("usr/share/marivo/dat"));
    const datafolder::Folders installed = datafolder::Locate(root.Path("usr/bin/"), env);
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.user, "/home/a/.local/share/marivo/");
    EXPECT_EQ(installed.shipped, root.Path("usr/share/marivo") + "/");
}

TEST(DataFolder, FirstStartCopiesWhatIsMissingAndNeverOverwrites) {
    TempFolder root;
    const std::string shipped = root.Path("share") + "/", user = root.Path("home/marivo") + "/";
    fs::create_directories(shipped + "dat");
    for (const char* name : {"dili.ini", "EndInfo.txt", "hzlen.dat", "bzpingyu.dat", "Marivo.html", "bzzs.html"})
        root.WriteBytes(std::string("share/dat/") + name, "shipped");
    fs::create_directories(user + "dat");
    root.WriteBytes("home/marivo/dat/dili.ini", "edited by the user");

    std::string error;
    ASSERT_TRUE(datafolder::Prepare({user, shipped, true}, error)) << error;
    std::string bytes;
    EXPECT_TRUE(fileutil::ReadAll(user + "dat/dili.ini", bytes));
    EXPECT_EQ(bytes, "edited by the user");
    EXPECT_TRUE(fileutil::ReadAll(user + "dat/EndInfo.txt", bytes));
    EXPECT_EQ(bytes, "shipped");
    for (const char* name : {"hzlen.dat", "bzpingyu.dat", "Marivo.html", "bzzs.html"})
        EXPECT_FALSE(fs::exists(user + "dat/" + name)) << name;  // read from the install
}

TEST(DataFolder, AFolderThatCannotBeMadeIsNamed) {
    TempFolder root;
    const std::string user = root.Path("home/marivo") + "/";
    root.WriteBytes("home", "a file where the home folder belongs");
    std::string error;
    EXPECT_FALSE(datafolder::Prepare({user, root.Path("share") + "/", true}, error));
    EXPECT_EQ(error, "无法建立数据文件夹 " + user);
    // portable: nothing to prepare
    EXPECT_TRUE(datafolder::Prepare({user, user, false}, error));
}

TEST(DataFolder, ShippedFileIsTheUsersOwnCopyWhenThereIsOne) {
    TempFolder root;
    const std::string user = root.Path("user");
    // no copy anywhere: the user's path, so that a message names it
    EXPECT_EQ(datafolder::ShippedFile(user, "dat/hzlen.dat"), user + "/dat/hzlen.dat");
    fs::create_directories(user + "/dat");
    root.WriteBytes("user/dat/hzlen.dat", "own");
    EXPECT_EQ(datafolder::ShippedFile(user, "dat/hzlen.dat"), user + "/dat/hzlen.dat");
}

}  // namespace
