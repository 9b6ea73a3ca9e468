#include "engine/zones/birth_clock.h"

#include <cstdlib>

#include "engine/base/text_format.h"

using clockzone::ClockKind;

namespace {

bool SameDay(const CalDate& a, const CalDate& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

// "1小时", "30分钟", "1小时30分钟".
std::string DurationText(int minutes) {
    std::string t;
    if (minutes >= 60) t += std::to_string(minutes / 60) + "小时";
    if (minutes % 60 != 0) t += std::to_string(minutes % 60) + "分钟";
    return t;
}

// The time of day, with the date in front when it is not the entered day.
std::string MomentText(const CalDate& d, const CalDate& entered) {
    std::string time = Format("%d时%d分", d.hour, d.minute);
    if (SameDay(d, entered)) return time;
    return Format("%d年%d月%d日", DisplayYear(d.year), d.month, d.day) + time;
}

}  // namespace

bool BirthClock::Changed() const {
    return !SameDay(entered, standard) || entered.hour != standard.hour || entered.minute != standard.minute;
}

BirthClock UncorrectedClock(const CalDate& entered) {
    BirthClock c;
    c.entered = c.standard = entered;
    return c;
}

bool CorrectedClock(std::string_view zone, const CalDate& entered, BirthClock& clock, std::string& error) {
    clock = UncorrectedClock(entered);
    clock.zone = zone;
    clock.corrected = true;
    const clockzone::ClockReading r = clockzone::ReadClock(zone, entered);
    clock.kind = r.kind;
    if (r.kind == ClockKind::Skipped) {
        error = Format("%d年%d月%d日%d时%d分这个钟表时间当时并不存在：", DisplayYear(entered.year), entered.month,
                       entered.day, entered.hour, entered.minute) +
                (r.summerMinutes > 0 ? "那时开始实行夏令时，钟表拨快了" : "那时改换时区，钟表拨快了") +
                DurationText(r.shiftMinutes) + "。请核对出生时间。";
        return false;
    }
    if (r.kind == ClockKind::Unique || r.kind == ClockKind::Repeated) {
        clock.utcMinutes = r.utcMinutes;
        clock.standard = clockzone::ClockAtOffset(r.utcMinutes, clockzone::kBeijingOffsetMinutes);
        clock.offsetMinutes = r.offsetMinutes;
        clock.summerMinutes = r.summerMinutes;
        clock.shiftMinutes = r.shiftMinutes;
    }
    return true;
}

std::string ClockNoteLine(const BirthClock& clock) {
    const bool repeated = clock.kind == ClockKind::Repeated;
    if (!clock.Changed() && !repeated) return {};
    std::string why;
    if (clock.summerMinutes > 0) {
        why = "当时实行夏令时";
    } else {
        const int ahead = clock.offsetMinutes - clockzone::kBeijingOffsetMinutes;
        why = std::string("当时当地钟表比北京时间") + (ahead > 0 ? "快" : "慢") + DurationText(std::abs(ahead));
    }
    std::string t = "（" + why + "，已按北京时间 " + MomentText(clock.standard, clock.entered) + " 排盘";
    if (repeated) {
        const CalDate later =
            clockzone::ClockAtOffset(clock.utcMinutes + clock.shiftMinutes, clockzone::kBeijingOffsetMinutes);
        t += "；这个钟表时间当时出现了两次，以上按第一次，若是第二次，北京时间晚" + DurationText(clock.shiftMinutes) +
             "，为 " + MomentText(later, clock.entered);
    }
    return t + "）\r\n";
}
