// Reverse pillar search: the checks of the start year and of the pillars in
// their order, the search at the edges of months and years, and a cross-check
// of what it finds against the engine's own pillars.
#include "tools/reverse_search.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/calendar/calendar_math.h"
#include "engine/symbols/symbols.h"
#include "tests/engine/calendar_test_util.h"

namespace {

const CYiDate cal;

reverse::PillarCheck Check(const char* year, const char* month, const char* day, const char* hour) {
    reverse::StemBranch picked[4] = {reverse::PickedByName(year), reverse::PickedByName(month),
                                     reverse::PickedByName(day), reverse::PickedByName(hour)};
    return reverse::CheckPillars(picked);
}

FourPillars Wanted(const char* year, const char* month, const char* day, const char* hour) {
    reverse::PillarCheck c = Check(year, month, day, hour);
    EXPECT_EQ(c.failed, -1) << year << month << day << hour;
    return c.pillars;
}

bool SamePillars(const FourPillars& a, const FourPillars& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour;
}

// A moment's pillars as a chart has them (clock time, late 子 off).
FourPillars EnginePillars(const CalDate& m) { return PillarsOf(cal, m, m, false); }

CalDate RandomMoment(std::mt19937& rng, int firstYear, int lastYear) {
    for (;;) {
        int year = std::uniform_int_distribution<int>(firstYear, lastYear)(rng);
        int month = std::uniform_int_distribution<int>(1, 12)(rng);
        int day = std::uniform_int_distribution<int>(1, calmath::MonthLength(year, month))(rng);
        if (cal.CalendarOf(year, month, day) < 0) continue;  // the ten days dropped in 1582
        return D(year, month, day, std::uniform_int_distribution<int>(0, 23)(rng),
                 std::uniform_int_distribution<int>(0, 59)(rng));
    }
}

}  // namespace

TEST(ReverseSearch, PillarsAreCheckedInOrderEachCompletely) {
    struct Case { const char* year; const char* month; const char* day; const char* hour; int failed; };
    const Case cases[] = {
        {"甲丑", "甲丑", "甲丑", "甲丑", 0},  // parity, and the first bad pillar is named
        {"甲子", "丙丑", "甲子", "甲子", 1},
        {"甲子", "戊寅", "甲丑", "甲丑", 1},  // 甲 year starts with 丙寅: the stem rule fails before the day's parity
        {"甲子", "乙丑", "甲子", "甲子", 1},  // its 丑 month is 丁丑
        {"甲子", "丙寅", "甲丑", "甲子", 2},
        {"甲子", "丙寅", "甲子", "丙子", 3},  // a 甲 day starts with 甲子
        {"甲子", "丙寅", "甲子", "甲丑", 3},
        {"子甲", "丙寅", "甲子", "甲子", 0},  // not a pillar name
        {"甲子", "丙寅", "甲子", "甲子", -1},
        {"甲子", "丁丑", "甲子", "乙丑", -1},
        {"甲子", "丙子", "己卯", "甲子", -1},
        {"癸亥", "甲寅", "戊子", "壬子", -1},
        {"癸亥", "乙丑", "癸亥", "癸亥", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Check(c.year, c.month, c.day, c.hour).failed, c.failed) << c.year << c.month << c.day << c.hour;
    FourPillars p = Check("癸亥", "甲寅", "戊子", "壬子").pillars;
    EXPECT_TRUE(SamePillars(p, {0, 51, 25, 49}));
    EXPECT_EQ(reverse::InvalidPillarMessage(0), "不存在这个年柱！");
    EXPECT_EQ(reverse::InvalidPillarMessage(1), "不存在这个月柱！");
    EXPECT_EQ(reverse::InvalidPillarMessage(2), "不存在这个日柱！");
    EXPECT_EQ(reverse::InvalidPillarMessage(3), "不存在这个时柱！");
}

TEST(ReverseSearch, StartYearChecks) {
    struct Case { const char* text; int typed; bool accepted, searchable; };
    const Case cases[] = {
        {"1950", 1950, true, true},   {"-120", -120, true, true},   {"2100", 2100, true, true},
        {"-850", -850, true, true},   {" 1984 ", 1984, true, true}, {"0", 0, false, false},
        {"2101", 2101, false, false}, {"", -1000, false, false},    {"abc", -1000, false, false},
        {"19a0", -1000, false, false}, {"-1000", -1000, false, false},
        // Passes the first check and is refused by the search.
        {"-900", -900, true, false},  {"-851", -851, true, false},
    };
    for (const Case& c : cases) {
        int typed = reverse::TypedYear(c.text);
        EXPECT_EQ(typed, c.typed) << c.text;
        EXPECT_EQ(reverse::StartYearAccepted(typed), c.accepted) << c.text;
        EXPECT_EQ(reverse::StartYearSearchable(typed), c.searchable) << c.text;
    }
}

TEST(ReverseSearch, FindsTheFirstMatchAtOrAfterTheStartYear) {
    FourPillars p = Wanted("甲子", "丙寅", "戊午", "壬子");
    struct Case { int from; const char* found; };  // from: as typed
    const Case cases[] = {
        {1900, "1924年2月9日0时"}, {1924, "1924年2月9日0时"}, {1864, "1864年2月23日0时"},
        // BC start years: 117 BC is astronomical −116.
        {-120, "-117年2月26日0时"}, {-117, "-117年2月26日0时"}, {-116, "-57年2月11日0时"},
        {-850, "-837年2月26日0时"},
    };
    for (const Case& c : cases) {
        auto found = reverse::FirstMatch(cal, p, reverse::AstronomicalYear(c.from));
        ASSERT_TRUE(found) << c.from;
        EXPECT_EQ(reverse::MatchText(*found), c.found) << c.from;
        EXPECT_EQ(found->minute, 5);
    }
    // Its only matches lie before the start year.
    EXPECT_FALSE(reverse::FirstMatch(cal, p, 1925));
    EXPECT_FALSE(reverse::FirstMatch(cal, p, 2100));
}

TEST(ReverseSearch, DayOfTheJieBeforeItsMomentBelongsToTheMonthBefore) {
    // 立春 1984 falls on 4 February at 23:19; that day is 戊辰.
    auto before = reverse::FirstMatch(cal, Wanted("癸亥", "乙丑", "戊辰", "壬子"), 1983);
    ASSERT_TRUE(before);
    EXPECT_TRUE(Same(*before, D(1984, 2, 4, 0, 5))) << Text(*before);
    auto lateBefore = reverse::FirstMatch(cal, Wanted("癸亥", "乙丑", "戊辰", "癸亥"), 1983);
    ASSERT_TRUE(lateBefore);
    EXPECT_TRUE(Same(*lateBefore, D(1984, 2, 4, 22, 5))) << Text(*lateBefore);
    for (const char* hour : {"壬子", "癸亥"}) {
        auto after = reverse::FirstMatch(cal, Wanted("甲子", "丙寅", "戊辰", hour), 1984);
        EXPECT_TRUE(!after || after->year >= 2044) << Text(*after);
    }
}

TEST(ReverseSearch, AllMatchesSpanTheCalendarInOrder) {
    std::vector<CalDate> all = reverse::AllMatches(cal, Wanted("甲子", "丙寅", "戊午", "壬子"));
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(reverse::MatchText(all.front()), "-837年2月26日0时");
    EXPECT_EQ(reverse::MatchText(all.back()), "1924年2月9日0时");
    for (size_t i = 1; i < all.size(); ++i) EXPECT_GE(all[i].year - all[i - 1].year, 60);
}

// For moments of 1900–2050 and a start year at or before the moment's year
// pillar, the search finds a moment, and the engine gives it the same four
// pillars.
TEST(ReverseSearch, CrossCheckWithTheEnginesPillars) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 2000; ++i) {
        CalDate moment = RandomMoment(rng, 1900, 2050);
        FourPillars wanted = EnginePillars(moment);
        int pillarYear = YearPillarOfYear(moment.year) == wanted.year ? moment.year : moment.year - 1;
        int from = pillarYear - std::uniform_int_distribution<int>(0, 150)(rng);
        auto found = reverse::FirstMatch(cal, wanted, from);
        ASSERT_TRUE(found) << Text(moment) << " from " << from;
        EXPECT_TRUE(SamePillars(EnginePillars(*found), wanted)) << Text(moment) << " found " << Text(*found);
        EXPECT_GE(found->year, from) << Text(moment);
    }
}

// Over the whole span, Julian centuries included, every match carries the
// wanted pillars.
TEST(ReverseSearch, EveryMatchOfTheSpanCarriesThePillars) {
    std::mt19937 rng(8502100);
    for (int i = 0; i < 300; ++i) {
        CalDate moment = RandomMoment(rng, -849, 2100);
        FourPillars wanted = EnginePillars(moment);
        std::vector<CalDate> all = reverse::AllMatches(cal, wanted);
        EXPECT_FALSE(all.empty()) << Text(moment);
        for (const CalDate& m : all)
            EXPECT_TRUE(SamePillars(EnginePillars(m), wanted)) << Text(moment) << " found " << Text(m);
    }
}

// The search stays in standard time; a moment of a summer-time period names
// the clock time a birth certificate of then shows.
TEST(ReverseSearch, SummerMomentsNameTheirClockTime) {
    auto found = reverse::FirstMatch(cal, EnginePillars(D(1988, 7, 1, 10, 30)), 1988);
    ASSERT_TRUE(found);
    EXPECT_EQ(reverse::MatchText(*found), "1988年7月1日10时");
    EXPECT_EQ(reverse::SummerClockText(*found), "（当时实行夏令时，钟表时间为 1988年7月1日11时）");
    // Across midnight into the next day, and a winter moment with nothing to add.
    EXPECT_EQ(reverse::SummerClockText(D(1946, 7, 1, 23, 5)), "（当时实行夏令时，钟表时间为 1946年7月2日0时）");
    EXPECT_EQ(reverse::SummerClockText(D(1988, 12, 1, 10, 5)), "");
    EXPECT_EQ(reverse::SummerClockText(D(1995, 7, 1, 10, 5)), "");
}
