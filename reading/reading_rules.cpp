#include "reading/reading_rules.h"

#include <algorithm>

bool RuleTest::Meets(const ChartTerms& t, int place) const {
    return kind_ == Kind::Pillar ? pillar_(t, place) : pair_(t, kStemPairs[place]);
}

namespace {

void Write(const ReadingRule& rule, std::string& out, std::vector<int>* fired) {
    out += rule.line;
    if (fired) fired->push_back(rule.number);
}

// One pass of the rules `group` (all pillar tests or all pair tests) over
// the four pillars or the two stem pairs.
void RunPass(const ChartTerms& t, std::span<const ReadingRule> group, std::string& out, std::vector<int>* fired) {
    const int places = group.front().test.kind() == RuleTest::Kind::Pair ? 2 : 4;
    std::vector<bool> settled(group.size(), false);
    for (int place = 0; place < places; ++place) {
        for (size_t i = 0; i < group.size(); ++i) {
            const RuleTest& test = group[i].test;
            if (settled[i] || !test.Meets(t, place)) continue;
            settled[i] = !test.Repeats();
            if (test.Writes(t, place)) Write(group[i], out, fired);
        }
    }
}

}  // namespace

void ApplyRules(const ChartTerms& terms, std::span<const ReadingRule> rules, std::string& out,
                std::vector<int>* fired) {
    for (size_t i = 0; i < rules.size();) {
        size_t end = i + 1;
        if (rules[i].pass != 0)
            while (end < rules.size() && rules[end].pass == rules[i].pass) ++end;
        if (rules[i].test.kind() == RuleTest::Kind::Chart) {
            if (rules[i].test.Holds(terms)) Write(rules[i], out, fired);
        } else {
            RunPass(terms, rules.subspan(i, end - i), out, fired);
        }
        i = end;
    }
}

std::string RulesText(const ChartTerms& terms, std::span<const ReadingRule> rules, std::vector<int>* fired) {
    std::string text;
    ApplyRules(terms, rules, text, fired);
    return text;
}
