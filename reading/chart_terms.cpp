#include "reading/chart_terms.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/symbols/symbols.h"

namespace {

// Whether `name` (one character) is among `chars`. UTF-8 characters cannot
// match across character boundaries, so a substring search is exact.
bool OneOf(const char* name, std::string_view chars) { return chars.find(name) != std::string_view::npos; }

// The characters of a name list such as "子午卯酉" (three UTF-8 bytes each), sorted.
std::string SortedChars(std::string_view chars) {
    std::vector<std::string_view> list;
    for (size_t i = 0; i + 3 <= chars.size(); i += 3) list.push_back(chars.substr(i, 3));
    std::sort(list.begin(), list.end());
    std::string sorted;
    for (std::string_view c : list) sorted += c;
    return sorted;
}

}  // namespace

int ChartTerms::PillarNumber(int p) const {
    const int16_t pillars[4] = {c_.yearPillar, c_.monthPillar, c_.dayPillar, c_.hourPillar};
    return ((pillars[p] % 60) + 60) % 60;
}

int ChartTerms::StemNumber(int p) const { return sym::StemOf(PillarNumber(p)); }
int ChartTerms::BranchNumber(int p) const { return sym::BranchOf(PillarNumber(p)); }

bool ChartTerms::PillarIs(int p, std::string_view name) const { return sym::PillarName(PillarNumber(p)) == name; }

bool ChartTerms::PillarIn(int p, std::initializer_list<std::string_view> names) const {
    const std::string own = sym::PillarName(PillarNumber(p));
    return std::find(names.begin(), names.end(), own) != names.end();
}

bool ChartTerms::StemIn(int p, std::string_view stems) const { return OneOf(sym::kStemNames[StemNumber(p)], stems); }

bool ChartTerms::BranchIn(int p, std::string_view branches) const {
    return OneOf(sym::kBranchNames[BranchNumber(p)], branches);
}

int ChartTerms::StemsIn(std::string_view stems) const {
    int n = 0;
    for (int p = kYear; p <= kHour; ++p) n += StemIn(p, stems);
    return n;
}

int ChartTerms::BranchesIn(std::string_view branches) const {
    int n = 0;
    for (int p = kYear; p <= kHour; ++p) n += BranchIn(p, branches);
    return n;
}

bool ChartTerms::StemsAre(std::string_view four) const {
    std::string own;
    for (int p = kYear; p <= kHour; ++p) own += sym::kStemNames[StemNumber(p)];
    return SortedChars(own) == SortedChars(four);
}

bool ChartTerms::BranchesAre(std::string_view four) const {
    std::string own;
    for (int p = kYear; p <= kHour; ++p) own += sym::kBranchNames[BranchNumber(p)];
    return SortedChars(own) == SortedChars(four);
}

bool ChartTerms::AllYang() const {
    for (int p = kYear; p <= kHour; ++p)
        if (!IsYang(p)) return false;
    return true;
}

bool ChartTerms::AllYin() const {
    for (int p = kYear; p <= kHour; ++p)
        if (IsYang(p)) return false;
    return true;
}

bool ChartTerms::IsYinYangMismatchDay() const {
    return PillarIn(kDay, {"丙子", "丙午", "丁丑", "丁未", "戊寅", "戊申", "辛卯", "辛酉", "壬辰", "壬戌", "癸巳", "癸亥"});
}

int ChartTerms::DayElement() const { return sym::kStemElement[StemNumber(kDay)]; }

bool ChartTerms::StemIs(int p, GodOrGroup k) const { return k.Matches(c_.stemInfo[p].god, c_.stemInfo[p].group); }

bool ChartTerms::BranchIs(int p, GodOrGroup k) const {
    return k.Matches(c_.branchInfo[p].god, c_.branchInfo[p].group);
}

bool ChartTerms::BranchHolds(int p, GodOrGroup k) const {
    const BranchInfo& b = c_.branchInfo[p];
    for (int i = 0; i < 3; ++i)
        if (b.hiddenGod[i] != 255 && k.Matches(b.hiddenGod[i], b.hiddenGroup[i])) return true;
    return false;
}

bool ChartTerms::StemAndBranchAre(int p, GodOrGroup a, GodOrGroup b) const {
    return (StemIs(p, a) && BranchIs(p, b)) || (StemIs(p, b) && BranchIs(p, a));
}

bool ChartTerms::PairIs(StemPair pair, GodOrGroup a, GodOrGroup b) const {
    return (StemIs(pair.first, a) && StemIs(pair.second, b)) || (StemIs(pair.first, b) && StemIs(pair.second, a));
}

bool ChartTerms::YongOrXiIs(int group) const { return GroupOf(kYongShen) == group || GroupOf(kXiShen) == group; }
bool ChartTerms::JiOrChouIs(int group) const { return GroupOf(kJiShen) == group || GroupOf(kChouShen) == group; }

int ChartTerms::StemCount(GodOrGroup k) const {
    return k.god >= 0 ? c_.stemGodCount[k.god] : c_.stemGroupCount[k.group];
}

int ChartTerms::VisibleCount(GodOrGroup k) const {
    return k.god >= 0 ? c_.godCountVisible[k.god] : c_.groupCountVisible[k.group];
}

int ChartTerms::FullCount(GodOrGroup k) const { return k.god >= 0 ? c_.godCountAll[k.god] : c_.groupCountAll[k.group]; }

int ChartTerms::BranchCount(GodOrGroup k) const {
    return k.god >= 0 ? c_.branchGodCount[k.god] : c_.branchGroupCount[k.group];
}

int ChartTerms::Power(GodOrGroup k) const { return k.god >= 0 ? c_.godScore[k.god] : c_.groupScore[k.group]; }

bool ChartTerms::HasPattern(int pattern) const {
    for (int16_t found : c_.patterns) {
        if (found < 0) return false;
        if (found == pattern) return true;
    }
    return false;
}

int ChartTerms::PillarsCarrying(Star s) const {
    int n = 0;
    for (int p = kYear; p <= kHour; ++p) n += Carries(p, s);
    return n;
}

bool ChartTerms::StageIn(int p, std::initializer_list<int> stages) const {
    return std::find(stages.begin(), stages.end(), Stage(p)) != stages.end();
}

bool ChartTerms::CombinationIs(int p, std::string_view name) const {
    return Combines(p) && Combination(p) < 5 && name == sym::kCombinationNames[Combination(p)];
}

int ChartTerms::CombiningStems() const {
    int n = 0;
    for (int p = kYear; p <= kHour; ++p) n += Combines(p);
    return n;
}

bool ChartTerms::HasAny(int p, std::initializer_list<RelationSlot> slots) const {
    for (RelationSlot s : slots)
        if (Has(p, s)) return true;
    return false;
}

int ChartTerms::BranchesWithAny(std::initializer_list<RelationSlot> slots) const {
    int n = 0;
    for (int p = kYear; p <= kHour; ++p) n += HasAny(p, slots);
    return n;
}

bool ChartTerms::HasReleasingRelation(int p) const {
    return HasAny(p, {kRelTriple, kRelHalfTriple, kRelDirectional, kRelClash, kRelPunish3, kRelCombine});
}

int ChartTerms::CombinationElement(int p, RelationSlot s) const {
    const int code = Relation(p, s);
    if (code < 0) return -1;
    return s == kRelHalfTriple ? code / 10 : code;
}

bool ChartTerms::Share(int p, int q, RelationSlot s) const {
    if (!Has(p, s) || !Has(q, s)) return false;
    if (s == kRelTriple || s == kRelHalfTriple || s == kRelDirectional)
        return CombinationElement(p, s) == CombinationElement(q, s);
    return Relation(p, s) == Relation(q, s);
}

bool ChartTerms::Clash(int p, int q) const { return (BranchNumber(p) - BranchNumber(q) + 12) % 12 == 6; }
