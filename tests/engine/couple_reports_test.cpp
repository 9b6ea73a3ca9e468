// Whole reports of three couples compared with the expected texts in
// data/couples/ (UTF-8, the report's own "\r\n" line ends).
//
// When the report changes on purpose (a reading chapter grows, a text is
// mended), write the new texts with
//
//   MARIVO_UPDATE_EXPECTED=1 <build>/tests/test_engine --gtest_filter='CoupleReports*'
//
// and read the difference (git diff tests/engine/data/couples) line by line
// before committing it: an expected text that holds a mistake protects it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "tests/engine/engine_test_support.h"

namespace {

struct CoupleCase {
    const char* file;
    const char* settings;  // lines of section "set"
    const char* endInfo;   // dat/EndInfo.txt, or nullptr for none
    BirthData a, b;
};

std::vector<CoupleCase> Cases() {
    return {
        // Default settings; 乙命 born at 23:30 counts as the next day.
        {"plain.txt", "", nullptr, Named(Birth(0, true, 1985, 7, 16, 10, 30), "张三"),
         Named(Birth(1, false, 1987, 2, 4, 23, 30), "李四")},
        // True solar time, stems over branches, 命宫 by the 中气, closing text
        // and the high-score bonus; 乙命 born in the leap fourth month of 2001.
        {"solar_time.txt", "idate=1\r\npai=1\r\nmgong=1\r\nendinfo=1\r\nbscore=1\r\n", "刘言：测试\r\n第二行\r\n",
         WithPlace(Birth(0, true, 1976, 10, 3, 6, 15), "王五", "北京市-北京", 116.4667f, 39.9f),
         WithPlace(LunarBirth(1, false, 2001, 4, 15, 14, 50, true), "赵六", "上海市-上海", 121.4667f, 31.2333f)},
        // Local mean time, late 子 hour kept on its day, no special patterns;
        // two women, one of 120 BC (stored −119), one of 1700.
        {"ancient.txt", "zishi=1\r\nbiange=0\r\nidate=2\r\n", nullptr,
         WithPlace(Birth(0, false, -119, 3, 5, 23, 20), "古人", "陕西省-西安", 108.9f, 34.2667f),
         Named(Birth(1, false, 1700, 1, 1, 23, 40), "今人")},
    };
}

// The first line where the texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string le, la;
    for (int line = 1;; ++line) {
        bool moreE = static_cast<bool>(std::getline(e, le)), moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) return "no line differs (line ends?)";
        if (le != la || moreE != moreA)
            return "line " + std::to_string(line) + "\n expected: " + le + "\n actual:   " + la;
    }
}

class CoupleReportsTest : public ProgramFolderTest {};

TEST_F(CoupleReportsTest, WholeReportsEqualTheExpectedTexts) {
    const bool update = std::getenv("MARIVO_UPDATE_EXPECTED") != nullptr;
    // These births are in standard time, so reading them as clock times of
    // their zone (the default) and as standard time give the same report.
    for (const char* clock : {"", "localclock=0\r\n"}) {
        for (CoupleCase& c : Cases()) {
            Settings(std::string(c.settings) + clock);
            std::filesystem::remove(Folder() + "dat/EndInfo.txt");
            if (c.endInfo) WriteDat("EndInfo.txt", c.endInfo);
            CBaZiEx engine(Folder(), StandardReadings());
            engine.showReport = 0;
            ASSERT_TRUE(engine.ComputeCouple(c.a, c.b)) << c.file << ": " << engine.errorText;

            const std::string path = std::string(MARIVO_TEST_DATA) + "/couples/" + c.file;
            if (update) {
                ASSERT_TRUE(fileutil::WriteAtomically(path, engine.report)) << path;
                continue;
            }
            std::string expected;
            ASSERT_TRUE(fileutil::ReadAll(path, expected)) << path;
            EXPECT_TRUE(engine.report == expected)
                << c.file << " " << clock << ": " << FirstDifference(expected, engine.report);
        }
    }
    if (update) GTEST_SKIP() << "expected texts written: read the difference before committing";
}

}  // namespace
