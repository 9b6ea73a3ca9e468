// Spirit stars (神煞) and special days of the four pillars, the era, the
// Western zodiac sign, the life number and the ☆年命 line.
#include <initializer_list>
#include <string_view>

#include "engine/chart/CBaZiEx.h"
#include "engine/chart/chart_rules.h"
#include "engine/base/int_math.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/stars.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"

using namespace gz;
using intmath::Mod;

namespace {

enum PillarIndex { kYear = 0, kMonth = 1, kDay = 2, kHour = 3 };

using Branches = std::initializer_list<int>;

bool In(int value, Branches set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

bool IsOneOf(int pillar, std::initializer_list<StemBranch> pillars) {
    for (const StemBranch& p : pillars)
        if (sym::StemOf(pillar) == p.stem && sym::BranchOf(pillar) == p.branch) return true;
    return false;
}

bool IsPillar(int pillar, StemBranch p) { return IsOneOf(pillar, {p}); }

// 亥子丑 winter, 寅卯辰 spring, 巳午未 summer, 申酉戌 autumn (亥 is 0).
int SeasonOf(int branch) { return branch / 3; }
enum Season { kWinter, kSpring, kSummer, kAutumn };

// The seven stars of the triads, by the triad of the reference branch
// (branch % 4: 0 亥卯未, 1 申子辰, 2 巳酉丑, 3 寅午戌).
constexpr int kTriadStars[7] = {kStarYiMa, kStarHuaGai, kStarJiangXing, kStarTaoHua,
                                kStarJieSha, kStarZaiSha, kStarWangShen};
constexpr int kTriadStarBranch[4][7] = {
    {巳, 未, 卯, 子, 申, 酉, 寅},  // 亥卯未
    {寅, 辰, 子, 酉, 巳, 午, 亥},  // 申子辰
    {亥, 丑, 酉, 午, 寅, 卯, 申},  // 巳酉丑
    {申, 戌, 午, 卯, 亥, 子, 巳},  // 寅午戌
};

// By the day stem (癸 甲 乙 … 壬).
constexpr int kTianYi[10][2] = {{卯, 巳}, {丑, 未}, {子, 申}, {亥, 酉}, {亥, 酉},
                                {丑, 未}, {子, 申}, {寅, 午}, {寅, 午}, {卯, 巳}};
constexpr int kLuBranch[10] = {子, 寅, 卯, 巳, 午, 巳, 午, 申, 酉, 亥};
constexpr int kYangRenBranch[10] = {亥, 卯, 寅, 午, 巳, 午, 巳, 酉, 申, 子};
constexpr StemBranch kCiGuan[10] = {{壬, 戌}, {庚, 寅}, {辛, 卯}, {乙, 巳}, {戊, 午},
                                    {丁, 巳}, {庚, 午}, {壬, 申}, {癸, 酉}, {癸, 亥}};
// 学堂 by the day stem's element (水 木 火 土 金).
constexpr StemBranch kXueTang[5] = {{甲, 申}, {己, 亥}, {丙, 寅}, {戊, 申}, {辛, 巳}};
// The month's 天德 character by the month branch (亥 子 丑 … 戌): a stem or a branch.
const char* const kTianDe[12] = {"乙", "巳", "庚", "丁", "申", "壬", "辛", "亥", "甲", "癸", "寅", "丙"};
// The stem of 月德 by the month branch's triad (branch % 4, as above).
constexpr int kYueDeStem[4] = {甲, 壬, 庚, 丙};

bool TaiJi(int dayStem, int b) {
    switch (dayStem) {
        case 甲: case 乙: return In(b, {子, 午});
        case 丙: case 丁: return In(b, {卯, 酉});
        case 戊: case 己: return In(b, {辰, 戌, 丑, 未});
        case 庚: case 辛: return In(b, {寅, 亥});
        default: return In(b, {巳, 申});
    }
}

bool WenChang(int dayStem, int b) {
    switch (dayStem) {
        case 甲: case 乙: return In(b, {巳, 午});
        case 丙: case 戊: return b == 申;
        case 丁: case 己: return b == 酉;
        case 庚: return b == 亥;
        case 辛: return b == 子;
        case 壬: return b == 寅;
        default: return b == 卯;
    }
}

bool TongZi(int monthBranch, int yearNayinElement, int b) {
    int season = SeasonOf(monthBranch);
    if ((season == kWinter || season == kSummer) && In(b, {卯, 辰, 未})) return true;
    if ((season == kSpring || season == kAutumn) && In(b, {子, 寅})) return true;
    switch (yearNayinElement) {
        case 0: case 2: return In(b, {酉, 戌});  // 水, 火
        case 3: return In(b, {辰, 巳});          // 土
        default: return In(b, {卯, 午});         // 木, 金
    }
}

constexpr std::initializer_list<StemBranch> kGuLuan = {{乙, 巳}, {丁, 巳}, {辛, 亥}, {戊, 申},
                                                       {壬, 寅}, {戊, 午}, {壬, 子}, {丙, 午}};

}  // namespace

void CBaZiEx::StarsOfPillar(int pillar, int index) {
    uint8_t* star = chart.stars[index];
    const int d = sym::StemOf(chart.dayPillar);
    const int Y = sym::BranchOf(chart.yearPillar);
    const int M = sym::BranchOf(chart.monthPillar);
    const int s = sym::StemOf(pillar);
    const int b = sym::BranchOf(pillar);
    auto mark = [&](int n, bool holds) {
        if (holds) ++star[n];
    };

    mark(kStarTianYi, In(b, {kTianYi[d][0], kTianYi[d][1]}));
    mark(kStarTaiJi, TaiJi(d, b));
    mark(kStarYueDe, s == kYueDeStem[M % 4]);
    const std::string_view tianDe = kTianDe[M];
    mark(kStarTianDe, tianDe == sym::kBranchNames[b] || tianDe == sym::kStemNames[s]);
    mark(kStarWenChang, WenChang(d, b));

    // The triad stars, by the day branch and then by the year branch; a star
    // the day branch already gave this pillar is not counted again.
    bool byDay[7] = {};
    if (index != kDay) {
        const int* row = kTriadStarBranch[sym::BranchOf(chart.dayPillar) % 4];
        for (int k = 0; k < 7; ++k) {
            byDay[k] = b == row[k];
            mark(kTriadStars[k], byDay[k]);
        }
    }
    if (index != kYear) {
        const int* row = kTriadStarBranch[Y % 4];
        for (int k = 0; k < 7; ++k) mark(kTriadStars[k], !byDay[k] && b == row[k]);
    }

    if (index != kYear) {
        bool forward = RunsForward(current.male != 0, chart.yearPillar);
        mark(kStarGouSha, b == Mod(forward ? Y + 3 : Y - 3, 12));
        mark(kStarJiaoSha, b == Mod(forward ? Y - 3 : Y + 3, 12));
        mark(kStarDaHao, b == (Y + (forward ? 7 : 5)) % 12);
    }
    if (index == kDay || index == kHour) mark(kStarTongZi, TongZi(M, chart.nayin[kYear], b));

    mark(kStarXueTang, IsPillar(pillar, kXueTang[sym::kStemElement[d]]));
    mark(kStarCiGuan, IsPillar(pillar, kCiGuan[d]));
    mark(kStarLuShen, b == kLuBranch[d]);
    mark(kStarYangRen, b == kYangRenBranch[d]);
    // 孤辰 and 寡宿 by the season of the year branch.
    static constexpr int kGuChen[4] = {寅, 巳, 申, 亥};
    static constexpr int kGuaSu[4] = {戌, 丑, 辰, 未};
    mark(kStarGuChen, b == kGuChen[SeasonOf(Y)]);
    mark(kStarGuaSu, b == kGuaSu[SeasonOf(Y)]);
    int empty = FirstEmptyBranch(chart.dayPillar);
    mark(kStarKongWang, b == empty || b == (empty + 1) % 12);
}

void CBaZiEx::MarkStars() {
    StarsOfPillar(chart.yearPillar, kYear);
    StarsOfPillar(chart.monthPillar, kMonth);
    StarsOfPillar(chart.dayPillar, kDay);

    const int D = chart.dayPillar;
    const int H = chart.hourPillar;
    const int M = sym::BranchOf(chart.monthPillar);
    uint8_t* day = chart.stars[kDay];
    if (IsOneOf(D, {{庚, 辰}, {壬, 辰}, {戊, 戌}, {庚, 戌}})) ++day[kStarKuiGang];
    if (IsOneOf(D, {{乙, 丑}, {己, 巳}, {癸, 酉}})) ++day[kStarJinShen];
    if (IsOneOf(D, {{甲, 辰}, {乙, 巳}, {壬, 申}, {丙, 申}, {丁, 亥}, {庚, 辰}, {戊, 戌}, {辛, 巳}, {己, 丑}, {癸, 亥}}))
        ++day[kStarShiE];
    static constexpr StemBranch kSiFei[4][2] = {
        {{丙, 午}, {丁, 巳}},  // winter
        {{庚, 申}, {辛, 酉}},  // spring
        {{壬, 子}, {癸, 亥}},  // summer
        {{甲, 寅}, {乙, 卯}},  // autumn
    };
    const StemBranch* siFei = kSiFei[SeasonOf(M)];
    if (IsOneOf(D, {siFei[0], siFei[1]})) ++day[kStarSiFei];
    if (IsOneOf(D, kGuLuan)) ++day[kStarGuLuan];

    StarsOfPillar(H, kHour);
    if (IsOneOf(H, kGuLuan)) ++chart.stars[kHour][kStarGuLuan];

    // 德秀, from the stems of all four pillars.
    bool has[10] = {};
    for (int p : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar}) has[sym::StemOf(p)] = true;
    bool deXiu = false;
    switch (M % 4) {
        case 0: deXiu = (has[甲] || has[乙]) && has[丁] && has[壬]; break;  // 亥卯未
        case 1:                                                               // 申子辰
            deXiu = ((has[壬] || has[癸]) && has[丙] && has[辛]) || ((has[戊] || has[己]) && has[甲] && has[己]);
            break;
        case 2: deXiu = (has[庚] || has[辛]) && has[乙] && has[庚]; break;  // 巳酉丑
        default: deXiu = (has[丙] || has[丁]) && has[戊] && has[癸]; break;  // 寅午戌
    }
    if (deXiu) chart.stars[kYear][kStarDeXiu] = 1;

    // 拱禄: day and hour of one stem enclose its 禄 branch.
    if ((IsPillar(D, {癸, 亥}) && IsPillar(H, {癸, 丑})) || (IsPillar(D, {癸, 丑}) && IsPillar(H, {癸, 亥})) ||
        (IsPillar(D, {丁, 巳}) && IsPillar(H, {丁, 未})) || (IsPillar(D, {己, 未}) && IsPillar(H, {己, 巳})) ||
        (IsPillar(D, {戊, 辰}) && IsPillar(H, {戊, 午}))) {
        chart.stars[kDay][kStarGongLu] = 1;
        chart.stars[kHour][kStarGongLu] = 1;
    }

    // The era (三元) of the 立春 year of birth: 180 years, 60 to each; 1984
    // starts a 下元.
    int y = clockTime.year;
    if (YearPillarOfYear(y) != chart.yearPillar) --y;  // born before that year's 立春
    chart.era = static_cast<uint8_t>((y + 1736) / 60 % 3);

    // The sign turns at the 中气 of the clock month.
    CalDate qi;
    int t = calendar.SolarTermOfMonth(clockTime.year, clockTime.month, 0, qi);
    int after = birthJd >= calendar.DateToJulianDay(qi) ? 1 : 0;
    chart.zodiacSign = static_cast<uint8_t>(Mod(t + after + 8, 12));
    if (writeText) {
        static const char* const kEraNames[3] = {"(上元)  ", "(中元)  ", "(下元)  "};
        std::string line = Format("☆年命：%s", sym::kNayinNames[sym::NayinPair(chart.yearPillar)]);
        line += kEraNames[chart.era];
        line += Format("星座：%s座  ", sym::kZodiacSignNames[chart.zodiacSign]);
        line += Format("生肖：%s", sym::kAnimalNames[sym::BranchOf(chart.yearPillar)]);
        sectionText += line;
    }

    chart.lifeNumber = static_cast<int16_t>(LifeNumber(solarTime.year, solarTime.month, solarTime.day));
    FindRelations();
}

int CBaZiEx::LifeNumber(int year, int month, int day) const {
    auto digitSum = [](int n) {
        int sum = 0;
        for (; n > 0; n /= 10) sum += n % 10;
        return sum;
    };
    int a = digitSum(year) + digitSum(month) + digitSum(day);
    while (a > 9) a = digitSum(a);
    return a;
}
