// The entered birth time read as the clock time of the birthplace and turned
// into standard time of 120° E (北京时间), in which the charts are cast; and
// the report line that says so.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/zones/clock_zone.h"
#include "engine/calendar/cal_date.h"

struct BirthClock {
    CalDate entered{};   // the time as entered (a solar date)
    CalDate standard{};  // the same moment in standard time of 120° E
    std::string_view zone = clockzone::kBeijingZone;
    clockzone::ClockKind kind = clockzone::ClockKind::Unique;
    int64_t utcMinutes = 0;  // the moment in universal time (when corrected and known)
    int offsetMinutes = clockzone::kBeijingOffsetMinutes;  // the clocks' offset at that moment
    int summerMinutes = 0;  // its summer-time part
    int shiftMinutes = 0;   // for a repeated time: how much later the second occurrence is
    bool corrected = false; // read as a local clock time (the setting is on)

    bool Changed() const;
};

// The entered time taken as standard time of 120° E, as the clocks are
// assumed to be with the setting off.
BirthClock UncorrectedClock(const CalDate& entered);

// The entered time as the clock time of `zone`. False, with `error` set, for
// a time the clocks skipped. A repeated time is read as its first occurrence
// (still summer time); before the zone kept a standard time the clocks
// showed local mean time and the time is kept as it is (the time basis
// setting deals with local time).
bool CorrectedClock(std::string_view zone, const CalDate& entered, BirthClock& clock, std::string& error);

// "（当时实行夏令时，已按北京时间 22时30分 排盘）" and the like, with "\r\n";
// empty when the correction changed nothing.
std::string ClockNoteLine(const BirthClock& clock);
