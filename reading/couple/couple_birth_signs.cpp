// The findings of the comparison that come from the birth years and days:
// the year pillars, the nine stars (九星合婚), the Western signs and the
// birthday codes (生日密码).
#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"
#include "reading/couple/couple_compare.h"

namespace couple {

namespace {

using intmath::Mod;

enum Pairing { kShengQi, kFuDe, kTianYi, kYouHun, kGuiHun, kJueTi, kWuGui, kJueMing };
const char* const kPairingNames[8] = {"生气", "福德", "天医", "游魂", "归魂", "绝体", "五鬼", "绝命"};

// Rows the man's star, columns the woman's, over the stars 1 2 3 4 6 7 8 9.
constexpr Pairing kPairings[8][8] = {
    {kGuiHun, kJueMing, kFuDe, kShengQi, kYouHun, kWuGui, kTianYi, kJueTi},   // 1
    {kJueMing, kGuiHun, kWuGui, kTianYi, kJueTi, kFuDe, kShengQi, kYouHun},   // 2
    {kFuDe, kWuGui, kGuiHun, kJueTi, kTianYi, kJueMing, kYouHun, kShengQi},   // 3
    {kShengQi, kTianYi, kJueTi, kGuiHun, kWuGui, kYouHun, kJueMing, kFuDe},   // 4
    {kYouHun, kJueTi, kTianYi, kWuGui, kGuiHun, kShengQi, kFuDe, kJueMing},   // 6
    {kWuGui, kFuDe, kJueMing, kYouHun, kShengQi, kGuiHun, kJueTi, kTianYi},   // 7
    {kTianYi, kShengQi, kYouHun, kJueMing, kFuDe, kJueTi, kGuiHun, kWuGui},   // 8
    {kJueTi, kYouHun, kShengQi, kFuDe, kJueMing, kTianYi, kWuGui, kGuiHun},   // 9
};

// The pairing of two stars other than 5.
Pairing PairingOf(int manStar, int womanStar) {
    auto index = [](int star) { return star < 5 ? star - 1 : star - 2; };
    return kPairings[index(manStar)][index(womanStar)];
}

// Rows the man's code, columns the woman's: 0 no match, 1 suitable, 2 perfect.
constexpr int kBirthdayVerdicts[9][9] = {
    {0, 2, 1, 2, 1, 0, 2, 0, 0}, {2, 0, 2, 1, 0, 1, 2, 1, 2}, {1, 2, 0, 0, 1, 1, 0, 2, 1},
    {2, 1, 0, 0, 0, 1, 2, 1, 0}, {1, 0, 1, 0, 0, 0, 2, 2, 0}, {0, 1, 1, 1, 0, 0, 0, 1, 1},
    {2, 0, 0, 2, 2, 0, 0, 2, 2}, {0, 1, 2, 1, 2, 1, 2, 0, 0}, {0, 2, 1, 0, 0, 1, 2, 0, 0},
};

}  // namespace

Finding YearPillars(int yearPillarA, int yearPillarB, Lines lines) {
    int stems, branches;
    YearPillarRelation(yearPillarA, yearPillarB, stems, branches);
    auto finding = [lines](const char* text, float points) {
        return Finding{lines == Lines::Write ? text : "", points};
    };
    if (stems >= 0 && branches == 2) return finding("☆甲乙命生年天合地合，百年好合！\r\n", 8);
    if (branches == 2) return finding("☆甲乙命生年相合，利于交往！\r\n", 6);
    if (branches == 1) return finding("☆甲乙命生年相冲，不容易相聚！\r\n", 0);
    if (branches == 0 || branches == 3 || branches == 5) return finding("☆甲乙命生年相刑害，不利！\r\n", 0);
    return finding("☆甲乙命生年无害，可以交往！\r\n", 4);
}

int NineStar(bool male, int era, int yearPillar) {
    // Start numbers by era (上元, 中元, 下元); a man counts back through the
    // cycle of years from 甲子, a woman forward.
    static constexpr int kManStart[3] = {1, 4, 7};
    static constexpr int kWomanStart[3] = {5, 2, 8};
    int y = Mod(yearPillar - 1, 60);
    int star = male ? Mod(kManStart[era % 3] - y, 9) : Mod(kWomanStart[era % 3] + y, 9);
    return star == 0 ? 9 : star;
}

const char* NineStarPairing(int manStar, int womanStar) {
    if (manStar == 5 || womanStar == 5) return nullptr;
    return kPairingNames[PairingOf(manStar, womanStar)];
}

bool NineStars(const ChartData& man, const ChartData& woman, Finding& finding, Lines lines) {
    int manStar = NineStar(true, man.era, man.yearPillar);
    int womanStar = NineStar(false, woman.era, woman.yearPillar);
    if (manStar == 5 || womanStar == 5) return false;
    Pairing p = PairingOf(manStar, womanStar);
    const char* verdict;
    if (p == kShengQi || p == kFuDe || p == kTianYi) {
        verdict = "子孙昌盛，不忌诸恶煞。\r\n";
        finding.points = 2;
    } else if (p == kJueTi || p == kJueMing) {
        verdict = "男女更有忧亡。\r\n";
        finding.points = 0;
    } else {
        verdict = "可以较量轻重，月家少忌，可以为婚。\r\n";
        finding.points = 1;
    }
    finding.text.clear();
    if (lines == Lines::Write) finding.text = Format("☆九星合婚得：%s，", kPairingNames[p]) + verdict;
    return true;
}

Finding ZodiacSigns(const ChartData& a, const ChartData& b, Lines lines) {
    // By the angle between the signs, 30° a step: 90°, 180° and 270° are at
    // odds, 150° and 210° can get along, the others are in harmony.
    static constexpr int kPoints[12] = {2, 2, 2, 0, 2, 1, 0, 1, 2, 0, 2, 2};
    static const char* const kVerdicts[3] = {"容易有矛盾的一对。\r\n", "可以相处的一对。\r\n", "较为和谐的一对。\r\n"};
    int points = kPoints[Mod(a.zodiacSign - b.zodiacSign, 12)];
    if (lines == Lines::Skip) return {{}, static_cast<float>(points)};
    std::string text = Format("☆甲命%s座，乙命%s座，", sym::kZodiacSignNames[a.zodiacSign % 12],
                              sym::kZodiacSignNames[b.zodiacSign % 12]);
    return {text + kVerdicts[points], static_cast<float>(points)};
}

int BirthdayVerdict(int manCode, int womanCode) { return kBirthdayVerdicts[manCode - 1][womanCode - 1]; }

Finding BirthdayCodes(const ChartData& man, const ChartData& woman, Lines lines) {
    static const char* const kVerdicts[3] = {"两人不适合在一起，没有姻缘。\r\n", "两人适合在一起，可以发展感情。\r\n",
                                             "天生的一对，完美的绝配。\r\n"};
    int verdict = BirthdayVerdict(man.lifeNumber, woman.lifeNumber);
    if (lines == Lines::Skip) return {{}, static_cast<float>(verdict)};
    std::string text =
        Format("☆男命生日密码：%d，女命生日密码：%d，", static_cast<int>(man.lifeNumber), static_cast<int>(woman.lifeNumber));
    return {text + kVerdicts[verdict], static_cast<float>(verdict)};
}

}  // namespace couple
