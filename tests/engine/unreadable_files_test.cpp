// Files that cannot be read: a folder where a settings or data file
// belongs, a read error, a missing file. Each counts as missing (the
// caller's default) and never aborts the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"
#include "tests/common/temp_folder.h"
#include "tests/engine/birth_records.h"

namespace {

namespace fs = std::filesystem;

TEST(UnreadableFiles, CountAsMissingAndNeverThrow) {
    TempFolder dir;
    fs::create_directories(dir.Path("folder.ini"));
    const struct {
        const char* what;
        std::string path;
        bool opens;  // whether it can be opened at all
    } files[] = {
        {"a folder in the file's place", dir.Path("folder.ini"), false},
        {"a read error", "/proc/self/mem", true},
        {"a missing file", dir.Path("missing.ini"), false},
    };
    for (const auto& f : files) {
        std::string bytes = "untouched";
        EXPECT_FALSE(fileutil::ReadAll(f.path, bytes)) << f.what;
        EXPECT_EQ(bytes, "untouched") << f.what;
        EXPECT_EQ(fileutil::ReadableFile(f.path), f.opens) << f.what;
        IniDocument ini = IniDocument::Load(f.path);
        EXPECT_EQ(ini.ReadInteger("set", "pai", 7), 7) << f.what;
    }
    EXPECT_TRUE(fileutil::ReadableFile(dir.WriteBytes("real.ini", "[set]\r\npai=1\r\n")));
}

TEST(UnreadableFiles, EngineComputesWithDefaultSettingsWhenTheyAreFolders) {
    TempFolder dir;
    fs::create_directories(dir.Path("dat/bzinit.ini"));
    fs::create_directories(dir.Path("dat/dili.ini"));
    CBaZiEx engine(dir.Root().string() + "/", StandardReadings());
    engine.showReport = 0;
    BirthData a = Birth(0, true, 1985, 7, 16, 10, 30), b = Birth(1, false, 1987, 2, 4, 23, 30);
    ASSERT_TRUE(engine.ComputeCouple(a, b)) << engine.errorText;
    EXPECT_FALSE(engine.report.empty());
}

}  // namespace
