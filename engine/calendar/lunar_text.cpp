#include "engine/calendar/lunar_text.h"

std::string LunarMonthDayText(CYiDate& cal, const CalDate& lunar, bool leap) {
    std::string text = leap ? "闰" : "";
    text += lunar.month == 1 ? std::string("正") : cal.ChineseNumber(lunar.month);
    text += "月";
    if (lunar.day <= 10) text += "初";
    return text + cal.ChineseNumber(lunar.day);
}
