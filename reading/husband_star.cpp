// The husband-star sayings of a woman's chart: the officer (官杀) is her
// spouse star, 正官 the husband and 七杀 a lover or second husband.
#include "engine/symbols/symbols.h"
#include "reading/chart_terms.h"
#include "reading/marriage_chapter.h"
#include "reading/reading_rules.h"

namespace {

// A noble star on the pillar: 天乙, 天德 or 月德.
bool CarriesNoble(const ChartTerms& t, int p) { return t.Carries(p, kStarTianYi) || t.CarriesTianOrYueDe(p); }

// The two branches have the same three-branch 刑, or both the 子卯 刑.
bool PunishedTogether(const ChartTerms& t, int p, int q) {
    return t.Share(p, q, kRelPunish3) || (t.HasZiMaoPunishment(p) && t.HasZiMaoPunishment(q));
}

// The branch takes part in a full or half 三合.
bool InTriple(const ChartTerms& t, int p) { return t.HasAny(p, {kRelTriple, kRelHalfTriple}); }

// 官杀混杂: the two stems are 七杀 and 正官.
bool MixedOfficers(const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kQiSha, kZhengGuan); }

// The first stem pair with mixed officers has a stem that stands in 死 or
// 绝 on its own branch, and no branch is an officer: the husband's breath
// is cut (绝夫气).
bool MixedOfficersWithoutRoot(const ChartTerms& t) {
    for (StemPair pair : kStemPairs) {
        if (!MixedOfficers(t, pair)) continue;
        const bool dying = t.StageIn(pair.first, {kStageSi, kStageJue}) || t.StageIn(pair.second, {kStageSi, kStageJue});
        return dying && t.BranchCount(kGroupGuanSha) == 0;
    }
    return false;
}

// The stem that is 正官 to the day master stands in 死, 墓 or 绝 on the day
// branch, whether or not the chart shows it.
bool OfficerStemDiesOnDayBranch(const ChartTerms& t) {
    const int officer = sym::StemOfTenGod(t.StemNumber(kDay), kZhengGuan);
    const int stage = sym::GrowthStage(officer, t.BranchNumber(kDay));
    return stage == kStageSi || stage == kStageMu || stage == kStageJue;
}

const ReadingRule kHusbandStarRules[] = {
    {1, [](const ChartTerms& t) { return t.BranchIs(kDay, kZhengGuan) && t.YongOrXiIs(kGroupGuanSha); },
     "  ★日坐夫星，且为用神，主夫大贵，夫妻和睦。\r\n"},
    {2, [](const ChartTerms& t) { return t.Grade() >= 3 && t.Grade() <= 5 && t.Strong(kGroupCai); },
     "  ★财命有气，配夫到老无忧。\r\n"},
    {3, [](const ChartTerms& t) { return t.PillarIs(kDay, "丙子") && t.BranchIsXiYong(kDay); },
     "  ★丙子日元，女人逢之得俊夫。\r\n"},
    {4, [](const ChartTerms& t) { return t.PillarIs(kDay, "戊午"); },
     "  ★女逢戊午日元，多得男人相求。\r\n"},
    {5,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupCai) && t.InRisingStage(p) && t.StemCount(kGroupBiJie) == 0;
     },
     "  ★财得地利夫。\r\n", 'A'},
    {6,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kShiShen) && t.InRisingStage(p) && t.StemCount(kPianYin) == 0;
     },
     "  ★食神得地利子。\r\n", 'A'},
    {7, [](const ChartTerms& t, int p) { return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarTaoHua); },
     "  ★官带桃花，定为深院之良妇。\r\n", 'A'},
    {8,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupGuanSha) && t.InRisingStage(p) && !t.Has(p, kRelClash);
     },
     "  ★官杀坐生旺之地，不遭冲克，夫长寿。\r\n", 'A'},
    {9,
     [](const ChartTerms& t) {
         return t.PillarsWhere([&](int p) { return CarriesNoble(t, p); }) == 1 && t.VisibleCount(kQiSha) == 0;
     },
     "  ★女命无杀，一贵可作夫人。\r\n"},
    {10,
     [](const ChartTerms& t) {
         return t.Carries(kDay, kStarYiMa) && CarriesNoble(t, kDay) && t.BranchIsXiYong(kDay);
     },
     "  ★日上贵人驿马，得聪明贤美之夫。\r\n"},
    {11, [](const ChartTerms& t, int p) { return t.StemIs(p, kZhengGuan) && t.BranchIs(p, kGroupCai); },
     "  ★官临财地，荣夫克子。\r\n"},
    {12,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengYin) >= 1 &&
                ((t.StemCount(kZhengGuan) == 1 && t.StemCount(kQiSha) == 0) ||
                (t.StemCount(kQiSha) == 1 && t.StemCount(kZhengGuan) == 0));
     },
     "  ★官杀不杂有印扶，嫁夫定是登云梯。\r\n"},
    {13, [](const ChartTerms& t) { return t.PillarsCarrying(kStarTianYi) == 1; },
     "  ★一个贵人为好命。\r\n"},
    {14, [](const ChartTerms& t) { return t.PillarsCarrying(kStarTianYi) == 2; },
     "  ★两个贵人心不定。\r\n"},
    {15, [](const ChartTerms& t) { return t.PillarsCarrying(kStarTianYi) == 3; },
     "  ★三个贵人定做娼，晚年或为豪家正室。\r\n"},
    {16,
     [](const ChartTerms& t) {
         return t.PillarsCarrying(kStarTianYi) >= 2 && t.VisibleCount(kGroupGuanSha) >= 3;
     },
     "  ★官贵太多，不为偏房则为舞女。\r\n"},
    {17, [](const ChartTerms& t) { return t.Strong(kGroupCai) && t.Strong(kGroupGuanSha); },
     "  ★女人官旺财又旺，招得贤夫好儿郎。\r\n"},
    {18, [](const ChartTerms& t) { return t.Strong(kGroupGuanSha) && t.YongOrXiIs(kGroupGuanSha); },
     "  ★官杀旺为用神，主夫贵。\r\n"},
    {19,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengGuan) && !t.BranchIsJiChou(kDay) && t.CarriesTianOrYueDe(kDay);
     },
     "  ★日支正官，且坐天月德者，必为淑女贤妇，且得贵夫。\r\n"},
    {20,
     [](const ChartTerms& t) {
         return t.AnyPillar([&](int p) { return t.StemIs(p, kShangGuan) && t.StemIsJiChou(p) &&
                t.BranchIs(p, kZhengYin); }) && t.AnyCarries(kStarYangRen);
     },
     "  ◆女命正印与伤官同柱有羊刃者，多为尼姑。\r\n"},
    {21,
     [](const ChartTerms& t) {
         return t.Power(kZhengYin) < 20 && t.Strong(kGroupCai) && t.StemCount(kShangGuan) >= 1;
     },
     "  ◆女命正印薄弱，财星旺者，难言良妇。若再现伤官，恐难守妇道。\r\n"},
    {22,
     [](const ChartTerms& t) {
         return t.BranchIs(kMonth, kZhengGuan) &&
                (PunishedTogether(t, kDay, kMonth) || PunishedTogether(t, kYear, kDay));
     },
     "  ◆女命月支正官被邻支所刑，主遭退婚或第一次婚姻失败。\r\n"},
    {23, [](const ChartTerms& t) { return t.StemCount(kBiJian) >= 1 && t.StemCount(kJieCai) >= 1; },
     "  ◆日主以外天干比肩，又劫财者，感情丰富，为事夺利，风波迭起。女命遇之有三角色情纠纷。\r\n"},
    {24, [](const ChartTerms& t) { return t.BranchIs(kDay, kZhengGuan) && t.VisibleCount(kGroupGuanSha) == 1; },
     "  ★女命日支正官，而别柱不见明显之官杀星者，必得贤丈夫，因丈夫而贵，夫妻和谐恩爱白头到老，终生幸福美满。夫妻双方一夫一妻，绝不与第二个异性有染。\r\n"},
    {25,
     [](const ChartTerms& t) {
         return (t.StemIs(kMonth, kGroupBiJie) || t.BranchIs(kMonth, kGroupBiJie)) &&
                (t.BranchIs(kYear, kGroupGuanSha) || t.BranchIs(kDay, kGroupGuanSha));
     },
     "  ◆生月干或支有比劫星，年或日支有官杀，丈夫有外遇。\r\n"},
    {26,
     [](const ChartTerms& t) {
         return t.BranchIs(kMonth, kShangGuan) && t.PairIs({kYear, kMonth}, kQiSha, kZhengGuan);
     },
     "  ◆月支伤官，年月干见官杀星，夫缘甚劣。\r\n"},
    {27,
     [](const ChartTerms& t) {
         return t.StemIs(kYear, kPianYin) && t.BranchIs(kYear, kGroupShiShang) && t.StemIs(kMonth, kPianCai) &&
                t.BranchIs(kMonth, kGroupShiShang);
     },
     "  ◆年干偏印，月干偏财，两柱皆坐下伤官或食神，必丧夫而又家贫。\r\n"},
    {28,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengGuan) && t.StemIsXiYong(p) && t.BranchIs(p, kGroupCai) &&
                t.StemCount(kShangGuan) == 0;
     },
     "  ★正官与财星同柱，夫富有。\r\n", 'B'},
    {29,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarTaoHua) && t.BranchIsXiYong(p) &&
                t.StemCount(kShangGuan) == 0;
     },
     "  ★正官与桃花同柱，福寿得良夫。\r\n", 'B'},
    {30,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengGuan) && t.Stage(p) == kStageMuYu && t.BranchIsJiChou(p);
     },
     "  ★正官坐沐浴，夫好色风流。\r\n", 'B'},
    {31,
     [](const ChartTerms& t) {
         return t.CombiningStems() >= 3 &&
                t.AnyPillar([&](int p) { return t.Combines(p) && t.StemIs(p, kZhengGuan); });
     },
     "  ★正官多合，娇媚多情，异性缘佳，较有偷情事。\r\n"},
    {32,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengGuan) && t.Carries(kDay, kStarKongWang) && !t.HasReleasingRelation(kDay);
     },
     "  ◆正官逢空亡，且出现于日支，易有婚变或再婚。\r\n"},
    {33,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengGuan) == 0 && t.StemCount(kGroupBiJie) >= 1 && t.Strong(kGroupBiJie);
     },
     "  ◆正官不现，比劫强，夫妻少恩爱多纠葛。\r\n"},
    {34,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengGuan) == 0 && t.StemCount(kShangGuan) >= 1 && t.VisibleCount(kGroupCai) == 0;
     },
     "  ◆正官不现，无财星有伤官，早克夫。\r\n"},
    {35,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengGuan) == 0 && t.StemCount(kGroupYin) >= 1 && t.VisibleCount(kGroupYin) >= 3 &&
                t.VisibleCount(kGroupCai) == 0;
     },
     "  ◆正官不现，多印星无财星，克夫。\r\n"},
    {36,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengGuan) == 0 && t.StemCount(kQiSha) >= 1 && t.VisibleCount(kQiSha) >= 3 &&
                t.VisibleCount(kGroupYin) == 0;
     },
     "  ◆正官不现，多七杀而无印星，下格之命。\r\n"},
    {37,
     [](const ChartTerms& t) {
         return t.VisibleCount(kQiSha) >= 3 && t.StemCount(kQiSha) >= 1 && t.VisibleCount(kGroupShiShang) == 0;
     },
     "  ◆四柱多偏官无制者，易被异性强暴欺凌，失贞节。或意志不坚，性情不定，多夫之虞。\r\n"},
    {38,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarYangRen) && t.BranchIsJiChou(p);
     },
     "  ◆正官坐羊刃，诸事阻滞，易遭破坏。\r\n", 'C'},
    {39,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kQiSha) && !t.StemIsXiYong(p) && t.BranchIs(p, kQiSha) && t.StemCount(kZhengGuan) >= 1;
     },
     "  ◆干支皆偏官，又有正官：再嫁之命。\r\n", 'C'},
    {40,
     [](const ChartTerms& t, int p) {
         return t.StemAndBranchAre(p, kQiSha, kZhengGuan) && t.StemCount(kGroupBiJie) >= 1 &&
                t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆正偏官同柱，且有比劫为忌者，姐妹争一夫。\r\n", 'C'},
    {41,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kQiSha) && t.Carries(p, kStarKongWang) && !t.HasReleasingRelation(p);
     },
     "  ◆偏官遇空亡无解者，夫缘难续。\r\n", 'C'},
    {42, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kZhengGuan, kShangGuan); },
     "  ◆正官见伤官于命局，易和丈夫分离或难成正妻。\r\n", 'D'},
    {43,
     [](const ChartTerms& t, StemPair pair) {
         return t.PairIs(pair, kZhengGuan, kQiSha) && t.VisibleCount(kGroupShiShang) == 0;
     },
     "  ◆官杀混杂，无食伤制者，非娼即妾。\r\n", 'D'},
    {44, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kBiJian, kJieCai); },
     "  ◆天干有比劫者：多情及争夫。\r\n", 'D'},
    {45, [](const ChartTerms& t) { return t.VisibleCount(kQiSha) >= 5; },
     "  ◆七杀现五位于命局，娼妓之命。\r\n"},
    {46,
     [](const ChartTerms& t) {
         return t.Grade() <= 1 && t.Power(kGroupGuanSha) > 90 && t.StemCount(kQiSha) >= 1;
     },
     "  ◆日主弱，偏官旺，孤独之命。\r\n"},
    {47,
     [](const ChartTerms& t) {
         return t.Grade() >= 4 && t.VisibleCount(kZhengYin) >= 3 && t.JiOrChouIs(kGroupYin);
     },
     "  ◆身旺而多正印为忌：有克夫之象，丈夫多半体弱多病或有早丧之虞。与翁姑不和，且子息少。\r\n"},
    {48, [](const ChartTerms& t) { return t.BranchIs(kDay, kPianYin) && t.BranchIsJiChou(kDay); },
     "  ◆日支为偏印，且为忌神，女不得良夫。\r\n"},
    {49,
     [](const ChartTerms& t) {
         return t.VisibleCount(kGroupBiJie) >= 3 && t.Strong(kGroupBiJie) && t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆四柱比劫强，且为忌，抱独身正义之女人。\r\n"},
    {50,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kQiSha) && t.Carries(p, kStarTaoHua) && t.BranchIsJiChou(p);
     },
     "  ◆偏官坐桃花为忌：薄命。\r\n", 'E'},
    {51,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengYin) && t.BranchIs(p, kShangGuan) && t.BranchIsJiChou(p) &&
                t.Carries(p, kStarYangRen);
     },
     "  ◆正印与伤官羊刃同柱，多为尼姑。\r\n", 'E'},
    {52,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianYin) && t.StemIsJiChou(p) && t.BranchIs(p, kPianYin);
     },
     "  ◆干支皆偏印，且为忌神，克夫少福寿。\r\n", 'E'},
    {53,
     [](const ChartTerms& t) {
         return t.AnyCarries(kStarGuaSu) && t.StemCount(kPianYin) >= 1 && t.VisibleCount(kPianYin) >= 3 &&
                t.JiOrChouIs(kGroupYin);
     },
     "  ◆女命偏印重重者，福薄，又遇寡宿：独身之命。\r\n"},
    {54,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kBiJian) && t.StemIsJiChou(p) && t.BranchIs(p, kBiJian);
     },
     "  ◆比肩叠见有嫉妒之争。\r\n", 'F'},
    {55,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kShiShen) && t.BranchIs(p, kPianYin) && t.BranchIsJiChou(p);
     },
     "  ◆食神偏印同柱为忌：守空房。\r\n", 'F'},
    {56,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kShangGuan) && t.Carries(p, kStarKongWang) && !t.HasReleasingRelation(p);
     },
     "  ◆伤官逢空亡无解者：口舌是非，孤子、中途破婚。\r\n", 'F'},
    {57, [](const ChartTerms& t) { return t.AnyPillar([&](int p) { return t.CombinationIs(p, "乙庚"); }); },
     "  ★乙庚相会，女子得之，心意不足，虽貌美，但克夫刑子。\r\n"},
    {58,
     RuleTest::FirstDecides(
         [](const ChartTerms& t, int p) {
             return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarYiMa);
         },
         [](const ChartTerms& t, int) { return t.StemCount(kShangGuan) == 0; }),
     "  ★明官骑马，丈夫增荣，黄金满柜。\r\n", 'G'},
    {59, [](const ChartTerms& t, int p) { return t.StemIs(p, kShiShen) && t.Carries(p, kStarLuShen); },
     "  ★专禄食神，必受诰命。\r\n", 'G'},
    {60, [](const ChartTerms& t) { return t.StemCount(kShangGuan) >= 1 && t.StemCount(kZhengGuan) == 0; },
     "  ★伤官不见官，为贞洁之妇。\r\n"},
    {61,
     [](const ChartTerms& t) {
         return t.Strong(kGroupCai) && t.Power(kGroupGuanSha) > 0 && t.StemCount(kShiShen) >= 1 &&
                t.StemCount(kPianYin) == 0;
     },
     "  ★财旺生官，辅食无伤，夫荣子贵。\r\n"},
    {62,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengYin) >= 1 && t.StemCount(kGroupCai) == 0 && t.CarriesTianOrYueDe(kDay);
     },
     "  ★无财损印，日临天月二德，得父母之财，招名夫，逢凶化吉。\r\n"},
    {63, [](const ChartTerms& t) { return t.BranchesAre("子午卯酉"); },
     "  ★子午卯酉，嫁给子午卯酉为佳。\r\n"},
    {64,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kQiSha) && t.StemIsXiYong(p) && t.Stage(p) == kStageChangSheng;
     },
     "  ★七杀遇长生之位，必嫁贵夫。\r\n"},
    {65,
     [](const ChartTerms& t) {
         return t.StemCount(kGroupCai) == 1 && t.StemCount(kZhengGuan) == 1 && t.StemCount(kZhengYin) == 1;
     },
     "  ★财官印绶，必旺夫。\r\n"},
    {66,
     [](const ChartTerms& t) {
         return t.VisibleCount(kShangGuan) >= 1 && t.Power(kGroupGuanSha) == 0 &&
                t.BranchesWithAny({kRelCombine, kRelTriple, kRelHalfTriple}) >= 1;
     },
     "  ★伤官伤尽支有合，无媒自嫁。\r\n"},
    {67, [](const ChartTerms& t) { return t.Power(kGroupYin) >= 150 && t.Power(kGroupGuanSha) < 40; },
     "  ★印旺官轻，坐堂招夫。\r\n"},
    {68, [](const ChartTerms& t) { return t.Power(kZhengGuan) < t.Power(kQiSha) && t.Power(kQiSha) >= 100; },
     "  ★杀强官弱，离婚再嫁良夫。\r\n"},
    {69, [](const ChartTerms& t) { return t.Power(kShangGuan) < t.Power(kZhengGuan); },
     "  ★官强伤弱，助夫兴家。\r\n"},
    {70, [](const ChartTerms& t) { return t.Carries(kDay, kStarTaoHua); },
     "  ★日坐桃花，夫妻秀美，风流多艺。\r\n"},
    {71, [](const ChartTerms& t, int p) { return t.StemIs(p, kZhengYin) && t.CarriesTianOrYueDe(p); },
     "  ★天月二德逢印，贵为高官之妇，两国之封。\r\n"},
    {72, [](const ChartTerms& t) { return t.Power(kShiShen) >= 100 && t.StemCount(kGroupGuanSha) == 0; },
     "  ★食神太过，不见夫星，贞洁之妇。\r\n"},
    {73,
     [](const ChartTerms& t) {
         return t.StemCount(kQiSha) == 1 && t.StemCount(kZhengGuan) == 0 &&
                t.AnyPillar([&](int p) { return t.StemIs(p, kQiSha) && t.Stage(p) == kStageMu; });
     },
     "  ★一杀清透逢墓，必配贵夫。\r\n"},
    {74,
     [](const ChartTerms& t) {
         return (t.StrengthClass() == kClassCongWang || t.StrengthClass() == kClassCongRuo) &&
                t.YongOrXiIs(kGroupGuanSha);
     },
     "  ★弃命从杀，必配名家。\r\n"},
    {75,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupCai) && t.VisibleCount(kShangGuan) >= 1 && t.Power(kGroupGuanSha) == 0;
     },
     "  ★伤官伤尽，无官见财，必嫁老夫作偏房。\r\n", 'H'},
    {76, [](const ChartTerms& t, int p) { return t.Carries(p, kStarYiMa) && t.Has(p, kRelClash); },
     "  ★马逢冲轻浮。\r\n", 'H'},
    {77,
     [](const ChartTerms& t) {
         return t.StemCount(kShiShen) == 1 && t.StemCount(kGroupYin) == 0 && t.StemCount(kShangGuan) == 0;
     },
     "  ★食神独者，安和，有子有寿。\r\n"},
    {78, [](const ChartTerms& t) { return t.VisibleCount(kZhengYin) >= 3 && t.JiOrChouIs(kGroupYin); },
     "  ◆女印多为忌，防淫乱。\r\n"},
    {79, [](const ChartTerms& t) { return t.VisibleCount(kGroupCai) >= 3; },
     "  ◆财多需注意克制自己。\r\n"},
    {80, [](const ChartTerms& t) { return t.VisibleCount(kZhengGuan) >= 3; },
     "  ◆女官星多，伤夫主贱。\r\n"},
    {81,
     [](const ChartTerms& t) {
         return t.VisibleCount(kZhengYin) + t.VisibleCount(kPianYin) >= 4 && t.VisibleCount(kZhengYin) >= 1 &&
                t.VisibleCount(kPianYin) >= 1 && t.JiOrChouIs(kGroupYin);
     },
     "  ◆枭印重重为忌，生别死离之妇。\r\n"},
    {82, [](const ChartTerms& t) { return t.VisibleCount(kGroupGuanSha) == 0; },
     "  ◆柱无官星，不作偏房便继室。\r\n"},
    {83, [](const ChartTerms& t) { return t.Power(kGroupGuanSha) < 20; },
     "  ◆官绝休囚，孤孀寒宿。\r\n"},
    {84,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kShangGuan) && t.StemCount(kGroupCai) == 0 && t.StemCount(kGroupYin) == 0;
     },
     "  ◆女逢伤官不远嫁，定克夫。\r\n"},
    {85,
     [](const ChartTerms& t) {
         return t.StemCount(kQiSha) >= 1 && t.Carries(kDay, kStarYangRen) && t.BranchIsJiChou(kDay);
     },
     "  ◆日刃逢杀为忌，不偏房则为尼。\r\n"},
    {86,
     [](const ChartTerms& t) {
         return t.StemCount(kZhengGuan) >= 1 && t.StemCount(kGroupCai) == 0 && t.Strong(kGroupCai) &&
                t.VisibleCount(kZhengGuan) >= 2 && t.VisibleCount(kQiSha) >= 1;
     },
     "  ◆柱中官多而明，财伏而旺又带杀，必因酒色私情得财。\r\n"},
    {87,
     [](const ChartTerms& t) {
         return t.AnyCarries(kStarTaoHua) && t.StemCount(kGroupCai) == 0 && t.Power(kGroupCai) > 0 &&
                t.VisibleCount(kGroupGuanSha) >= 3;
     },
     "  ◆官杀多，支中伏财，命带桃花，应慎重交友，避免朝三暮四。\r\n"},
    {88,
     [](const ChartTerms& t) {
         return t.Power(kGroupGuanSha) < t.Power(kGroupBiJie) && t.Power(kGroupBiJie) >= 150;
     },
     "  ◆官轻比重，姐妹刚强，不作偏防便为妾。\r\n"},
    {89,
     [](const ChartTerms& t) {
         return t.VisibleCount(kBiJian) + t.VisibleCount(kJieCai) >= 3 && t.VisibleCount(kBiJian) >= 1 &&
                t.VisibleCount(kJieCai) >= 1 && t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆比劫重重，必争夫，且夫有绝妻之义。\r\n"},
    {90, [](const ChartTerms& t) { return t.VisibleCount(kZhengYin) >= 3 && t.JiOrChouIs(kGroupYin); },
     "  ◆女印多，到老无子。\r\n"},
    {91,
     [](const ChartTerms& t) {
         return t.Power(kShangGuan) >= 100 && t.Power(kGroupYin) < 40 && t.VisibleCount(kShangGuan) >= 3;
     },
     "  ◆伤官多而旺，早丧夫。\r\n"},
    {92,
     [](const ChartTerms& t) {
         return t.StemCount(kPianYin) >= 1 && t.StemCount(kShiShen) >= 1 && t.StemCount(kShangGuan) >= 1;
     },
     "  ◆柱中枭食并伤官，子死夫亡。\r\n"},
    {93,
     [](const ChartTerms& t) {
         return t.StemCount(kShangGuan) >= 1 && t.VisibleCount(kGroupCai) == 0 && t.VisibleCount(kZhengYin) == 0;
     },
     "  ◆无财无印透伤官，必作堂前使唤人。\r\n"},
    {94,
     [](const ChartTerms& t) {
         return t.BranchesWithAny({kRelPunish2, kRelPunish3}) >= 1 && t.AnyCarries(kStarKongWang) &&
                t.StemCount(kZhengGuan) >= 1 && t.StemCount(kQiSha) >= 1;
     },
     "  ◆刑空官杀，几嫁不休。\r\n"},
    {95, [](const ChartTerms& t) { return t.Share(kDay, kHour, kRelPunish2) || t.Share(kDay, kHour, kRelPunish3); },
     "  ◆日时相刑，克夫克子。\r\n"},
    {96,
     [](const ChartTerms& t) {
         return t.StemIs(kHour, kGroupYin) && (t.Carries(kDay, kStarHuaGai) || t.Carries(kHour, kStarHuaGai)) &&
                !t.BranchIsXiYong(kDay) && !t.BranchIsXiYong(kHour);
     },
     "  ◆日时华盖临印，难有夫子。\r\n"},
    {97, [](const ChartTerms& t) { return t.VisibleCount(kShiShen) == 0 && t.VisibleCount(kZhengGuan) == 0; },
     "  ◆食官皆不见，闺房空守。\r\n"},
    {98, [](const ChartTerms& t) { return t.Power(kGroupGuanSha) >= 150 && t.Power(kGroupShiShang) < 40; },
     "  ◆官杀太旺无制，夫不从妻言，夫不成器。\r\n"},
    {99, [](const ChartTerms& t) { return t.Grade() <= 2 && t.Power(kGroupGuanSha) < 40 && t.Power(kGroupCai) < 40; },
     "  ◆官杀弱而泄气，财星无力，夫懦弱无成。\r\n"},
    {100, [](const ChartTerms& t) { return t.Grade() >= 4 && t.VisibleCount(kGroupGuanSha) == 0; },
     "  ◆身旺无官杀，好色克夫。\r\n"},
    {101, [](const ChartTerms& t) { return t.PillarIn(kDay, {"甲寅", "戊申"}); },
     "  ◆甲寅或戊申日克夫。\r\n"},
    {102, [](const ChartTerms& t) { return t.Power(kGroupCai) < 10; },
     "  ◆财太衰，难以助夫。\r\n"},
    {103, [](const ChartTerms& t) { return t.VisibleCount(kShiShen) >= 3 && t.JiOrChouIs(kGroupShiShang); },
     "  ◆食神多，非贞洁之妇。\r\n"},
    {104,
     [](const ChartTerms& t) {
         return t.StemIn(kDay, "丁") && t.CombinationIs(kDay, "丁壬") && t.VisibleCount(kGroupGuanSha) >= 3;
     },
     "  ◆丁壬媾和，必淫乱。\r\n"},
    {105,
     [](const ChartTerms& t) {
         return t.Carries(kYear, kStarTaoHua) && InTriple(t, kMonth) && InTriple(t, kDay) && InTriple(t, kHour);
     },
     "  ◆桃花倒插，沐浴裸形，不为侍女，定为尼(年上桃花，月日时三合)。\r\n"},
    {106, [](const ChartTerms& t) { return t.Power(kGroupCai) < 20 && t.Power(kZhengYin) < 10; },
     "  ◆财衰印绝，早嫁。\r\n"},
    {107, [](const ChartTerms& t) { return t.StemIs(kHour, kShangGuan) && t.Carries(kHour, kStarTaoHua); },
     "  ◆女命时干为伤官，时支坐桃花，婚姻不太美满。\r\n"},
    {108, [](const ChartTerms& t) { return t.BranchIs(kDay, kShangGuan) && t.Grade() >= 4; },
     "  ◆日坐伤官身又强，克夫，因此平时应多克制自己，以柔为本，方能求得美满婚姻。\r\n"},
    {109, [](const ChartTerms& t) { return t.Carries(kDay, kStarJinShen) || t.Carries(kHour, kStarJinShen); },
     "  ◆金神带甲，克夫。\r\n"},
    {110,
     [](const ChartTerms& t, int p) {
         return t.Carries(p, kStarTaoHua) && t.Combines(p) && t.HasAny(p, {kRelPunish2, kRelPunish3});
     },
     "  ◆命带桃花，干合支刑，心意不定，酒色荒淫。\r\n", 'I'},
    {111,
     [](const ChartTerms& t, int p) {
         return t.Carries(p, kStarTaoHua) && t.HasAny(p, {kRelCombine, kRelTriple, kRelHalfTriple});
     },
     "  ◆女命桃花带合，外貌尊重，内意风流。\r\n", 'I'},
    {112,
     [](const ChartTerms& t) {
         return t.AnyPillar([&](int p) { return t.Carries(p, kStarTaoHua) && !t.BranchIsXiYong(p); }) &&
                t.AnyPillar([&](int p) { return t.Carries(p, kStarJieSha) && t.BranchIsJiChou(p); });
     },
     "  ◆桃花劫煞为忌，少入娼门，老为乞丐。\r\n"},
    {113,
     [](const ChartTerms& t) {
         return t.BranchesIn("卯") >= 1 && t.BranchesIn("酉") >= 1 && t.BranchesIn("卯酉") >= 3;
     },
     "  ◆女犯卯酉多者，坠胎克子。\r\n"},
    {114,
     [](const ChartTerms& t) {
         return t.VisibleCount(kQiSha) >= 3 && t.StemCount(kZhengGuan) == 0 && t.VisibleCount(kGroupCai) <= 2 &&
                t.VisibleCount(kShiShen) <= 1 && t.VisibleCount(kZhengYin) <= 1;
     },
     "  ◆杀多丛杂，正官不显，财食印又少，婚姻不顺。\r\n"},
    {115, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kShangGuan, kZhengGuan); },
     "  ◆伤官见官，不但克夫，而身劳役，不伤夫必有病患，本身欠福，不安。\r\n", 'J'},
    {116, [](const ChartTerms& t, StemPair pair) { return MixedOfficers(t, pair); },
     "  ◆女逢官杀混杂，克夫再嫁。\r\n", 'J'},
    {117, [](const ChartTerms& t) { return MixedOfficersWithoutRoot(t); },
     "  ◆天干透官杀，地支无官杀，更临死绝之地，是绝夫气，必为偏妾。\r\n"},
    {118, [](const ChartTerms& t) { return t.VisibleCount(kShangGuan) >= 3; },
     "  ◆伤官重重，必克夫，为人性刚。\r\n"},
    {119,
     [](const ChartTerms& t) {
         return t.StemIs(kMonth, kShangGuan) && t.BranchIs(kMonth, kShangGuan) && t.StemCount(kGroupYin) == 0 &&
                t.StemCount(kGroupCai) == 0;
     },
     "  ◆月叠伤官，非奴婢则重婚再嫁。\r\n"},
    {120, [](const ChartTerms& t) { return t.PillarNumber(kYear) == t.PillarNumber(kDay); },
     "  ◆女命生年生日同一位者，克夫再嫁。\r\n"},
    {121,
     [](const ChartTerms& t) {
         return (t.BranchIn(kDay, "辰") && t.BranchIn(kHour, "戌")) ||
                (t.BranchIn(kDay, "戌") && t.BranchIn(kHour, "辰"));
     },
     "  ◆日时辰戌两相冲，要防丈夫有外情。\r\n"},
    {122, [](const ChartTerms& t) { return t.BranchesAre("子午卯酉"); },
     "  ◆子午卯酉全，酒色荒淫之妇。\r\n"},
    {123, [](const ChartTerms& t) { return t.BranchesAre("寅申巳亥"); },
     "  ◆寅申巳亥全，聪明之妇。\r\n"},
    {124, [](const ChartTerms& t) { return t.BranchesWithAny({kRelPunish3}) >= 1 && t.StemCount(kQiSha) >= 1; },
     "  ◆三刑带鬼，克子伤夫。\r\n"},
    {125,
     [](const ChartTerms& t) {
         return t.BranchesWithAny({kRelPunish3}) >= 1 && t.BranchesWithAny({kRelCombine}) >= 1;
     },
     "  ◆六合带三刑，伤夫败业。\r\n"},
    {126, [](const ChartTerms& t) { return t.Clash(kYear, kDay); },
     "  ◆年日两相冲，最忌生产。\r\n"},
    {127, [](const ChartTerms& t) { return t.VisibleCount(kGroupYin) >= 3 && t.JiOrChouIs(kGroupYin); },
     "  ◆印重为忌，与公姑相妒。\r\n"},
    {128, [](const ChartTerms& t) { return OfficerStemDiesOnDayBranch(t); },
     "  ◆生日在官星死绝墓地，克夫。\r\n"},
    {129, [](const ChartTerms& t) { return t.VisibleCount(kGroupGuanSha) >= 3 && t.VisibleCount(kGroupCai) == 0; },
     "  ◆官杀重重无财，不敬公婆夺夫权。\r\n"},
    {130, [](const ChartTerms& t) { return t.Has(kDay, kRelClash); },
     "  ◆夫宫有冲无早嫁。\r\n"},
    {131,
     [](const ChartTerms& t, int p) {
         return t.Carries(p, kStarTaoHua) && t.Carries(p, kStarDaHao) && t.BranchIsJiChou(kDay);
     },
     "  ◆咸池大耗同宫为忌，淫荡而狠毒。\r\n"},
    {132,
     [](const ChartTerms& t) {
         return t.AnyPillar([&](int p) { return t.Relation(p, kRelTriple) == kWater; }) &&
                t.StemsIn("壬癸") >= 1;
     },
     "  ◆申子辰人重重见壬癸，主不贞洁而贱。\r\n"},
};

}  // namespace

std::string HusbandStarRules(const ReadingContext& context, std::vector<int>* fired) {
    return RulesText(ChartTerms(context), kHusbandStarRules, fired);
}
