// The marriage chapter (婚姻择偶): the partners' birth years, the direction
// in which to seek the spouse, the spouse palace (the day branch), the
// classical sayings and, at their centre, the spouse-star sayings.
#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"
#include "reading/chart_terms.h"
#include "reading/marriage_chapter.h"
#include "reading/marriage_sayings.h"
#include "reading/reading_texts.h"

namespace {

constexpr int kDayBranchTexts = 5251;  // by the ten god of the day branch, 比肩 … 正印

// Branch pairs and triples, by branch names.
const char* const kSixCombinations[6] = {"子丑", "寅亥", "卯戌", "辰酉", "巳申", "午未"};
const char* const kSixHarms[6] = {"子未", "丑午", "寅巳", "卯辰", "申亥", "酉戌"};
const char* const kTriples[4] = {"申子辰", "亥卯未", "寅午戌", "巳酉丑"};

const char* const kDirections[8] = {"北", "东北", "东", "东南", "南", "西南", "西", "西北"};

// The branches of a name list ("申子辰"), as branch numbers.
std::vector<int> BranchesNamed(std::string_view names) {
    std::vector<int> branches;
    for (size_t i = 0; i + 3 <= names.size(); i += 3)
        for (int b = 0; b < 12; ++b)
            if (names.substr(i, 3) == sym::kBranchNames[b]) branches.push_back(b);
    return branches;
}

// The other members of b's group among `groups` (pairs or triples), in the
// group's order.
std::vector<int> MatesOf(int b, std::span<const char* const> groups) {
    for (const char* group : groups) {
        std::vector<int> members = BranchesNamed(group);
        if (std::find(members.begin(), members.end(), b) == members.end()) continue;
        members.erase(std::find(members.begin(), members.end(), b));
        return members;
    }
    return {};
}

std::string Heading(const ChartTerms& t) {
    const char* title = sym::kChapterTitles[3];  // 婚姻择偶
    return t.Person() == 1 ? Format("乙命%s：(测婚姻、恋爱、看夫妻状况)\r\n", title)
                           : Format("甲命%s：(测婚姻、恋爱、看夫妻状况)\r\n", title);
}

// Partners born in the years of the 三合 and 六合 branches of one's own
// year branch suit; those of its 六害 and clash branches do not.
std::string BirthYearPartners(const ChartTerms& t) {
    const int b = t.BranchNumber(kYear);
    const std::vector<int> triple = MatesOf(b, kTriples);
    const int h = MatesOf(b, kSixCombinations)[0], x = MatesOf(b, kSixHarms)[0], c = (b + 6) % 12;
    auto branch = [](int n) { return sym::kBranchNames[n]; };
    auto animal = [](int n) { return sym::kAnimalNames[n]; };
    return Format("  ★命主与%s、%s年生者三合，与%s年生者六合，", branch(triple[0]), branch(triple[1]), branch(h)) +
           Format("也就是属相为%s、%s、%s的人婚配较为有利；", animal(triple[0]), animal(triple[1]), animal(h)) +
           Format("与%s年生者相害，与%s年生者相冲，和此二年生者婚配不利，", branch(x), branch(c)) +
           Format("也就是属相为%s的人较不利，与属%s的人相冲，除此以外不必顾虑。", animal(x), animal(c));
}

// Counting the lunar day on from the month branch gives a branch o
// (子 = 1 … 亥 = 12); its direction and the opposite one are the spouse's.
std::string SpouseDirection(const ChartTerms& t) {
    int o = ((t.BranchNumber(kMonth) + t.LunarDay() - 1) % 12 + 12) % 12;
    if (o == 0) o = 12;
    int d = 2 * ((o - 1) / 3);
    if ((o - 1) % 3 != 0) d += 1;  // the two branches between the cardinal ones
    return Format("\n  【配偶方向】选在自己住宅的%s方或%s方为佳。\n", kDirections[d], kDirections[(d + 4) % 8]);
}

// The spouse's nature by the ten god of the day branch; the text's first
// two characters name the kind.
std::string DayBranchSpouse(const ChartTerms& t) {
    const std::string_view text = ReadingText(kDayBranchTexts + t.BranchGod(kDay));
    const size_t cut = std::min<size_t>(text.size(), 6);  // two characters of three bytes
    return "  ★日支为" + std::string(text.substr(0, cut)) + "配偶" + std::string(text.substr(cut));
}

std::string DayBranchHelp(const ChartTerms& t) {
    return std::string("\n  ★日支对命主而言") +
           (t.JiOrChouIs(t.BranchGroup(kDay)) ? "为忌主配偶甚少帮助或关系较疏远。\n" : "为喜主配偶多有帮助或关系密切。\n");
}

std::string SpouseBuild(const ChartTerms& t) {
    if (t.BranchIn(kDay, "子卯午酉"))
        return t.IsMan() ? "  ★妻子偏矮小，身材内满，有气质。\r\n" : "  ★丈夫偏矮小，身材结实，内秀有气质。\r\n";
    if (t.BranchIn(kDay, "寅巳申亥"))
        return t.IsMan() ? "  ★妻子身材中等，在1.6米左右上下，妻略丰满。\r\n" : "  ★丈夫身材中等，在1.7米左右上下。\r\n";
    return t.IsMan() ? "  ★妻子身材极端，即夫妻身材不匹配型。男高大，则女矮小；男瘦则女胖。(如不应则妻有病灾)。\r\n"
                     : "  ★夫身材极端，即夫妻身材不匹配型。男高大，则女矮小；男瘦则女胖。(如不应则夫有病灾)。\r\n";
}

// The day stem and the day branch are alike, generate each other, or control each other.
std::string DayStemAndBranch(const ChartTerms& t) {
    if (t.BranchIs(kDay, kGroupBiJie)) return "  ★日干支比和，夫妻关系一般。\n";
    if (t.BranchIs(kDay, kGroupShiShang) || t.BranchIs(kDay, kGroupYin)) return "  ★日干支相生，夫妻和睦，相互之间多有助益。\n";
    return "  ◆日干支相克，夫妻之间偶有矛盾。\n";
}

std::string DayBranchKind(const ChartTerms& t) {
    if (t.BranchIn(kDay, "子午卯酉")) return "  ★日支为子午卯酉，主配偶外表漂亮。\n";
    if (t.BranchIn(kDay, "寅申巳亥")) return "  ★日支为寅申巳亥，主配偶为人踏实敦厚。\n";
    return "  ★日支为辰戌丑未，主配偶平常。\n";
}

}  // namespace

std::string MarriageChapter(const ReadingContext& context) {
    const ChartTerms t(context);
    std::string text = Heading(t) + BirthYearPartners(t) + SpouseDirection(t) + DayBranchSpouse(t) +
                       DayBranchHelp(t) + SpouseBuild(t) + DayStemAndBranch(t) + DayBranchKind(t);
    ApplyRules(t, MarriageSayingsBeforeSpouseStar(), text);
    text += t.IsMan() ? WifeStarRules(context) : HusbandStarRules(context);
    ApplyRules(t, MarriageSayingsAfterSpouseStar(), text);
    return text + "\r\n";
}
