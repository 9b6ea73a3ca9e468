// The sayings of the marriage chapter. Where a saying speaks of the spouse
// star, a man's is wealth (财) and a woman's the officer (官杀).
#include "reading/chart_terms.h"
#include "reading/marriage_sayings.h"

namespace {

const ReadingRule kBeforeSpouseStar[] = {
    {9, [](const ChartTerms& t) { return t.IsMan() && t.YongOrXiIs(kGroupCai); },
     "  ★财星为喜用神，平身多得妻子的帮助，夫妻关系好。\r\n"},
    {9, [](const ChartTerms& t) { return t.IsMan() && !t.YongOrXiIs(kGroupCai) && t.JiOrChouIs(kGroupCai); },
     "  ◆财星为仇忌神，妻子对自己没有助益，夫妻偶有矛盾。\r\n"},
    {9, [](const ChartTerms& t) { return t.IsWoman() && t.YongOrXiIs(kGroupGuanSha); },
     "  ★官星为喜用神，丈夫对自己好，夫妻关系和顺，家庭和睦。\n"},
    {9, [](const ChartTerms& t) { return t.IsWoman() && t.JiOrChouIs(kGroupGuanSha); },
     "  ◆官星为仇忌神，夫妻不和，对丈夫常有意见。\n"},
    {10, [](const ChartTerms& t) { return t.IsYinYangMismatchDay() && t.BranchIsJiChou(kDay); },
     "  ★日逢阴阳差错为忌神，不利婚姻，恐有再婚之像。 \r\n"},
    {11,
     [](const ChartTerms& t) {
         return t.IsMan() && t.PillarIs(kDay, "乙丑") && t.Carries(kDay, kStarJiangXing) && t.BranchIsXiYong(kDay);
     },
     "  ★日坐财临将星为喜用，定娶富贵名门之女。\r\n"},
    {12, [](const ChartTerms& t) { return t.IsWoman() && t.Carries(kDay, kStarKuiGang); },
     "  ◆日时逢魁罡，刑夫。\r\n"},
    {13,
     [](const ChartTerms& t) {
         return t.IsMan() && t.Grade() <= 1 && t.BranchIs(kDay, kGroupYin) && t.BranchIsXiYong(kDay);
     },
     "  ★日弱坐印为喜用，妻贤惠而得力。\r\n"},
    {14, [](const ChartTerms& t) { return t.IsMan() && t.Grade() >= 4 && t.Strong(kGroupCai); },
     "  ★日干旺，正财偏财亦旺，主富而多妻妾。\r\n"},
    {15, [](const ChartTerms& t) { return t.Grade() >= 5 && t.PillarsCarrying(kStarYangRen) >= 2; },
     "  ◆日干旺，再重重见羊刃，婚缘易变。\r\n"},
    {16,
     [](const ChartTerms& t, int p) {
         return t.IsMan() && t.Carries(p, kStarYiMa) && t.BranchHolds(p, kGroupCai);
     },
     "  ★男人四柱见马，此马之支内人元有日之财星者，定娶远乡或异国之女。\r\n"},
    {16,
     [](const ChartTerms& t, int p) {
         return t.IsWoman() && t.Carries(p, kStarYiMa) && t.BranchHolds(p, kGroupGuanSha);
     },
     "  ★女人四柱见马，此马之支内人元有日之官杀者，定嫁远乡或异国。\r\n"},
};

const ReadingRule kAfterSpouseStar[] = {
    {18, [](const ChartTerms& t) { return t.IsMan() && t.AllYang(); },
     "  ◆四柱纯阳男必孤。\r\n"},
    {18, [](const ChartTerms& t) { return t.IsWoman() && t.AllYin(); },
     "  ◆四柱纯阴女必寡。\r\n"},
    {19,
     [](const ChartTerms& t, StemPair pair) {
         return t.PairIs(pair, kGroupCai, kZhengGuan) && t.Strong(kGroupCai);
     },
     "  ★财旺生官，夫妻如胶似漆，夫唱妇随。\r\n"},
    {20,
     [](const ChartTerms& t) {
         return (t.Carries(kDay, kStarTongZi) && t.JiOrChouIs(t.BranchGroup(kDay))) ||
                (t.Carries(kHour, kStarTongZi) && t.JiOrChouIs(t.BranchGroup(kHour)));
     },
     "  ◆命犯童子煞且为忌神，婚姻多不顺，个别人有难言怪病。\r\n"},
    {21, [](const ChartTerms& t) { return t.PillarIn(kDay, {"甲戌", "甲辰"}); },
     "  ◆甲辰、甲戌二日，男子逢之克妻，女子遇之定克夫。\r\n"},
    {22,
     [](const ChartTerms& t) {
         return (t.Carries(kDay, kStarGuLuan) && t.BranchIsJiChou(kDay)) ||
                (t.Carries(kHour, kStarGuLuan) && t.BranchIsJiChou(kHour));
     },
     "  ◆孤鸾入命，夫哭妻，妻克夫。\r\n"},
    {23, [](const ChartTerms& t) { return t.Carries(kMonth, kStarTaoHua); },
     "  ◆生月带咸池，夫妻常有外心。\r\n"},
    {24, [](const ChartTerms& t) { return t.Combines(kYear) || t.Combines(kMonth) || t.Combines(kHour); },
     "  ★天干有合，异性缘佳，多早婚。\r\n"},
    {25,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kQiSha) && t.VisibleCount(kGroupShiShang) == 0 &&
                !t.HasAny(kDay, {kRelTriple, kRelHalfTriple, kRelDirectional});
     },
     "  ◆日支为七杀，无食神制且无合，配偶多半性烈刚毅。倔强暴躁。\r\n"},
    {26, [](const ChartTerms& t) { return t.BranchIs(kDay, kZhengYin) && t.BranchIsXiYong(kDay); },
     "  ★日支为正印，且为喜用，配偶仁慈善良，聪颖敦厚，多助益。\r\n"},
    {27, [](const ChartTerms& t) { return t.VisibleCount(kBiJian) >= 3 && t.JiOrChouIs(kGroupBiJie); },
     "  ◆比肩过多且为忌：夫妻不睦，家体失和，有桃色纠纷。\r\n"},
    {28, [](const ChartTerms& t) { return t.BranchIs(kDay, kGroupBiJie) && t.BranchIsJiChou(kDay); },
     "  ◆日支比劫为忌，迟婚或再婚。\r\n"},
    {29,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengYin) && t.BranchIs(p, kPianCai) && t.BranchIsXiYong(p);
     },
     "  ★正印坐偏财为喜用，事业繁忙，家庭圆满。\r\n", 'A'},
    {29, [](const ChartTerms& t, int p) { return t.StemAndBranchAre(p, kBiJian, kJieCai) && !t.StemIsXiYong(p); },
     "  ◆比肩、劫财同柱：夫妻多抱怨、争执。\r\n", 'A'},
    {29,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengCai) && t.StemIsJiChou(p) && t.Strong(kGroupGuanSha);
     },
     "  ◆有正财为忌，且官杀旺，妻必厌夫，夫怕妻。\r\n", 'A'},
    {29,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kShangGuan) && t.Carries(p, kStarKongWang) && !t.HasReleasingRelation(p);
     },
     "  ◆伤官逢空亡，子孤或婚变再婚。\r\n", 'A'},
    {30,
     [](const ChartTerms& t) {
         return t.PillarsWhere([&](int p) { return t.StemIs(p, kJieCai) || t.BranchIs(p, kJieCai); }) >= 3;
     },
     "  ◆劫财三柱以上者，男女皆属晚婚，而后发生色情灾变，凶兆。\r\n"},
    {31, [](const ChartTerms& t) { return t.StemAndBranchAre(kMonth, kBiJian, kJieCai); },
     "  ◆生月比肩、劫财同一柱者，夫妻仇视。\r\n"},
    {32,
     [](const ChartTerms& t) {
         return t.VisibleCount(kGroupGuanSha) >= 1 &&
                t.VisibleCount(kGroupBiJie) / t.VisibleCount(kGroupGuanSha) >= 2;
     },
     "  ◆比肩多于官杀，如呈三比一，二比一，夫妻无情。\r\n"},
    {33, [](const ChartTerms& t) { return t.VisibleCount(kGroupBiJie) >= 6; },
     "  ◆四柱全是比劫，独身不婚，男女皆同，老是童子童女。\r\n"},
    {34, [](const ChartTerms& t) { return t.PillarIn(kDay, {"壬午", "癸巳"}); },
     "  ◆壬午、癸巳两日生人，禄马同乡，早婚早子，平生吉祥。\r\n"},
    {35, [](const ChartTerms& t) { return t.PillarIn(kDay, {"甲戌", "乙亥"}); },
     "  ◆甲戌、乙亥两日生人，自坐空亡，皆主晚婚。\r\n"},
    {36, [](const ChartTerms& t) { return t.BranchIs(kDay, kPianYin) && t.StemCount(kPianYin) >= 1; },
     "  ◆日支偏印，原命局终又见偏印者，姻缘不佳，男不得贤妻，女不得佳婿。\r\n"},
    {37, [](const ChartTerms& t) { return t.CombiningStems() == 4; },
     "  ◆四个天干均相合，主再婚又生子。\r\n"},
    {38, [](const ChartTerms& t) { return t.BranchIs(kDay, kShangGuan) && !t.BranchIsXiYong(kDay); },
     "  ◆伤官在日柱被妻子或丈夫轻视。\r\n"},
    {39,
     [](const ChartTerms& t) {
         return t.StemsIn("壬") >= 1 && t.StemsIn("癸") >= 1 && t.StemsIn("乙") >= 1 && t.BranchesIn("卯") >= 1 &&
                t.BranchesIn("酉") >= 1;
     },
     "  ◆柱有癸、乙、壬、卯、酉五字，多有男女奸情。\r\n"},
};

}  // namespace

std::span<const ReadingRule> MarriageSayingsBeforeSpouseStar() { return kBeforeSpouseStar; }
std::span<const ReadingRule> MarriageSayingsAfterSpouseStar() { return kAfterSpouseStar; }
