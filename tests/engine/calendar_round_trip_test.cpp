// Every solar day from 850 BC to 1900 taken to its lunar date and back.
#include <sstream>

#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "tests/engine/calendar_test_util.h"

namespace {

bool SameDay(const CalDate& a, const CalDate& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

// One fault is left: the first nine days of 848 BC lie, by the lunation
// series, in a leap 12th month of the lunar year 849 BC, while the
// leap-month table puts that leap month in the year after, so the way back
// finds no leap month in 849 BC.
std::string KnownFaults() {
    std::string text;
    for (int day = 1; day <= 9; ++day) text += Text(D(-848, 1, day, 12, 0)) + ": 此年没有闰月\n";
    return text;
}

}  // namespace

// Each day comes back to itself, leap flag included, with one exception:
// where the lunation series gives a month's number to two consecutive
// lunations (the years up to 254 BC, when the year began in autumn or
// winter, and AD 24 and 241, where the calendars moved the start of the
// year; see CalendarCoherence), a lunar date names two solar days and
// converts back to the earlier one. Every day that does not come back must
// be the later of such a pair; the one fault left is KnownFaults.
TEST(CalendarRoundTrip, EverySolarDayComesBackFromItsLunarDate) {
#ifdef MARIVO_SANITIZED
    GTEST_SKIP() << "a million days take too long under the sanitizers; the normal build runs them";
#endif
    const CYiDate cal;
    CalDate day = D(-849, 1, 1, 12, 0);
    int days = 0, ambiguous = 0, latestAmbiguousYear = -849;
    std::ostringstream faults;
    while (day.year <= 1900) {
        CalDate lunar, back, again;
        const bool leap = cal.SolarToLunar(day, lunar);
        std::string message;
        ++days;
        if (!cal.LunarToSolar(lunar, back, leap, message)) {
            faults << Text(day) << ": " << message << "\n";
        } else if (!SameDay(back, day)) {
            const bool backLeap = cal.SolarToLunar(back, again);
            if (cal.DateToJulianDay(back) < cal.DateToJulianDay(day) && SameDay(again, lunar) && backLeap == leap) {
                ++ambiguous;
                latestAmbiguousYear = day.year;
            } else {
                faults << Text(day) << " -> " << Text(lunar) << (leap ? " leap" : "") << " -> " << Text(back) << "\n";
            }
        }
        cal.NextDay(day);
    }
    EXPECT_EQ(faults.str(), KnownFaults());
    EXPECT_EQ(days, 1004425);
    EXPECT_EQ(ambiguous, 6469);
    EXPECT_EQ(latestAmbiguousYear, 241);
}
