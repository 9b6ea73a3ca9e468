#include "engine/zones/clock_zone.h"

#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>
#include <unicode/ucal.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace clockzone {

namespace {

constexpr int64_t kMinutesPerDay = 24 * 60;
constexpr double kMsPerMinute = 60000.0;

// Province indexes of the places whose clocks were not always those of the
// mainland (the order of the province list).
constexpr int kTaiwan = 31;
constexpr int kHongKong = 32;
constexpr int kMacau = 33;

struct Zone {
    std::unique_ptr<icu::BasicTimeZone> tz;
    // Before this moment (ms of universal time) the zone's clocks kept local
    // mean time, as every clock did before standard time zones.
    double standardTimeSince = -std::numeric_limits<double>::infinity();
};

// Zones are opened once per thread: opening one reads the database.
const Zone* FindZone(std::string_view id) {
    thread_local std::map<std::string, Zone, std::less<>> zones;
    if (auto it = zones.find(id); it != zones.end()) return it->second.tz ? &it->second : nullptr;
    Zone& z = zones[std::string(id)];
    icu::UnicodeString uid = icu::UnicodeString::fromUTF8(icu::StringPiece(id.data(), static_cast<int32_t>(id.size())));
    std::unique_ptr<icu::TimeZone> tz(icu::TimeZone::createTimeZone(uid));
    auto* basic = dynamic_cast<icu::BasicTimeZone*>(tz.get());
    if (!basic || *tz == icu::TimeZone::getUnknown()) return nullptr;
    tz.release();
    z.tz.reset(basic);
    // Every zone of the database begins in local mean time; its first
    // transition is the start of the zone's standard time.
    icu::TimeZoneTransition first;
    if (z.tz->getNextTransition(-std::numeric_limits<double>::max(), false, first))
        z.standardTimeSince = first.getTime();
    return &z;
}

int ToMinutes(int32_t ms) { return static_cast<int>(std::lround(ms / kMsPerMinute)); }

int64_t MinutesSinceEpoch(const CalDate& d) {
    using namespace std::chrono;
    const sys_days date{year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)}};
    return static_cast<int64_t>(date.time_since_epoch().count()) * kMinutesPerDay + d.hour * 60 + d.minute;
}

struct Offset {
    int total;
    int summer;
};

// The zone's offset for a local clock time, choosing the reading before
// (`former`) or after a change of the clocks when the time is ambiguous.
Offset OffsetOfLocal(const icu::BasicTimeZone& tz, double localMs, bool former) {
    const UTimeZoneLocalOption option = former ? UCAL_TZ_LOCAL_FORMER : UCAL_TZ_LOCAL_LATTER;
    int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    tz.getOffsetFromLocal(localMs, option, option, raw, dst, status);
    return {ToMinutes(raw + dst), ToMinutes(dst)};
}

}  // namespace

std::string_view ZoneOfProvince(int province) {
    switch (province) {
        case kTaiwan: return "Asia/Taipei";
        case kHongKong: return "Asia/Hong_Kong";
        case kMacau: return "Asia/Macau";
        default: return kBeijingZone;
    }
}

ClockReading ReadClock(std::string_view zone, const CalDate& local) {
    ClockReading r;
    const Zone* z = FindZone(zone);
    if (!z) return r;
    const int64_t localMinutes = MinutesSinceEpoch(local);
    const double localMs = static_cast<double>(localMinutes) * kMsPerMinute;
    const Offset before = OffsetOfLocal(*z->tz, localMs, true);
    const Offset after = OffsetOfLocal(*z->tz, localMs, false);
    r.utcMinutes = localMinutes - before.total;
    r.offsetMinutes = before.total;
    r.summerMinutes = before.summer;
    if (static_cast<double>(r.utcMinutes) * kMsPerMinute < z->standardTimeSince) {
        r.kind = ClockKind::LocalMean;
    } else if (before.total < after.total) {
        r.kind = ClockKind::Skipped;
        r.summerMinutes = after.summer;
        r.shiftMinutes = after.total - before.total;
    } else if (before.total > after.total) {
        r.kind = ClockKind::Repeated;
        r.shiftMinutes = before.total - after.total;
    } else {
        r.kind = ClockKind::Unique;
    }
    return r;
}

CalDate ClockAtOffset(int64_t utcMinutes, int offsetMinutes) {
    using namespace std::chrono;
    const int64_t m = utcMinutes + offsetMinutes;
    const int64_t days = m >= 0 ? m / kMinutesPerDay : -((-m + kMinutesPerDay - 1) / kMinutesPerDay);
    const int64_t inDay = m - days * kMinutesPerDay;
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    return CalDate{static_cast<int16_t>(static_cast<int>(ymd.year())), static_cast<int16_t>(unsigned(ymd.month())),
                   static_cast<int16_t>(unsigned(ymd.day())), static_cast<int16_t>(inDay / 60),
                   static_cast<int16_t>(inDay % 60)};
}

ZoneClock ClockOfStandardTime(std::string_view zone, const CalDate& beijingStandard) {
    const ZoneClock unchanged{beijingStandard, kBeijingOffsetMinutes, 0};
    const Zone* z = FindZone(zone);
    if (!z) return unchanged;
    const int64_t utc = MinutesSinceEpoch(beijingStandard) - kBeijingOffsetMinutes;
    const double utcMs = static_cast<double>(utc) * kMsPerMinute;
    if (utcMs < z->standardTimeSince) return unchanged;
    int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    z->tz->getOffset(utcMs, false, raw, dst, status);
    if (U_FAILURE(status)) return unchanged;
    const int offset = ToMinutes(raw + dst);
    return {ClockAtOffset(utc, offset), offset, ToMinutes(dst)};
}

std::string DatabaseVersion() {
    UErrorCode status = U_ZERO_ERROR;
    const char* version = icu::TimeZone::getTZDataVersion(status);
    return U_SUCCESS(status) && version ? version : "";
}

}  // namespace clockzone
