// Helpers of the chart engine tests: a temporary program folder with its
// settings file, birth records, and a probe into the engine's single steps.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/chart/CBaZiEx.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "engine/symbols/symbols.h"
#include "tests/common/pillar_number.h"
#include "tests/common/temp_folder.h"
#include "tests/engine/birth_records.h"

// A program folder of its own for each test, with dat/bzinit.ini holding
// the given lines of section "set" (GBK on disk, as the program writes it).
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder_.Path("dat")); }

    std::string Folder() const { return folder_.Root().string() + "/"; }

    // Writes dat/bzinit.ini with these "key=value" lines under [set].
    void Settings(const std::string& lines) const { WriteDat("bzinit.ini", "[set]\r\n" + lines); }
    void WriteDat(const std::string& name, const std::string& utf8) const {
        ASSERT_TRUE(fileutil::WriteAtomically(folder_.Path("dat/" + name), gbk::FromUtf8(utf8)));
    }

private:
    TempFolder folder_;
};

inline std::string Pillars(const ChartData& c) {
    return sym::PillarName(c.yearPillar) + sym::PillarName(c.monthPillar) + sym::PillarName(c.dayPillar) +
           sym::PillarName(c.hourPillar);
}

// The engine's single steps, for charts built by hand.
class CBaZiExProbe {
public:
    explicit CBaZiExProbe(CBaZiEx& engine) : e_(engine) {}

    // Sets the four pillars of the working chart (a man's or a woman's),
    // born at the given clock time, and marks its stars and relations.
    const ChartData& MarkStars(const char* year, const char* month, const char* day, const char* hour, bool male,
                               CalDate clock = {2000, 6, 15, 12, 0}) {
        e_.chart = ChartData{};
        e_.current = BirthData{};
        e_.current.male = male ? 1 : 0;
        e_.clockTime = e_.solarTime = clock;
        e_.birthJd = e_.calendar.DateToJulianDay(clock);
        const char* names[4] = {year, month, day, hour};
        int16_t* pillars[4] = {&e_.chart.yearPillar, &e_.chart.monthPillar, &e_.chart.dayPillar, &e_.chart.hourPillar};
        for (int i = 0; i < 4; ++i) {
            *pillars[i] = static_cast<int16_t>(PillarNumber(names[i]));
            e_.chart.nayin[i] = sym::kNayinElements[sym::NayinPair(*pillars[i])];
        }
        e_.sectionText.clear();
        e_.MarkStars();
        return e_.chart;
    }
    const std::string& SectionText() const { return e_.sectionText; }
    const std::string& ChartText(int person) const { return e_.chartText[person]; }
    int LifeNumber(int year, int month, int day) const { return e_.LifeNumber(year, month, day); }

    void DrawPicture(float marriageIndex) {
        e_.marriageIndex = marriageIndex;
        e_.DrawChartPicture();
    }

private:
    CBaZiEx& e_;
};
