// The findings of the comparison that weigh the two charts' powers: mutual
// benefit, the useful gods, the balance of the elements and of yin and yang,
// and the pairing of the day masters' strength.
#include <algorithm>
#include <cmath>
#include <functional>

#include "reading/couple/couple_compare.h"
#include "engine/base/text_format.h"

namespace couple {

namespace {

// The share of the giver's element power that falls on the taker's 用神 and
// 喜神, against all four of 用神, 喜神, 忌神 and 仇神; 1 when all four are 0.
float Benefit(const ChartData& giver, const ChartData& taker) {
    const int16_t* power = giver.elementScore;
    const uint8_t* gods = taker.gods;
    int good = power[gods[0]] + power[gods[1]];
    int all = good + power[gods[2]] + power[gods[3]];
    return all == 0 ? 1.0f : static_cast<float>(good) / static_cast<float>(all);
}

// A percentage: the single-precision value times 100, truncated without
// first rounding the product to single precision.
int Percent(float share) { return static_cast<int>(static_cast<double>(share) * 100.0); }

}  // namespace

Finding MutualBenefit(const ChartData& a, const ChartData& b, Lines lines) {
    float toA = Benefit(b, a), toB = Benefit(a, b);
    Finding f{{}, 35.0f * (toA + toB) / 2.0f};
    if (lines == Lines::Skip) return f;
    // Here the product is rounded to single precision before truncation.
    float percentA = toA * 100.0f, percentB = toB * 100.0f;
    f.text = Format("☆乙命对甲命有%d％的补益作用力，", static_cast<int>(percentA)) +
             Format("甲命对乙命有%d％的补益作用力。\r\n", static_cast<int>(percentB));
    return f;
}

Finding UsefulGods(const ChartData& a, const ChartData& b, Lines lines) {
    // Two elements are in harmony when equal or neighbours on the generating
    // cycle, in conflict when one controls the other.
    int harmonious = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            int d = ((a.gods[i] - b.gods[j]) % 5 + 5) % 5;
            if (d == 0 || d == 1 || d == 4) ++harmonious;
        }
    Finding f{{}, 25.0f * static_cast<float>(harmonious) / 4.0f};
    if (lines == Lines::Write)
        f.text = harmonious >= 4 - harmonious ? "☆双方喜用神互相生助，有共同点，容易相处。\r\n"
                                              : "☆双方喜用神互相克害，容易有分歧，不利相处。\r\n";
    return f;
}

Finding ElementBalance(const ChartData& a, const ChartData& b, Lines lines) {
    float q[5];
    float total = 0;
    for (int e = 0; e < 5; ++e) {
        q[e] = static_cast<float>(a.elementScore[e] + b.elementScore[e]);
        if (q[e] <= 0) q[e] = 1;
    }
    std::sort(q, q + 5, std::greater<float>());
    for (float v : q) total += v;
    for (float& v : q) v /= total;
    float imbalance = ((q[0] - q[4]) + (q[1] - q[3])) / 2.0f;
    float balance = 1.0f - imbalance;
    Finding f{{}, 15.0f * balance};
    if (lines == Lines::Write) f.text = Format("☆双方八字交会后，五行平衡性为%d％。\r\n", Percent(balance));
    return f;
}

Finding YinYangBalance(const ChartData& a, const ChartData& b, Lines lines) {
    int yin = a.yinTotal + b.yinTotal, yang = a.yangTotal + b.yangTotal;
    // Only scores set by the user can leave both at 0; nothing then tips the
    // balance.
    float balance = 1.0f;
    if (yin + yang != 0) {
        float total = static_cast<float>(yin + yang);
        balance = 1.0f - std::fabs(static_cast<float>(yin) / total - static_cast<float>(yang) / total);
    }
    Finding f{{}, 10.0f * balance};
    if (lines == Lines::Write) f.text = Format("☆双方八字交会后，阴阳平衡性为%d％。\r\n", Percent(balance));
    return f;
}

Finding DayMasterPairing(const ChartData& a, const ChartData& b, Lines lines) {
    float m = static_cast<float>(a.strengthClass + b.strengthClass) * 0.5f;
    float distance = std::fabs(m - 3.0f) * (1.0f / 3.0f);
    Finding f{{}, 6.0f * distance};
    if (lines == Lines::Write)
        f.text = m >= 2 && m <= 4 ? "☆甲乙命日元搭配，趋向于平和，相处和谐。\r\n" : "☆甲乙命日元搭配不和谐，相处不容易。\r\n";
    return f;
}

}  // namespace couple
