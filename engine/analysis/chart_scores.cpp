// Scores of the element codes. A stem counts 36, a hidden stem its weight in
// the branch, each times the seasonal factor of the ten god that the month's
// ruling stem (the main hidden stem of the month branch) forms with it. The
// products are single-precision and truncated toward zero, as the scores
// have always been counted.
#include <algorithm>
#include <cstring>

#include "engine/analysis/chart_analysis.h"
#include "engine/symbols/pillar_relations.h"
#include "engine/symbols/symbols.h"

namespace analysis {

namespace {

int Truncate(float x) { return static_cast<int>(x); }

class Scorer {
public:
    explicit Scorer(ChartData& chart) : c_(chart) {
        const int pillars[4] = {c_.yearPillar, c_.monthPillar, c_.dayPillar, c_.hourPillar};
        for (int i = 0; i < 4; ++i) {
            stems_[i] = sym::StemOf(pillars[i]);
            branches_[i] = sym::BranchOf(pillars[i]);
        }
        dayStem_ = stems_[2];
        rulingStem_ = sym::kBranchMainStem[branches_[1]];
    }

    void Run() {
        Clear();
        SeasonScore();
        StemAndHiddenScores();
        if (!CombinationBonus()) HalfTriadBonus();
        Counts();
    }

private:
    float Factor(int stem) const { return sym::kSeasonalFactor[sym::TenGod(stem, rulingStem_)]; }

    void Clear() {
        std::memset(c_.codeCount, 0, sizeof c_.codeCount);
        std::memset(c_.codeCountHidden, 0, sizeof c_.codeCountHidden);
        std::memset(c_.codeScore, 0, sizeof c_.codeScore);
        std::memset(c_.godCountVisible, 0, sizeof c_.godCountVisible);
        std::memset(c_.godCountAll, 0, sizeof c_.godCountAll);
    }

    // The day master's season, and its roots: 长生 冠带 临官 帝旺 on a branch
    // add 18, 衰 病 死 绝 take 18 away.
    void SeasonScore() {
        static constexpr int kRoot[12] = {18, 0, 18, 18, 18, -18, -18, -18, 0, -18, 0, 0};
        float s = 36 * Factor(dayStem_);
        for (int b : branches_) s += static_cast<float>(kRoot[sym::GrowthStage(dayStem_, b)]);
        c_.seasonScore = static_cast<int16_t>(Truncate(s));
    }

    void StemAndHiddenScores() {
        for (int i = 0; i < 4; ++i) {
            int code = sym::kStemCode[stems_[i]];
            ++c_.codeCount[code];
            ++c_.codeCountHidden[code];
            c_.codeScore[code] += Truncate(36 * Factor(stems_[i]));
            int b = branches_[i];
            ++c_.codeCount[sym::kBranchCode[b]];
            for (int h = 0; h < sym::HiddenStemCount(b); ++h) {
                int stem = sym::HiddenStem(b, h);
                ++c_.codeCountHidden[sym::kStemCode[stem]];
                c_.codeScore[sym::kStemCode[stem]] += Truncate(sym::HiddenWeight(b, h) * Factor(stem));
            }
        }
    }

    // Half of base × the factor of the element's yang stem (at most 1), on
    // both codes of the element.
    void AddBonus(int element, int base) {
        static constexpr int kYangStem[5] = {9, 1, 3, 5, 7};  // 壬 甲 丙 戊 庚
        float f = std::min(Factor(kYangStem[element]), 1.0f);
        int bonus = Truncate(base * f) / 2;
        c_.codeScore[2 * element] += bonus;
        c_.codeScore[2 * element + 1] += bonus;
    }

    // The first three pillars forming a triad (base 81) or a direction (120);
    // all of 辰戌丑未 (四库, 土, base 150) instead of either.
    bool CombinationBonus() {
        static constexpr int kTriples[4][3] = {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
        int element = -1, base = 0;
        for (const auto& t : kTriples) {
            int figure = rel::FindTripleFigure(branches_[t[0]], branches_[t[1]], branches_[t[2]]);
            if (figure < 0 || rel::kTripleFigures[figure].kind == rel::FigureKind::Punishment) continue;
            element = rel::kTripleFigures[figure].value;
            base = rel::kTripleFigures[figure].kind == rel::FigureKind::Triad ? 81 : 120;
            break;
        }
        if (rel::AllFourStorehouses(branches_)) element = 3, base = 150;
        if (element < 0) return false;
        AddBonus(element, base);
        return true;
    }

    // Every half triad of a pillar with a later one (base 45), unless it is of
    // the element credited just before.
    void HalfTriadBonus() {
        int last = -1;
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 4; ++j) {
                // A half triad is never also a clash, 合, 害 or 刑 of the two.
                if (rel::PairRelation(branches_[i], branches_[j], rel::HalfTriad::NeedsMiddle) != rel::kHalfTriad)
                    continue;
                int element = rel::TriadElement(branches_[i]);
                if (element == last) continue;
                last = element;
                AddBonus(element, 45);
            }
    }

    void Counts() {
        for (int e = 0; e < 5; ++e) {
            c_.elementCount[e] = c_.codeCount[2 * e] + c_.codeCount[2 * e + 1];
            c_.elementCountHidden[e] = c_.codeCountHidden[2 * e] + c_.codeCountHidden[2 * e + 1];
        }
        for (int i = 0; i < 4; ++i) {
            if (i != 2) {
                int god = sym::TenGod(dayStem_, stems_[i]);
                ++c_.godCountVisible[god];
                ++c_.godCountAll[god];
            }
            int b = branches_[i];
            ++c_.godCountVisible[sym::TenGod(dayStem_, sym::kBranchMainStem[b])];
            for (int h = 0; h < sym::HiddenStemCount(b); ++h) ++c_.godCountAll[sym::TenGod(dayStem_, sym::HiddenStem(b, h))];
        }
        for (int g = 0; g < 5; ++g) {
            c_.groupCountVisible[g] = c_.godCountVisible[2 * g] + c_.godCountVisible[2 * g + 1];
            c_.groupCountAll[g] = c_.godCountAll[2 * g] + c_.godCountAll[2 * g + 1];
        }
    }

    ChartData& c_;
    int stems_[4];
    int branches_[4];
    int dayStem_;
    int rulingStem_;
};

}  // namespace

void ScoreChart(ChartData& chart) { Scorer(chart).Run(); }

}  // namespace analysis
