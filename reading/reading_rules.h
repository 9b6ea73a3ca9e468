// The machinery shared by the lists of classical sayings: a list of rules,
// each with its number, its test over the chart and its line, applied in
// the order of their numbers. Every rule is tried; a rule that holds writes
// its line.
//
// How a rule looks at the chart:
// - OnChart: one test over the whole chart;
// - a pillar test (once): the four pillars year, month, day, hour are tried
//   in turn and the line is written at most once, for the first that meets it;
// - FirstDecides: the first pillar that meets the main part stops the search,
//   and the line is written or not by the remaining part at that pillar;
// - EveryPillar: the line is written once for every pillar that meets it;
// - a pair test (once): the year and month stems, then the month and hour
//   stems, at most once.
// Rules given the same pass letter (they stand next to each other in a list)
// are tested together in one pass over the pillars (or pairs): at each pillar
// every rule of the pass that has not yet written is tried, in list order,
// so their lines come out in the order in which the pillars set them off.
#pragma once

#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "reading/chart_terms.h"

using ChartTest = bool (*)(const ChartTerms&);
using PillarTest = bool (*)(const ChartTerms&, int pillar);
using PairTest = bool (*)(const ChartTerms&, StemPair pair);

class RuleTest {
public:
    enum class Kind { Chart, Pillar, Pair };

    // From a lambda over the chart, a pillar or a stem pair (once).
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, RuleTest>)
    constexpr RuleTest(F test) {
        if constexpr (std::is_convertible_v<F, ChartTest>) {
            kind_ = Kind::Chart;
            chart_ = test;
        } else if constexpr (std::is_convertible_v<F, PillarTest>) {
            kind_ = Kind::Pillar;
            pillar_ = test;
        } else {
            static_assert(std::is_convertible_v<F, PairTest>, "a rule tests the chart, a pillar or a stem pair");
            kind_ = Kind::Pair;
            pair_ = test;
        }
    }
    static constexpr RuleTest FirstDecides(PillarTest mainPart, PillarTest remainingPart) {
        RuleTest t(mainPart);
        t.decides_ = remainingPart;
        return t;
    }
    static constexpr RuleTest EveryPillar(PillarTest test) {
        RuleTest t(test);
        t.repeats_ = true;
        return t;
    }

    Kind kind() const { return kind_; }
    bool Holds(const ChartTerms& t) const { return chart_(t); }
    // At pillar or pair number `place`: whether the rule is met there, and
    // whether it then writes its line.
    bool Meets(const ChartTerms& t, int place) const;
    bool Writes(const ChartTerms& t, int place) const { return !decides_ || decides_(t, place); }
    bool Repeats() const { return repeats_; }

private:
    Kind kind_ = Kind::Chart;
    ChartTest chart_ = nullptr;
    PillarTest pillar_ = nullptr;
    PairTest pair_ = nullptr;
    PillarTest decides_ = nullptr;
    bool repeats_ = false;
};

struct ReadingRule {
    int number;
    RuleTest test;
    const char* line;
    char pass = 0;  // rules with the same letter are tested together
};

// Appends the lines of the rules that hold to `out`. When `fired` is given,
// the number of every rule that wrote its line is added to it, in the order
// of the lines.
void ApplyRules(const ChartTerms& terms, std::span<const ReadingRule> rules, std::string& out,
                std::vector<int>* fired = nullptr);
// The same as a text of its own.
std::string RulesText(const ChartTerms& terms, std::span<const ReadingRule> rules, std::vector<int>* fired = nullptr);
