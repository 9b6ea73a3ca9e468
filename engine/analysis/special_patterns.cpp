// The special patterns (变格): charts that one element or one group rules
// so far that the ordinary strength reading gives way. The rules are tried
// in their fixed order; the first that holds names the pattern and its five
// gods (用 喜 忌 仇 闲, as elements).
#include "engine/analysis/chart_analysis.h"
#include "engine/base/int_math.h"
#include "engine/symbols/pillar_relations.h"
#include "engine/symbols/stars.h"
#include "engine/symbols/symbols.h"

namespace analysis {

namespace {

using intmath::Mod;

// Group numbers: 0 比劫, 1 食伤, 2 财星, 3 官杀, 4 印枭.
class PatternTest {
public:
    explicit PatternTest(const ChartData& chart) : c_(chart) {
        dayStem_ = sym::StemOf(c_.dayPillar);
        monthBranch_ = sym::BranchOf(c_.monthPillar);
        e_ = sym::kStemElement[dayStem_];
        season_ = c_.stemInfo[2].season;
        monthGroup_ = c_.branchInfo[1].group;
        for (const BranchInfo& b : c_.branchInfo) {
            if (b.relation[kRelTriple] >= 0) triad_ = b.relation[kRelTriple];
            if (b.relation[kRelDirectional] >= 0) direction_ = b.relation[kRelDirectional];
        }
        monthTriadGroup_ = GroupOf(c_.branchInfo[1].relation[kRelTriple]);
        monthDirectionGroup_ = GroupOf(c_.branchInfo[1].relation[kRelDirectional]);
    }

    int Find(uint8_t gods[5]) {
        gods_ = gods;
        // 曲直 炎上 稼穑 从革 润下: the day master's element x rules the month
        // and forms a triad or a direction (稼穑: all of 辰戌丑未), and the
        // element that controls it is missing.
        int x = e_;
        if (sym::kBranchElement[monthBranch_] == x && (triad_ == x || direction_ == x) && !Has(Mod(x + 3, 5)))
            return Ruled(Mod(x + 4, 5), x);  // 曲直格 is 木 (rule 0) … 润下格 水 (rule 4)
        const uint8_t* visible = c_.groupCountVisible;
        const uint8_t* stems = c_.stemGroupCount;
        if (Weak() && monthGroup_ == 2 && Rules(2) && stems[1] + stems[2] == 3) return Set(5, {2, 1, 0, 4, 3});
        if (Weak() && monthGroup_ == 3 && Rules(3) && stems[3] + stems[2] == 3) return Set(6, {3, 2, 0, 4, 1});
        if (Weak() && monthGroup_ == 1 && Rules(1) && stems[0] + stems[1] == 3) return Set(7, {1, 0, 4, 3, 2});
        if ((monthGroup_ == 0 || monthGroup_ == 4) && !Weak() && visible[0] >= 2 && visible[4] >= 2 &&
            visible[0] + visible[4] >= 6 && visible[3] == 0)
            return Set(8, {4, 0, 2, 3, 1});
        if (season_ == 0 && visible[0] >= 6 && visible[3] == 0) return Set(9, {0, 4, 3, 2, 1});
        if (HalfWall()) return 10;
        if (TwoElementsInHarmony() && (monthGroup_ == 0 || monthGroup_ == 1 || monthGroup_ == 4))
            return Set(11, {0, 4, 3, 2, 1});
        return Transformation();
    }

private:
    int GroupOf(int element) const { return element < 0 ? -1 : Mod(element - e_, 5); }
    bool Has(int element) const { return c_.elementCount[element] > 0; }
    // The day stem is 休, 囚 or 死 in the month.
    bool Weak() const { return season_ >= 2; }
    // The group forms the month's triad or direction, or shows four times.
    bool Rules(int group) const {
        return monthTriadGroup_ == group || monthDirectionGroup_ == group || c_.groupCountVisible[group] >= 4;
    }

    // Five gods as offsets from the day master's element.
    int Set(int pattern, const int (&offsets)[5]) {
        for (int i = 0; i < 5; ++i) gods_[i] = static_cast<uint8_t>(Mod(e_ + offsets[i], 5));
        return pattern;
    }
    // Five gods of a chart ruled by element x: x, the element generating it,
    // the one controlling it, the one it controls, the one it generates.
    int Ruled(int pattern, int x) {
        static constexpr int kOffsets[5] = {0, 4, 3, 2, 1};
        for (int i = 0; i < 5; ++i) gods_[i] = static_cast<uint8_t>(Mod(x + kOffsets[i], 5));
        return pattern;
    }

    // 半壁格: two elements of four each share the chart.
    bool HalfWall() {
        int pair[2], n = 0, rest[3], r = 0;
        for (int e = 0; e < 5; ++e) {
            if (c_.elementCount[e] == 4) {
                if (n == 2) return false;
                pair[n++] = e;
            } else if (r < 3) {
                rest[r++] = e;
            }
        }
        if (n != 2) return false;
        const int elements[5] = {pair[0], pair[1], rest[0], rest[1], rest[2]};
        for (int i = 0; i < 5; ++i) gods_[i] = static_cast<uint8_t>(elements[i]);
        return true;
    }

    // 两神成象格: only two elements, one generating the other.
    bool TwoElementsInHarmony() const {
        int present[5], n = 0;
        for (int e = 0; e < 5; ++e)
            if (Has(e)) present[n++] = e;
        if (n != 2) return false;
        int d = Mod(present[1] - present[0], 5);
        return d == 1 || d == 4;
    }

    // 甲己化土 乙庚化金 丙辛化水 丁壬化木 戊癸化火: the day stem combines
    // with the month or the hour stem, the month supports the element the
    // pair turns into, and the element that controls it is missing.
    int Transformation() {
        int code = rel::StemCombination(sym::StemOf(c_.monthPillar), dayStem_);
        if (code < 0) code = rel::StemCombination(dayStem_, sym::StemOf(c_.hourPillar));
        if (code < 0) return -1;
        static constexpr int kTurnsInto[5] = {2, 3, 4, 0, 1};  // 戊癸 火, 甲己 土, 乙庚 金, 丙辛 水, 丁壬 木
        int x = kTurnsInto[code];
        if (sym::kBranchElement[monthBranch_] != x || Has(Mod(x + 3, 5))) return -1;
        return Ruled(12 + Mod(code - 1, 5), x);  // 甲己 12 … 丁壬 15, 戊癸 16
    }

    const ChartData& c_;
    uint8_t* gods_ = nullptr;
    int dayStem_, monthBranch_, e_, season_, monthGroup_;
    int triad_ = -1, direction_ = -1;
    int monthTriadGroup_, monthDirectionGroup_;
};

}  // namespace

int FindSpecialPattern(const ChartData& chart, uint8_t gods[5]) { return PatternTest(chart).Find(gods); }

}  // namespace analysis
