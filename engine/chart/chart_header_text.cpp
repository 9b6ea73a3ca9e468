#include "engine/chart/chart_header_text.h"

#include <cmath>

#include "engine/chart/chart_rules.h"
#include "engine/base/gbk_codec.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

namespace chart_text {
namespace {

// "经度:116度28分," — whole degrees (rounded down) and minutes rounded to the
// nearest, a half rounding down.
std::string DegreesText(const char* format, float value) {
    double degrees = std::floor(value);
    int minutes = static_cast<int>(std::ceil((value - degrees) * 60 - 0.5));
    return Format(format, static_cast<int>(degrees), minutes);
}

std::string DateText(const CalDate& d) {
    return Format("出生公历：%d年%d月%d日%d时%d分", DisplayYear(d.year), d.month, d.day, d.hour, d.minute);
}

// The hour's branch: the 子 hour runs from 23:00 to 00:59, each later branch
// two hours.
int HourBranch(int hour) {
    int h = hour % 2 == 1 ? (hour + 1) % 24 : hour;
    return (h / 2 + 1) % 12;
}

}  // namespace

std::string BirthLines(const BirthData& person, const CalDate& enteredTime, const CalDate& solarTime,
                       int timeBasis, int weekday, const std::string& clockNote) {
    std::string t = Format("命主姓名:%s  出生地:", gbk::ReadField(person.name).c_str());
    std::string place = gbk::ReadField(person.place);
    if (timeBasis != 0) {
        t += place + ",";
        t += DegreesText("经度:%d度%d分,", person.longitude);
        t += DegreesText("纬度:%d度%d分。\r\n", person.latitude);
        t += DateText(enteredTime) + "(北京时间)。\r\n" + clockNote;
        t += DateText(solarTime) + (timeBasis == 1 ? "(真太阳时)，" : "(地方时)，");
        t += Format("星期%s。\r\n", sym::kWeekdayNames[weekday]);
    } else {
        t += place + "。\r\n";
        t += DateText(enteredTime) + "(北京时间)，";
        t += Format("星期%s。\r\n", sym::kWeekdayNames[weekday]) + clockNote;
    }
    return t;
}

std::string LunarLine(CYiDate& calendar, int yearPillar, const CalDate& lunarDate, bool leap, int hour) {
    std::string t = "出生农历：" + sym::PillarName(yearPillar) + "年";
    std::string month = lunarDate.month == 1 ? "正" : calendar.ChineseNumber(lunarDate.month);
    t += (leap ? " 闰" : " ") + month + "月 ";
    if (lunarDate.day <= 10) t += "初";
    t += calendar.ChineseNumber(lunarDate.day) + "日";
    t += Format(" %s时。", sym::kBranchNames[HourBranch(hour)]);
    return t + "\r\n\r\n";
}

std::string PillarBlock(const int pillars[4], bool male, int pai) {
    int dayStem = sym::StemOf(pillars[2]);
    std::string gods = "      ";
    for (int i = 0; i < 4; ++i)
        gods += i == 2 ? "日元        "
                       : PadRight(sym::kTenGodShortNames[sym::TenGod(dayStem, sym::StemOf(pillars[i]))], 12);

    std::string line = male ? "乾造  " : "坤造  ";
    std::string branchLine = "      ";
    for (int i = 0; i < 4; ++i) {
        const char* stem = sym::kStemNames[sym::StemOf(pillars[i])];
        const char* branch = sym::kBranchNames[sym::BranchOf(pillars[i])];
        bool last = i == 3;
        if (pai == 0) {
            line += std::string(stem) + branch + (last ? "" : "        ");
        } else {
            line += std::string(stem) + (last ? "" : "          ");
            branchLine += std::string(branch) + (last ? "" : "          ");
        }
    }
    int empty = FirstEmptyBranch(pillars[2]);
    line += Format(" (日空%s、%s)\r\n", sym::kBranchNames[empty], sym::kBranchNames[(empty + 1) % 12]);
    if (pai != 0) line += branchLine + "\r\n";

    std::string hidden = "藏干  ";
    std::string hiddenGods = "      ";
    for (int i = 0; i < 4; ++i) {
        int branch = sym::BranchOf(pillars[i]);
        std::string names, godNames;
        for (int h = 0; h < sym::HiddenStemCount(branch); ++h) {
            int stem = sym::HiddenStem(branch, h);
            names += sym::kStemNames[stem];
            godNames += sym::kTenGodShortNames[sym::TenGod(dayStem, stem)];
        }
        hidden += PadRight(names, 12);
        hiddenGods += PadRight(godNames, 12);
    }
    return gods + "\r\n" + line + hidden + "\r\n" + hiddenGods + "\r\n\r\n";
}

std::string FetalOriginAndLifePalace(int fetalOrigin, int lifePalace) {
    return Format("\r\n☆胎元：%s(%s)  命宫：%s(%s)\r\n", sym::PillarName(fetalOrigin).c_str(),
                  sym::kNayinNames[sym::NayinPair(fetalOrigin)], sym::PillarName(lifePalace).c_str(),
                  sym::kNayinNames[sym::NayinPair(lifePalace)]);
}

}  // namespace chart_text
