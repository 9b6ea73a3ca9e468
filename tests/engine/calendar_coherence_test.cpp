// The computed lunar calendar (outside 1900–2050) walked day by day: the
// lunar day goes up by one or a new month begins at day 1 after 29 or 30
// days; months follow 1 … 12, with the leap month right after its own month
// exactly when the leap-month table has it.
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "tests/engine/calendar_test_util.h"

namespace {

struct Lunar {
    CalDate date;
    bool leap;
};

bool Follows(const CYiDate& cal, const Lunar& p, const Lunar& c) {
    if (c.date.day == p.date.day + 1)
        return c.date.year == p.date.year && c.date.month == p.date.month && c.leap == p.leap;
    if (c.date.day != 1 || p.date.day < 29) return false;
    if (!p.leap && cal.LeapMonthOfYear(p.date.year) == p.date.month)
        return c.date.year == p.date.year && c.date.month == p.date.month && c.leap;
    int year = p.date.month == 12 ? p.date.year + 1 : p.date.year, month = p.date.month % 12 + 1;
    return c.date.year == year && c.date.month == month && !c.leap;
}

// Solar years in [first, last] in which some day does not follow the day before.
std::set<int> IncoherentYears(int first, int last) {
    const CYiDate cal;
    std::set<int> years;
    CalDate d = D(first, 1, 1);
    Lunar prev{};
    bool havePrev = false;
    while (d.year <= last) {
        Lunar cur;
        cur.leap = cal.SolarToLunar(d, cur.date);
        if (havePrev && !Follows(cal, prev, cur)) years.insert(d.year);
        prev = cur, havePrev = true;
        cal.NextDay(d);
    }
    return years;
}

std::string Ranges(const std::set<int>& years) {
    std::ostringstream out;
    for (auto it = years.begin(); it != years.end();) {
        int a = *it, b = a;
        while (++it != years.end() && *it == b + 1) b = *it;
        out << (out.tellp() > 0 ? ", " : "") << a;
        if (b != a) out << ".." << b;
    }
    return out.str();
}

}  // namespace

// The lunation series cannot number every year coherently, whatever the
// leap-month table holds: from 850 to 255 BC, when the year began in autumn
// or winter, the months that begin in the solar year after a leap month are
// counted as if they came before it, and so are single months where the
// calendars moved the start of the year (AD 9, 24, 238, 241).
TEST(CalendarCoherence, ComputedYearsBeforeTheStoredOnes) {
    EXPECT_EQ(Ranges(IncoherentYears(-849, 1899)),
              "-848..-847, -839..-836, -834..-833, -831..-830, -828..-825, -823..-822, -820..-817, -815..-814, "
              "-812..-811, -809..-806, -804..-803, -801..-798, -796..-795, -793..-792, -790..-787, -785..-784, "
              "-782..-779, -777..-776, -774..-773, -771..-768, -766..-765, -763..-760, -758..-757, -755..-754, "
              "-752..-749, -747..-746, -744..-741, -739..-738, -736..-735, -733..-730, -728..-727, -725..-719, "
              "-717..-716, -714..-711, -709..-708, -706..-703, -701..-700, -698..-697, -695..-692, -690..-689, "
              "-687..-686, -684..-681, -679..-678, -676..-673, -671..-670, -668..-667, -665..-662, -660..-659, "
              "-657..-654, -652..-651, -649..-646, -644..-643, -641..-640, -638..-635, -633..-632, -630..-627, "
              "-625..-624, -622..-621, -619..-616, -614..-613, -611..-608, -606..-605, -603..-602, -600..-597, "
              "-595..-594, -592..-591, -589..-586, -584..-583, -581..-578, -576..-575, -573..-572, -570..-567, "
              "-565..-564, -562..-559, -557..-556, -554..-553, -551..-548, -546..-545, -543..-540, -538..-537, "
              "-535..-534, -532..-529, -527..-526, -524..-521, -519..-518, -516..-515, -513..-510, -508..-507, "
              "-505..-502, -500..-499, -497..-496, -494..-491, -489..-488, -486..-483, -481..-480, -478..-477, "
              "-475..-472, -470..-469, -467..-464, -462..-461, -459..-458, -456..-453, -451..-450, -448..-445, "
              "-443..-442, -440..-439, -437..-434, -432..-431, -429..-426, -424..-423, -421..-420, -418..-415, "
              "-413..-412, -410..-407, -405..-404, -402..-401, -399..-396, -394..-393, -391..-388, -386..-385, "
              "-383..-382, -380..-377, -375..-374, -372..-369, -367..-366, -364..-363, -361..-358, -356..-355, "
              "-353..-350, -348..-347, -345..-344, -342..-339, -337..-336, -334..-331, -329..-328, -326..-325, "
              "-323..-320, -318..-317, -315..-312, -310..-309, -307..-306, -304..-301, -299..-298, -296..-295, "
              "-293..-290, -288..-287, -285..-282, -280..-279, -277..-274, -272..-271, -269..-268, -266..-263, "
              "-261..-260, -258..-254, 9, 24, 238, 241");
}

TEST(CalendarCoherence, ComputedYearsAfterTheStoredOnes) {
    EXPECT_EQ(Ranges(IncoherentYears(2051, 2100)), "");
}
