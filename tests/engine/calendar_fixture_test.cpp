// Every day of 1900-01-31 … 2050-12-31 against the published lunar months
// (tests/engine/data/lunar_months.csv, made by scripts/gen-calendar).
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "tests/engine/calendar_test_util.h"

namespace {

struct LunarMonth {
    int year, month;
    bool leap;
    CalDate first;
    int length;
};

std::vector<LunarMonth> ReadMonths() {
    std::vector<LunarMonth> months;
    std::ifstream in(MARIVO_TEST_DATA "/lunar_months.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        LunarMonth m{};
        int leap, y, mo, d;
        if (std::sscanf(line.c_str(), "%d,%d,%d,%d-%d-%d,%d", &m.year, &m.month, &leap, &y, &mo, &d, &m.length) != 7)
            continue;
        m.leap = leap != 0;
        m.first = D(y, mo, d);
        months.push_back(m);
    }
    return months;
}

}  // namespace

TEST(CalendarFixture, EveryStoredDayBothWays) {
    const CYiDate cal;
    std::vector<LunarMonth> months = ReadMonths();
    ASSERT_EQ(months.size(), 1867u);
    int days = 0;
    for (const LunarMonth& m : months) {
        CalDate solar = m.first;
        for (int day = 1; day <= m.length && solar.year <= 2050; ++day, cal.NextDay(solar), ++days) {
            CalDate lunar, back;
            bool leap = cal.SolarToLunar(solar, lunar);
            ASSERT_TRUE(lunar.year == m.year && lunar.month == m.month && lunar.day == day && leap == m.leap)
                << Text(solar) << " gave " << Text(lunar) << (leap ? " leap" : "");
            std::string message;
            ASSERT_TRUE(cal.LunarToSolar(lunar, back, m.leap, message)) << Text(lunar) << ": " << message;
            ASSERT_TRUE(Same(back, solar)) << Text(lunar) << (m.leap ? " leap" : "") << " gave " << Text(back);
        }
    }
    EXPECT_EQ(days, 55122);
}
