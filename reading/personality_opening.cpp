// The opening of the personality chapter, taken from the numbered text tables.
#include <cstdlib>
#include <set>

#include "engine/symbols/symbols.h"
#include "engine/base/text_format.h"
#include "reading/personality.h"
#include "reading/reading_texts.h"

namespace {

// First resource number of each text table; a table is indexed as its
// comment says.
constexpr int kDayMasterTexts = 7016;     // by day stem 甲 … 癸
constexpr int kMonthBranchTexts = 8200;   // by the ten god of the month branch
constexpr int kFavouredStemTexts = 8210;  // by ten god, the stem's group being the 用 group
constexpr int kHarmfulStemTexts = 8220;   // by ten god, the stem's group being the 忌 group
constexpr int kGrowthTexts = 8260;        // by growth stage 长生 … 养

std::string Heading(const ChartTerms& t) {
    const char* title = sym::kChapterTitles[0];  // 性格特征
    return t.Person() == 1 ? Format("乙命%s：(测个人性情、先天禀赋、相貌、喜好等)\r\n  ★", title)
                           : Format("甲命%s：(测个人性情、先天禀赋、相貌、喜好等)\r\n  ★", title);
}

// The tables count the stems from 甲, the stem numbers from 癸 (0).
int StemFromJia(int stem) { return (stem + 9) % 10; }

std::string DayMaster(const ChartTerms& t) {
    return std::string(ReadingText(kDayMasterTexts + StemFromJia(t.StemNumber(kDay)))) + "\r\n";
}

std::string MonthBranch(const ChartTerms& t) {
    return std::string("  ★") + ReadingText(kMonthBranchTexts + t.BranchGod(kMonth)) + "\r\n";
}

std::string GrowthInMonth(const ChartTerms& t) {
    int stage = sym::GrowthStage(t.StemNumber(kDay), t.BranchNumber(kMonth));
    return std::string("  ★日干坐月支，") + ReadingText(kGrowthTexts + stage) + "\r\n";
}

// Yin and yang lean to one side when their difference is more than a fifth
// of their sum.
std::string YinYang(const ChartTerms& t) {
    int yin = t.Chart().yinTotal;
    int yang = t.Chart().yangTotal;
    int sum = yin + yang;
    if (sum != 0 && std::abs(yin - yang) * 100 / sum > 20)
        return yang < yin ? "  ★阴气过重，性情偏于内向，柔性大于刚性，有女性化的性格特点。\r\n"
                          : "  ★阳气过重，性情偏于外向，喜欢自我表现，有男性化的性格特点。\r\n";
    return "  ★阴阳二气平衡，性格刚柔相济，做事会分轻重缓急，公正之人。\r\n";
}

// The text said of a stem whose group is the 用 group or the 忌 group; 0
// when it is neither (the 喜 and 仇 groups say nothing here).
int StemText(const ChartTerms& t, int p) {
    if (t.StemGroup(p) == t.GroupOf(kYongShen)) return kFavouredStemTexts + t.StemGod(p);
    if (t.StemGroup(p) == t.GroupOf(kJiShen)) return kHarmfulStemTexts + t.StemGod(p);
    return 0;
}

// The month stem, then the hour stem; a text is said once even when both
// stems are the same ten god.
std::string MonthAndHourStems(const ChartTerms& t) {
    std::string out;
    std::set<int> said;
    for (int p : {kMonth, kHour}) {
        int text = StemText(t, p);
        if (text != 0 && said.insert(text).second) out += std::string("  ★") + ReadingText(text) + "\r\n";
    }
    return out;
}

}  // namespace

std::string PersonalityOpening(const ChartTerms& t) {
    return Heading(t) + DayMaster(t) + MonthBranch(t) + GrowthInMonth(t) + YinYang(t) + MonthAndHourStems(t);
}
