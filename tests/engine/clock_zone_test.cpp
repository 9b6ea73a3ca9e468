// Clock times of the birthplaces' zones against the facts of the IANA
// database as `zdump -v Asia/Shanghai` (and the others) lists them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>

#include "engine/zones/birth_clock.h"
#include "engine/zones/clock_zone.h"

namespace {

using clockzone::ClockKind;

std::string Text(const CalDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d %02d:%02d", d.year, d.month, d.day, d.hour, d.minute);
    return buf;
}

struct Moment {
    const char* zone;
    CalDate clock;
    ClockKind kind;
    const char* standard;  // standard time of 120° E (first occurrence when repeated)
    int offset;            // minutes east of Greenwich
    int summer;            // summer-time minutes
};

const Moment kMoments[] = {
    // The mainland summers of 1986–1991: the first clock minute of summer
    // time (2:00 became 3:00) and the last one (the first 1:59 of the
    // repeated hour, 2:00 becoming 1:00 again).
    {"Asia/Shanghai", {1986, 5, 4, 3, 0}, ClockKind::Unique, "1986-05-04 02:00", 540, 60},
    {"Asia/Shanghai", {1986, 9, 14, 1, 59}, ClockKind::Repeated, "1986-09-14 00:59", 540, 60},
    {"Asia/Shanghai", {1987, 4, 12, 3, 0}, ClockKind::Unique, "1987-04-12 02:00", 540, 60},
    {"Asia/Shanghai", {1987, 9, 13, 1, 59}, ClockKind::Repeated, "1987-09-13 00:59", 540, 60},
    {"Asia/Shanghai", {1988, 4, 17, 3, 0}, ClockKind::Unique, "1988-04-17 02:00", 540, 60},
    {"Asia/Shanghai", {1988, 9, 11, 1, 59}, ClockKind::Repeated, "1988-09-11 00:59", 540, 60},
    {"Asia/Shanghai", {1989, 4, 16, 3, 0}, ClockKind::Unique, "1989-04-16 02:00", 540, 60},
    {"Asia/Shanghai", {1989, 9, 17, 1, 59}, ClockKind::Repeated, "1989-09-17 00:59", 540, 60},
    {"Asia/Shanghai", {1990, 4, 15, 3, 0}, ClockKind::Unique, "1990-04-15 02:00", 540, 60},
    {"Asia/Shanghai", {1990, 9, 16, 1, 59}, ClockKind::Repeated, "1990-09-16 00:59", 540, 60},
    {"Asia/Shanghai", {1991, 4, 14, 3, 0}, ClockKind::Unique, "1991-04-14 02:00", 540, 60},
    {"Asia/Shanghai", {1991, 9, 15, 1, 59}, ClockKind::Repeated, "1991-09-15 00:59", 540, 60},
    // Just outside a summer: the minute before it began, the hour after it ended.
    {"Asia/Shanghai", {1988, 4, 17, 1, 59}, ClockKind::Unique, "1988-04-17 01:59", 480, 0},
    {"Asia/Shanghai", {1988, 9, 11, 2, 0}, ClockKind::Unique, "1988-09-11 02:00", 480, 0},
    // The birth of the example: 23:30 on a summer clock is 22:30 standard time.
    {"Asia/Shanghai", {1988, 6, 20, 23, 30}, ClockKind::Unique, "1988-06-20 22:30", 540, 60},
    // A 1940s Shanghai summer (1946-05-15 to 09-30), and an hour past
    // midnight that belongs to the day before in standard time.
    {"Asia/Shanghai", {1946, 7, 1, 12, 0}, ClockKind::Unique, "1946-07-01 11:00", 540, 60},
    {"Asia/Shanghai", {1946, 7, 1, 0, 30}, ClockKind::Unique, "1946-06-30 23:30", 540, 60},
    // Hong Kong: a 1970s summer, and the occupation's Tokyo time (+9:00, no summer time).
    {"Asia/Hong_Kong", {1975, 7, 1, 12, 0}, ClockKind::Unique, "1975-07-01 11:00", 540, 60},
    {"Asia/Hong_Kong", {1943, 3, 1, 12, 0}, ClockKind::Unique, "1943-03-01 11:00", 540, 0},
    // Taipei: the summer of 1974 (04-01 to 09-30) and of 1979 (07-01 to 09-30).
    {"Asia/Taipei", {1974, 6, 1, 8, 15}, ClockKind::Unique, "1974-06-01 07:15", 540, 60},
    {"Asia/Taipei", {1979, 9, 30, 23, 59}, ClockKind::Repeated, "1979-09-30 22:59", 540, 60},
    // Macau 1942: Tokyo time with an hour of summer time on top (+10:00).
    {"Asia/Macau", {1942, 6, 1, 12, 0}, ClockKind::Unique, "1942-06-01 10:00", 600, 60},
    // Winter: no change.
    {"Asia/Shanghai", {1988, 1, 15, 12, 0}, ClockKind::Unique, "1988-01-15 12:00", 480, 0},
    {"Asia/Hong_Kong", {1975, 1, 15, 12, 0}, ClockKind::Unique, "1975-01-15 12:00", 480, 0},
    // The skipped hour (2:00 to 2:59 when summer time began) and the repeated
    // hour (1:00 to 1:59 when it ended).
    {"Asia/Shanghai", {1988, 4, 17, 2, 30}, ClockKind::Skipped, nullptr, 0, 60},
    {"Asia/Shanghai", {1988, 9, 11, 1, 30}, ClockKind::Repeated, "1988-09-11 00:30", 540, 60},
    // The 1940 summer began at midnight: 0:00 to 0:59 of 1 June never showed.
    {"Asia/Shanghai", {1940, 6, 1, 0, 0}, ClockKind::Skipped, nullptr, 0, 60},
    // Before a zone kept standard time the clocks showed local mean time.
    {"Asia/Shanghai", {1850, 7, 1, 12, 0}, ClockKind::LocalMean, nullptr, 0, 0},
    {"Asia/Hong_Kong", {1900, 7, 1, 12, 0}, ClockKind::LocalMean, nullptr, 0, 0},
};

TEST(ClockZone, MomentsMatchTheZoneDatabase) {
    for (const Moment& m : kMoments) {
        const clockzone::ClockReading r = clockzone::ReadClock(m.zone, m.clock);
        const std::string where = std::string(m.zone) + " " + Text(m.clock);
        EXPECT_EQ(r.kind, m.kind) << where;
        EXPECT_EQ(r.summerMinutes, m.summer) << where;
        if (!m.standard) continue;
        EXPECT_EQ(Text(clockzone::ClockAtOffset(r.utcMinutes, clockzone::kBeijingOffsetMinutes)), m.standard) << where;
        EXPECT_EQ(r.offsetMinutes, m.offset) << where;
    }
}

// ICU reads a copy of the IANA database of its own; the system's copy
// (Debian tzdata, through zdump) must give the same offset on both sides of
// every change of the clocks, 1900–2030.
TEST(ClockZone, EveryChangeAgreesWithTheSystemDatabase) {
    if (std::system("zdump -v -c 2000,2001 UTC >/dev/null 2>&1") != 0) GTEST_SKIP() << "zdump not available";
    for (const char* zone : {"Asia/Shanghai", "Asia/Hong_Kong", "Asia/Macau", "Asia/Taipei"}) {
        FILE* pipe = popen(("zdump -v -c 1900,2030 " + std::string(zone)).c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string out;
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
        pclose(pipe);
        // "Asia/Shanghai  Sat May  3 18:00:00 1986 UT = Sun May  4 03:00:00 1986 CDT isdst=1 gmtoff=32400"
        std::istringstream lines(out);
        int checked = 0;
        for (std::string line; std::getline(lines, line);) {
            std::size_t ut = line.find(" UT = "), dst = line.find("isdst="), off = line.find("gmtoff=");
            if (ut == std::string::npos || dst == std::string::npos || off == std::string::npos) continue;
            std::tm when{};
            if (!strptime(line.substr(0, ut).substr(std::string(zone).size()).c_str(), " %a %b %d %H:%M:%S %Y", &when))
                continue;
            const long offsetSeconds = std::stol(line.substr(off + 7));
            if (offsetSeconds % 60 != 0) continue;  // local mean time
            const int64_t seconds = timegm(&when);
            const int64_t utcMinutes = (seconds - (seconds % 60 + 60) % 60) / 60;  // rounded down, also before 1970
            const clockzone::ZoneClock z = clockzone::ClockOfStandardTime(
                zone, clockzone::ClockAtOffset(utcMinutes, clockzone::kBeijingOffsetMinutes));
            EXPECT_EQ(z.offsetMinutes, offsetSeconds / 60) << line;
            EXPECT_EQ(z.summerMinutes > 0, line[dst + 6] == '1') << line;
            ++checked;
        }
        EXPECT_GT(checked, 10) << zone;
    }
}

TEST(ClockZone, RepeatedAndSkippedTimesSayByHowMuch) {
    EXPECT_EQ(clockzone::ReadClock("Asia/Shanghai", {1988, 9, 11, 1, 30}).shiftMinutes, 60);
    EXPECT_EQ(clockzone::ReadClock("Asia/Shanghai", {1988, 4, 17, 2, 0}).shiftMinutes, 60);
    // Hong Kong, 1 October 1941: +9:00 summer time became +8:30 (3:30 to 3:59 twice).
    clockzone::ClockReading r = clockzone::ReadClock("Asia/Hong_Kong", {1941, 10, 1, 3, 45});
    EXPECT_EQ(r.kind, ClockKind::Repeated);
    EXPECT_EQ(r.shiftMinutes, 30);
}

TEST(ClockZone, UnknownZoneIsSaid) {
    EXPECT_EQ(clockzone::ReadClock("Mars/Olympus_Mons", {1988, 6, 20, 12, 0}).kind, ClockKind::Unknown);
}

TEST(ClockZone, ProvincesChooseTheirZones) {
    EXPECT_EQ(clockzone::ZoneOfProvince(0), "Asia/Shanghai");   // 福建省
    EXPECT_EQ(clockzone::ZoneOfProvince(30), "Asia/Shanghai");  // 新疆 keeps 北京时间 on its clocks
    EXPECT_EQ(clockzone::ZoneOfProvince(31), "Asia/Taipei");
    EXPECT_EQ(clockzone::ZoneOfProvince(32), "Asia/Hong_Kong");
    EXPECT_EQ(clockzone::ZoneOfProvince(33), "Asia/Macau");
    EXPECT_EQ(clockzone::ZoneOfProvince(34), "Asia/Shanghai");  // 未知地
    EXPECT_EQ(clockzone::ZoneOfProvince(-1), "Asia/Shanghai");
    EXPECT_EQ(clockzone::ZoneOfProvince(999), "Asia/Shanghai");
}

TEST(ClockZone, StandardTimeBackToTheClock) {
    struct Case {
        const char* zone;
        CalDate standard;
        const char* clock;
        int summer;
    } cases[] = {
        {"Asia/Shanghai", {1988, 6, 20, 22, 30}, "1988-06-20 23:30", 60},
        {"Asia/Shanghai", {1988, 9, 11, 0, 30}, "1988-09-11 01:30", 60},  // the first 1:30
        {"Asia/Shanghai", {1988, 9, 11, 1, 30}, "1988-09-11 01:30", 0},   // the second 1:30
        {"Asia/Shanghai", {1995, 6, 20, 22, 30}, "1995-06-20 22:30", 0},
        {"Asia/Macau", {1942, 6, 1, 10, 0}, "1942-06-01 12:00", 60},
        {"Asia/Shanghai", {1850, 7, 1, 12, 0}, "1850-07-01 12:00", 0},
    };
    for (const Case& c : cases) {
        const clockzone::ZoneClock z = clockzone::ClockOfStandardTime(c.zone, c.standard);
        EXPECT_EQ(Text(z.clock), c.clock) << c.zone << " " << Text(c.standard);
        EXPECT_EQ(z.summerMinutes, c.summer) << c.zone << " " << Text(c.standard);
    }
}

TEST(BirthClock, NoteLinesSayWhatWasDone) {
    struct Case {
        const char* zone;
        CalDate clock;
        const char* note;
    } cases[] = {
        {"Asia/Shanghai", {1988, 6, 20, 23, 30}, "（当时实行夏令时，已按北京时间 22时30分 排盘）\r\n"},
        {"Asia/Shanghai", {1988, 6, 21, 0, 30}, "（当时实行夏令时，已按北京时间 1988年6月20日23时30分 排盘）\r\n"},
        {"Asia/Shanghai", {1988, 9, 11, 1, 30},
         "（当时实行夏令时，已按北京时间 0时30分 排盘；这个钟表时间当时出现了两次，以上按第一次，"
         "若是第二次，北京时间晚1小时，为 1时30分）\r\n"},
        {"Asia/Taipei", {1940, 3, 1, 12, 0}, "（当时当地钟表比北京时间快1小时，已按北京时间 11时0分 排盘）\r\n"},
        {"Asia/Shanghai", {1988, 1, 15, 12, 0}, ""},
        {"Asia/Shanghai", {1850, 7, 1, 12, 0}, ""},
    };
    for (const Case& c : cases) {
        BirthClock clock;
        std::string error;
        ASSERT_TRUE(CorrectedClock(c.zone, c.clock, clock, error)) << Text(c.clock);
        EXPECT_EQ(ClockNoteLine(clock), c.note) << Text(c.clock);
    }
    EXPECT_EQ(ClockNoteLine(UncorrectedClock({1988, 6, 20, 23, 30})), "");
}

TEST(BirthClock, SkippedTimeIsRefusedWithItsReason) {
    BirthClock clock;
    std::string error;
    EXPECT_FALSE(CorrectedClock("Asia/Shanghai", {1988, 4, 17, 2, 30}, clock, error));
    EXPECT_EQ(error, "1988年4月17日2时30分这个钟表时间当时并不存在：那时开始实行夏令时，钟表拨快了1小时。请核对出生时间。");
}

}  // namespace
