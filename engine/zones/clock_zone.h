// Clock times of a birthplace's time zone, read through ICU's copy of the
// IANA time zone database. A birth certificate gives the time the clocks
// showed; mainland China kept summer time in 1919, in the 1940s and from
// 1986 to 1991, Hong Kong, Macau and Taiwan in many years up to 1979, and
// Hong Kong, Macau and Taiwan were at times not at +8:00 at all. These
// functions tell what moment such a clock time was, so that a chart can be
// cast in standard time.
//
// Plain C++ without Qt; ICU is hidden behind this interface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calendar/cal_date.h"

namespace clockzone {

// The zone whose clocks a birth in that place was timed by: the IANA id of
// the province (index in the province list). Mainland provinces and an
// unknown place are Asia/Shanghai; 台湾省, 香港 and 澳门 have zones of their own.
std::string_view ZoneOfProvince(int province);

// The zone of standard time of 120° E (北京时间).
constexpr std::string_view kBeijingZone = "Asia/Shanghai";
constexpr int kBeijingOffsetMinutes = 8 * 60;

enum class ClockKind {
    Unique,    // the clock showed this time once
    Skipped,   // never shown: the clocks were moved forward over it
    Repeated,  // shown twice: the clocks were moved back over it
    LocalMean, // before the zone kept a standard time: local mean time, no zone offset applies
    Unknown,   // the zone id is not in the database
};

// One local clock time read in its zone.
struct ClockReading {
    ClockKind kind = ClockKind::Unknown;
    // The moment, minutes since 1970-01-01 00:00 universal time; for a
    // repeated time the first occurrence (still in summer time). Meaningless
    // for Skipped, LocalMean and Unknown.
    int64_t utcMinutes = 0;
    int offsetMinutes = 0;  // the zone's offset from universal time at that moment
    // The summer-time part of it (0 in standard time); for a skipped time
    // that of the clocks after they were moved.
    int summerMinutes = 0;
    // Repeated: how much later the second occurrence is; Skipped: how far
    // the clocks were moved forward.
    int shiftMinutes = 0;
};

// Reads the clock time `local` (a Gregorian date and time) of zone `zone`.
ClockReading ReadClock(std::string_view zone, const CalDate& local);

// The clock time that a clock at `offsetMinutes` showed at the moment
// `utcMinutes` (e.g. standard time of 120° E with offset 480).
CalDate ClockAtOffset(int64_t utcMinutes, int offsetMinutes);

// What the clocks of `zone` showed at the moment given in standard time of
// 120° E, with the offset and summer-time part used. For moments before the
// zone kept a standard time the time is returned unchanged with offset 480.
struct ZoneClock {
    CalDate clock;
    int offsetMinutes;
    int summerMinutes;
};
ZoneClock ClockOfStandardTime(std::string_view zone, const CalDate& beijingStandard);

// The IANA database version ICU reads (e.g. "2022e").
std::string DatabaseVersion();

}  // namespace clockzone
