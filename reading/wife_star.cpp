// The wife-star sayings of a man's chart: wealth (财) is his spouse star,
// 正财 the wife and 偏财 the concubine or the father.
#include "reading/chart_terms.h"
#include "reading/marriage_chapter.h"
#include "reading/reading_rules.h"

namespace {

// 偏财 above 60 and above 正财: the concubine's star outshines the wife's.
bool PianCaiProminent(const ChartTerms& t) { return t.Power(kPianCai) > 60 && t.Power(kPianCai) > t.Power(kZhengCai); }

// A neighbour of the day branch that is a store branch (丑辰未戌) holding
// wealth among its hidden stems (杂气财星) and combines with the day branch.
bool MixedWealthNeighbourCombines(const ChartTerms& t, int p) {
    return t.BranchIn(p, "丑辰未戌") && t.BranchHolds(p, kGroupCai) &&
           (t.Share(p, kDay, kRelTriple) || t.Share(p, kDay, kRelDirectional) || t.Share(p, kDay, kRelHalfTriple) ||
            t.Share(p, kDay, kRelCombine));
}

// The branch hides both wealth and an officer (财官).
bool HoldsWealthAndOfficer(const ChartTerms& t, int p) {
    return t.BranchHolds(p, kGroupCai) && t.BranchHolds(p, kGroupGuanSha);
}

// The pillar is empty (空亡) and its branch is not clashed open.
bool EmptyWithoutClash(const ChartTerms& t, int p) { return t.Carries(p, kStarKongWang) && !t.Has(p, kRelClash); }

// Among the day branch, the hour stem and the hour branch.
bool AmongDayBranchAndHour(const ChartTerms& t, GodOrGroup k) {
    return t.BranchIs(kDay, k) || t.StemIs(kHour, k) || t.BranchIs(kHour, k);
}

// The day branch takes part in a combination of this kind whose element
// controls the day master (the wife's palace turns against him).
bool DayCombinationControlsDayMaster(const ChartTerms& t, RelationSlot kind) {
    const int element = t.CombinationElement(kDay, kind);
    return element >= 0 && Controls(element, t.DayElement());
}

// The day branch takes part in a combination of this kind of the day
// master's own element (he sits on a 比肩 frame).
bool DayBranchInOwnElement(const ChartTerms& t, RelationSlot kind) {
    return t.CombinationElement(kDay, kind) == t.DayElement();
}

// There are stems of both ten gods, and the last of each (in pillar order)
// have the same stem combination.
bool LastStemsCombine(const ChartTerms& t, TenGod a, TenGod b) {
    int lastA = -1, lastB = -1;
    for (int p = kYear; p <= kHour; ++p) {
        if (t.StemIs(p, a)) lastA = p;
        if (t.StemIs(p, b)) lastB = p;
    }
    return lastA >= 0 && lastB >= 0 && t.SameCombination(lastA, lastB);
}

const ReadingRule kWifeStarRules[] = {
    {1, [](const ChartTerms& t) { return PianCaiProminent(t); },
     "  ★偏财旺而得位，妾胜妻。\r\n"},
    {2,
     [](const ChartTerms& t) {
         return !PianCaiProminent(t) && t.Power(kZhengCai) > 60 && t.Power(kZhengCai) > t.Power(kPianCai);
     },
     "  ★正财旺，妻不容妾。\r\n"},
    {3, [](const ChartTerms& t) { return t.Carries(kDay, kStarYiMa) && t.BranchIsXiYong(kDay); },
     "  ★马入妻宫为喜用，必得能家之妻，妻贤子贵，又主娶他乡之女。\r\n"},
    {4, [](const ChartTerms& t) { return t.Carries(kDay, kStarLuShen) && !t.BranchIsJiChou(kDay); },
     "  ★禄入妻宫，食妻之禄。\r\n"},
    {5, [](const ChartTerms& t) { return t.Carries(kDay, kStarTaoHua) && t.BranchIsXiYong(kDay); },
     "  ★咸池临日，因妻制富。\r\n"},
    {6, [](const ChartTerms& t) { return t.PillarIs(kDay, "丙子") && t.BranchIsXiYong(kDay); },
     "  ★丙子日元，男人逢之得美妻。\r\n"},
    {7, [](const ChartTerms& t) { return t.PillarIs(kDay, "戊午"); },
     "  ★男逢戊午日元，多得女人相爱。\r\n"},
    {8, [](const ChartTerms& t) { return t.Grade() <= 2 && t.VisibleCount(kGroupCai) >= 3; },
     "  ★男遇财多身弱，偏听妻言。\r\n"},
    {9,
     [](const ChartTerms& t, int p) {
         return t.Carries(p, kStarLuShen) && t.StemIs(p, kShangGuan) && t.Strong(kGroupCai) &&
                t.StemCount(kZhengGuan) == 0;
     },
     "  ★伤官就禄，财星得令，早娶豪门淑女。\r\n"},
    {10,
     [](const ChartTerms& t) {
         return t.StemCount(kGroupYin) >= 1 && t.VisibleCount(kGroupYin) >= 3 && t.VisibleCount(kGroupCai) == 0 &&
                t.FullCount(kGroupCai) >= 1;
     },
     "  ◆男命印星过度，财星暗藏不出，婚前难有异性之朋友。\r\n"},
    {11, [](const ChartTerms& t, int p) { return t.StemIs(p, kZhengCai) && t.BranchIs(p, kPianCai); },
     "  ★正财坐偏财，男命之能从妻获得大福，多是得妻财起家，若不得妻财，亦必娶得高才之妻。\r\n"},
    {12,
     [](const ChartTerms& t) {
         return t.VisibleCount(kZhengCai) >= 3 || (t.VisibleCount(kGroupCai) >= 4 && t.JiOrChouIs(kGroupCai));
     },
     "  ★命局干支本气有正财三字，或正财，偏财过多而成病神者，为人吝啬，为女人而散财。\r\n"},
    {13, [](const ChartTerms& t) { return t.BranchIs(kDay, kBiJian) && t.StemCount(kGroupBiJie) >= 1; },
     "  ◆原命有比劫，日支又见比肩，命克妻。\r\n"},
    {14, [](const ChartTerms& t) { return t.StemCount(kGroupYin) == 3 && t.BranchCount(kGroupBiJie) >= 1; },
     "  ◆三干皆印，日主有根，正偏财不明现者，与妻无缘，必离婚再娶。\r\n"},
    {15, [](const ChartTerms& t) { return t.BranchIs(kDay, kJieCai) && t.Power(kGroupBiJie) >= 150; },
     "  ◆比劫过度，日支是劫财者，克妻极重。\r\n"},
    {16,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kGroupCai) &&
                (MixedWealthNeighbourCombines(t, kMonth) || MixedWealthNeighbourCombines(t, kHour));
     },
     "  ★日支财星与含有杂气财星之近邻支成合者，夫妻情深，白头偕老。\r\n"},
    {17,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengCai) && (t.BranchIs(kMonth, kGroupBiJie) || t.BranchIs(kHour, kGroupBiJie));
     },
     "  ◆日支正财其近邻有比劫者，其妻有外遇。\r\n"},
    {18,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengCai) && (t.BranchIs(kMonth, kGroupYin) || t.BranchIs(kHour, kGroupYin));
     },
     "  ◆日支正财其邻近有印星，母妻不和。\r\n"},
    {19, [](const ChartTerms& t) { return t.BranchIs(kDay, kZhengCai) && t.VisibleCount(kZhengGuan) == 0; },
     "  ★日支正财，命中不见正官者，称为贤妻得位，因妻助而致富兴家。\r\n"},
    {20,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengCai) && t.VisibleCount(kGroupCai) == 1 &&
                !t.HasAny(kDay, {kRelClash, kRelPunish2, kRelPunish3, kRelDirectional, kRelTriple, kRelHalfTriple, kRelCombine});
     },
     "  ★日支正财，其它干支不见财星，又不逢近邻支来冲、刑、合、克者，妻忠贞纯良，深得妻荫，终身一夫一妻制。\r\n"},
    {21, [](const ChartTerms& t) { return t.Grade() <= 2 && t.VisibleCount(kGroupCai) >= 3; },
     "  ◆财多身弱，离祖求婚。\r\n"},
    {22, [](const ChartTerms& t) { return t.BranchIs(kDay, kZhengGuan) && t.BranchIsXiYong(kDay); },
     "  ★日坐正官为喜用，妻貌端正，温柔贤良。\r\n"},
    {23, [](const ChartTerms& t) { return t.BranchIs(kDay, kGroupCai); },
     "  ★日坐财，家务财务由妻子掌理为佳。\r\n"},
    {24,
     [](const ChartTerms& t, int p) {
         return t.HasPattern(kZhengCai) && t.StemIs(p, kZhengGuan) && t.Grade() >= 4;
     },
     "  ★正才格，身旺，命中又见正官，夫妇一定感情和睦。\r\n", 'A'},
    {25,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupShiShang) && t.Power(kGroupBiJie) >= 90 && t.Power(kGroupCai) > 0;
     },
     "  ★比劫旺，有食伤生财，主妻贤。\r\n", 'A'},
    {26,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupCai) && t.InRisingStage(p) && !t.Has(p, kRelClash);
     },
     "  ★财星自坐生旺之地，妻寿长。\r\n", 'A'},
    {27, [](const ChartTerms& t) { return t.YongOrXiIs(t.BranchGroup(kDay)) && t.CarriesTianOrYueDe(kDay); },
     "  ★日支为喜用，妻贤惠且是个好内助，如兼坐天德月德者，主妻子性善心慈,慷慨好施，必获福慧双修之良配。\r\n"},
    {28, [](const ChartTerms& t) { return t.BranchIs(kDay, kPianYin) && t.BranchIsJiChou(kDay); },
     "  ◆日支为偏印，且为忌神，男不得良妻。\r\n"},
    {29, [](const ChartTerms& t) { return t.VisibleCount(kZhengCai) >= 3 && t.JiOrChouIs(kGroupCai); },
     "  ◆四柱多正财为忌，为情而破财。\r\n"},
    {30,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengCai) && (t.Stage(p) == kStageMuYu || t.Carries(p, kStarTaoHua)) &&
                t.StemCount(kGroupBiJie) >= 1;
     },
     "  ◆正财坐沐浴或桃花，命局再现比劫，妻多花俏易移情别恋，易有偷情之事。\r\n", 'B'},
    {31,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengCai) && t.Carries(p, kStarYiMa) && t.BranchIsXiYong(p);
     },
     "  ◆正财坐驿马为喜用，妻贤能。\r\n", 'B'},
    {32,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengCai) && t.StageIn(p, {kStageSi, kStageMu, kStageJue});
     },
     "  ◆正财坐死墓绝，妻缘较差。\r\n", 'B'},
    {33,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengCai) && t.Carries(p, kStarYangRen) && !t.BranchIsXiYong(p);
     },
     "  ◆正财坐羊刃，缺财、妻不贤，夫妻不睦。\r\n", 'B'},
    {34,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengCai) && t.Carries(kDay, kStarKongWang) && !t.HasReleasingRelation(kDay);
     },
     "  ◆日支正财逢空亡，男命晚婚、妻缘薄，或丧偶，或再婚。\r\n"},
    {35,
     [](const ChartTerms& t) {
         return t.StemCount(kShiShen) >= 1 && t.StemCount(kPianYin) == 0 && t.YongOrXiIs(kGroupCai);
     },
     "  ★命局正财为喜用又现食神，得妻贤助。\r\n"},
    {36, [](const ChartTerms& t) { return HoldsWealthAndOfficer(t, kMonth) && t.BranchIsXiYong(kMonth); },
     "  ★月支有财官为喜用，曰得时为上，早配豪门或名门闺秀。\r\n"},
    {37, [](const ChartTerms& t) { return HoldsWealthAndOfficer(t, kDay) && t.BranchIsXiYong(kDay); },
     "  ★日支有财官为喜用，曰得位为次，因妻助而致富或得贵。\r\n"},
    {38, [](const ChartTerms& t) { return HoldsWealthAndOfficer(t, kHour) && t.BranchIsXiYong(kHour); },
     "  ★时支有财官为喜用，曰得成再次，因子女富贵而享福。\r\n"},
    {39,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kJieCai) && t.Carries(p, kStarYangRen) && t.BranchIsJiChou(p);
     },
     "  ◆劫财、羊刃同柱为忌，刑父伤妻，财难聚，外表华美，内实寂寞困苦。\r\n", 'C'},
    {40,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.Stage(p) == kStageChangSheng && t.StemIsXiYong(p);
     },
     "  ★偏财坐长生且为喜用，父子或妻妾和睦，得父财，父子或妻妾皆寿。\r\n", 'C'},
    {41,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.Stage(p) == kStageMu && t.BranchIsJiChou(p);
     },
     "  ★偏财坐墓，父或妻妾早亡。\r\n", 'C'},
    {42,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.Carries(p, kStarKongWang) && !t.HasReleasingRelation(p);
     },
     "  ◆偏财坐空亡，父或妻早亡，或破产、损财之兆。\r\n", 'C'},
    {43,
     [](const ChartTerms& t) {
         return t.IsYang(kDay) &&
                t.PillarsWhere([&](int p) { return t.StemIs(p, kZhengCai) && t.SameCombination(p, kDay); }) >= 2;
     },
     "  ★男命四柱有正财争合日主（干合），多半有双妻命或婚外情，享齐人之福。然妻妾易争风吃醋，徒生家庭风波。\r\n"},
    {44,
     [](const ChartTerms& t) {
         return t.VisibleCount(kJieCai) >= 3 && t.Power(kGroupBiJie) >= 90 && t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆四柱劫财多旺，为忌者，夫妻较易冲突，婚变，或妻体弱多病。且生性顽固。\r\n"},
    {45, [](const ChartTerms& t) { return t.StemCount(kPianCai) >= 2; },
     "  ★天干透二偏财或多者，不爱正妻反爱姨妾。\r\n"},
    {46,
     [](const ChartTerms& t) {
         return t.StemCount(kPianCai) >= 1 && t.StemCount(kGroupBiJie) >= 1 && t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆偏财透比劫为忌，克父又妨妻。\r\n"},
    {47,
     [](const ChartTerms& t) {
         return t.StemIs(kHour, kPianCai) && t.BranchIs(kHour, kGroupBiJie) && t.BranchIsJiChou(kHour);
     },
     "  ◆时干偏财，支比劫为忌者，伤妻损妾，田园破尽。\r\n"},
    {48,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.BranchIs(p, kQiSha) && t.BranchIsJiChou(p);
     },
     "  ◆偏财坐七杀为忌，父漂泊或客死他乡，或男为女人多破财。\r\n", 'D'},
    {49,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.BranchIs(p, kGroupBiJie) && t.BranchIsJiChou(p);
     },
     "  ◆偏财坐比劫为忌，妻妾或有病灾，色情纠纷，婚变。\r\n", 'D'},
    {50,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.Carries(p, kStarYangRen) && !t.BranchIsXiYong(p);
     },
     "  ◆偏财坐羊刃，妻性刚强暴躁。\r\n", 'D'},
    {51,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kPianCai) && t.Carries(p, kStarTianYi) && t.BranchIsXiYong(p);
     },
     "  ◆偏财坐天乙贵人，且为喜用，妻或父富贵、福寿绵延。\r\n", 'D'},
    {52, [](const ChartTerms& t) { return t.Strong(kGroupCai) && t.Grade() >= 4; },
     "  ★财旺身强，主妻貌多能，有内助之功，而且容易因妻得富得贵。\r\n"},
    {53, [](const ChartTerms& t) { return t.Grade() <= 1 && t.Carries(kDay, kStarYangRen); },
     "  ★日主很弱，羊刃坐日支，可得妻子非常之助力，且主妻子机敏聪明，多谋多智，婚姻易得美满。\r\n"},
    {54,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kShiShen) && t.YongOrXiIs(t.BranchGroup(kDay)) && t.Power(kShangGuan) < 60;
     },
     "  ★日支坐食神，且为八字喜用，并无强伤官克制，主妻身体肥大，心宽后道,贤惠持家。\r\n"},
    {55,
     [](const ChartTerms& t) {
         return t.BranchIs(kDay, kZhengGuan) && t.YongOrXiIs(t.BranchGroup(kDay)) && t.Power(kPianYin) < 60;
     },
     "  ★日支坐正官，且为八字喜用，并无强偏印克制，主妻相貌敦厚，庄严端正,温柔贤淑，得力持家。\r\n"},
    {56, [](const ChartTerms& t) { return t.Grade() <= 2 && t.BranchIs(kDay, kBiJian) && !t.BranchIsJiChou(kDay); },
     "  ★日主弱，比肩坐日支，主妻子能干，多得帮助。\r\n"},
    {57,
     RuleTest::FirstDecides(
         [](const ChartTerms& t, int p) {
             return t.StemIs(p, kGroupCai) && t.Grade() >= 5 && t.Power(kQiSha) < 20;
         },
         [](const ChartTerms& t, int p) { return !t.StemIsJiChou(p); }),
     "  ★身强杀浅，财星滋杀，主妻贤而富，或得妻财致富。\r\n", 'E'},
    {58,
     RuleTest::FirstDecides(
         [](const ChartTerms& t, int p) {
             return t.StemIs(p, kGroupCai) && t.Grade() >= 5 && t.Power(kZhengGuan) < 20 &&
                    t.Power(kShangGuan) >= 60;
         },
         [](const ChartTerms& t, int p) { return !t.StemIsJiChou(p); }),
     "  ★身强官轻伤重，财星化伤，主妻贤而富，或得妻财致富。\r\n", 'E'},
    {59,
     RuleTest::FirstDecides(
         [](const ChartTerms& t, int p) {
             return t.StemIs(p, kGroupShiShang) && t.Power(kGroupCai) < 40;
         },
         [](const ChartTerms& t, int) { return t.StemCount(kPianYin) == 0; }),
     "  ★财星弱，有助财之食伤，主妻贤。\r\n", 'E'},
    {60,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupBiJie) && t.Grade() <= 2 && t.Power(kGroupCai) > 150;
     },
     "  ★财旺身弱(有比劫扛财帮身)，主妻贤。\r\n", 'F'},
    {61,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kZhengGuan) && t.Power(kGroupCai) >= 150 && t.Power(kGroupYin) < 40;
     },
     "  ★财伤印，有官星化财生印，主妻贤。\r\n", 'F'},
    {62,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupCai) && t.Carries(p, kStarTianYi) && t.YongOrXiIs(kGroupCai);
     },
     "  ★财星得天乙贵人，或坐天乙贵人，而此星又为八字喜用，主妻子相貌秀美,赋性聪颖，又主娶富贵之女。\r\n", 'F'},
    {63,
     [](const ChartTerms& t) {
         return t.BranchesWithAny({kRelCombine, kRelTriple, kRelHalfTriple}) == 1 &&
                t.VisibleCount(kShangGuan) >= 1 && t.Power(kGroupGuanSha) == 0;
     },
     "  ★伤官伤尽支有合，无媒自娶。\r\n"},
    {64, [](const ChartTerms& t) { return t.Grade() <= 1 && t.Power(kGroupCai) >= 150; },
     "  ◆身衰财旺，破财损妻，或妻不从夫。\r\n"},
    {65, [](const ChartTerms& t) { return t.Grade() >= 5 && t.Power(kGroupCai) == 0; },
     "  ◆身旺无依，无妻或损妻。\r\n"},
    {66,
     RuleTest::FirstDecides(
         [](const ChartTerms& t, int p) {
             return t.StemAndBranchAre(p, kBiJian, kJieCai);
         },
         [](const ChartTerms& t, int p) { return t.StemIsJiChou(p); }),
     "  ◆比肩劫财为忌，破财伤妻。\r\n", 'G'},
    {67, [](const ChartTerms& t, int p) { return t.StemIs(p, kGroupCai) && t.Stage(p) == kStageMu; },
     "  ◆财逢墓库，妻有病或不贤。\r\n", 'G'},
    {68,
     [](const ChartTerms& t) {
         return t.AnyPillar([&](int p) { return t.StemIs(p, kGroupCai) && EmptyWithoutClash(t, p); }) &&
                t.AnyPillar([&](int p) { return t.StemIs(p, kZhengGuan) && EmptyWithoutClash(t, p); });
     },
     "  ◆财官俱落空亡，中途丧子克妻走他乡。\r\n"},
    {69, [](const ChartTerms& t) { return t.BranchesAre("辰戌丑未"); },
     "  ◆辰戌丑未全，克配偶。\r\n"},
    {70, [](const ChartTerms& t) { return t.BranchIs(kDay, kQiSha) || t.BranchIs(kDay, kPianYin); },
     "  ◆日坐七杀或枭，妻多小产，血气不调。\r\n"},
    {71,
     [](const ChartTerms& t) {
         return (t.Carries(kDay, kStarYangRen) || t.Carries(kHour, kStarYangRen)) &&
                AmongDayBranchAndHour(t, kPianYin) && AmongDayBranchAndHour(t, kQiSha);
     },
     "  ◆日时刃杀逢枭，半路妻儿有损。\r\n"},
    {72,
     [](const ChartTerms& t) {
         return DayCombinationControlsDayMaster(t, kRelTriple) || DayCombinationControlsDayMaster(t, kRelHalfTriple);
     },
     "  ◆妻宫合局来克身，有妻难留。\r\n"},
    {73, [](const ChartTerms& t) { return t.Clash(kDay, kHour); },
     "  ◆妻宫子宫相冲，克妻损子。\r\n"},
    {74,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kJieCai) && t.Power(kGroupCai) < 40 && !t.StemIsXiYong(p);
     },
     "  ◆财轻若逢劫，三妻难齐眉。\r\n", 'H'},
    {75, [](const ChartTerms& t, int p) { return t.StemIs(p, kPianYin) && t.BranchIs(kDay, kShiShen); },
     "  ◆日坐食神又逢枭，主妻矮小身弱或多病。\r\n", 'H'},
    {76,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupShiShang) && t.BranchIs(kDay, kZhengGuan) &&
                t.Power(kGroupShiShang) > t.Power(kGroupGuanSha);
     },
     "  ◆日坐正官被食伤克制，主妻多病。\r\n", 'H'},
    {77,
     [](const ChartTerms& t) {
         return t.Grade() >= 5 &&
                (t.Carries(kDay, kStarYangRen) ||
                t.AnyPillar([&](int p) { return t.StemIs(p, kGroupCai) && t.Carries(p, kStarYangRen); }));
     },
     "  ◆日主旺，日支坐羊刃或财坐羊刃，妻性烈刚毅，倔强暴躁，因羊刃具有判逆性和破坏力，夫妻之间切忌意气用事，不然后果严重。\r\n"},
    {78, [](const ChartTerms& t) { return t.Carries(kDay, kStarHuaGai); },
     "  ◆日支带华盖，主配偶聪明有才艺，思想独特且喜研究哲学宗教，有出世之念且有孤芳自赏的心态。\r\n"},
    {79, [](const ChartTerms& t) { return t.Stage(kDay) == kStageMuYu; },
     "  ◆日坐沐浴，得美妻，但需避免是非。\r\n"},
    {80, [](const ChartTerms& t) { return t.StemsAre("甲乙丙丁"); },
     "  ◆柱中甲乙丙丁无间断，不利妻。\r\n"},
    {81, [](const ChartTerms& t) { return t.Power(kGroupCai) < 40 && t.Power(kGroupGuanSha) < 40; },
     "  ◆财绝官囚，妻迟子晚。\r\n"},
    {82, [](const ChartTerms& t) { return t.Strong(kGroupCai) && t.Power(kJieCai) >= 100; },
     "  ◆财盛劫重，防弟夺妻。\r\n"},
    {83, [](const ChartTerms& t) { return t.BranchIs(kDay, kQiSha) && t.JiOrChouIs(kGroupGuanSha); },
     "  ◆日坐七杀，为忌神时，主妻子个性过于刚强，夫妻间易起争执。\r\n"},
    {84,
     [](const ChartTerms& t) {
         return t.BranchHolds(kDay, kQiSha) && t.BranchHolds(kDay, kPianYin) && t.BranchIsJiChou(kDay);
     },
     "  ◆日为七杀偏印为忌，妻多小产。\r\n"},
    {85,
     [](const ChartTerms& t) {
         return t.StemIs(kMonth, kGroupBiJie) && t.BranchIs(kMonth, kGroupBiJie) && t.JiOrChouIs(kGroupBiJie);
     },
     "  ◆比劫月建旺为忌，青春少年哭嫦娥。\r\n"},
    {86, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kShangGuan, kPianYin); },
     "  ◆柱中伤枭两备，子懦妻愚。\r\n", 'I'},
    {87,
     [](const ChartTerms& t, StemPair pair) {
         return t.PairIs(pair, kGroupCai, kGroupBiJie) && t.Power(kGroupGuanSha) < 40;
     },
     "  ◆财星遭比劫无救助，防妻遭横祸而死。\r\n", 'I'},
    {88,
     [](const ChartTerms& t, StemPair pair) {
         return t.PairIs(pair, kGroupCai, kQiSha) && t.Power(kQiSha) >= 100 && t.JiOrChouIs(kGroupCai);
     },
     "  ◆杀重有财生杀为忌，主妻不得力。\r\n", 'I'},
    {89,
     [](const ChartTerms& t) {
         return t.VisibleCount(kZhengCai) + t.VisibleCount(kPianCai) >= 3 && t.VisibleCount(kZhengCai) >= 1 &&
                t.VisibleCount(kPianCai) >= 1;
     },
     "  ◆正偏财多，好色风流，夫妻不和。\r\n"},
    {90, [](const ChartTerms& t) { return t.VisibleCount(kZhengYin) >= 3; },
     "  ◆男命印多克妻。\r\n"},
    {91, [](const ChartTerms& t) { return t.VisibleCount(kGroupBiJie) >= 3; },
     "  ◆比劫较多，晚婚有利。\r\n"},
    {92,
     [](const ChartTerms& t) {
         return t.VisibleCount(kPianYin) + t.VisibleCount(kJieCai) >= 4 && t.VisibleCount(kPianYin) >= 1 &&
                t.VisibleCount(kJieCai) >= 1;
     },
     "  ◆枭劫重重，易晚婚。\r\n"},
    {93, [](const ChartTerms& t, int p) { return t.StemIs(p, kShangGuan) && t.Strong(kShangGuan); },
     "  ◆伤官明显，择偶条件高，易晚婚。\r\n", 'J'},
    {94, [](const ChartTerms& t, int p) { return t.StemIs(p, kPianYin) && t.StemIsJiChou(p) && t.Strong(kPianYin); },
     "  ◆枭神明显为忌，易婚变。\r\n", 'J'},
    {95, [](const ChartTerms& t) { return t.StemCount(kGroupCai) == 0 && t.StemCount(kGroupGuanSha) == 0; },
     "  ◆财官不显，易晚婚。\r\n"},
    {96, [](const ChartTerms& t, int p) { return t.StemIs(p, kGroupCai) && t.YongOrXiIs(kGroupYin); },
     "  ◆命里用印，财星来破坏，主妻不得力。\r\n"},
    {97, [](const ChartTerms& t) { return t.CombiningStems() >= 3; },
     "  ◆天干合多，妻缘易变。\r\n"},
    {98, [](const ChartTerms& t) { return t.StemCount(kGroupCai) >= 2; },
     "  ◆日干有两财星来合者，容易有双妻的暗示。\r\n"},
    {99, [](const ChartTerms& t) { return t.StemCount(kZhengCai) >= 1 && t.StemCount(kPianCai) >= 1; },
     "  ◆正偏财透出，则暗示会有二妻。\r\n"},
    {100, [](const ChartTerms& t) { return t.Carries(kHour, kStarHuaGai); },
     "  ◆华盖在时支，可能是过房之子或入赘寡宿之命。\r\n"},
    {101, [](const ChartTerms& t) { return t.BranchIs(kDay, kShiShen); },
     "  ◆日坐食神，主妻身肥，自己瘦小。\r\n"},
    {102, [](const ChartTerms& t) { return t.VisibleCount(kGroupCai) == 0; },
     "  ◆四柱无财，僧道之命，难有妻子。\r\n"},
    {103, [](const ChartTerms& t) { return t.VisibleCount(kGroupCai) == 0 && t.Carries(kDay, kStarLuShen); },
     "  ◆日禄无财，妻儿离散。\r\n"},
    {104, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kBiJian, kJieCai); },
     "  ◆男逢比肩、劫财，破财伤妻。\r\n"},
    {105, [](const ChartTerms& t) { return DayBranchInOwnElement(t, kRelDirectional); },
     "  ◆身坐比肩成局，几度新郎。\r\n"},
    {106,
     [](const ChartTerms& t) {
         return !DayBranchInOwnElement(t, kRelDirectional) && DayBranchInOwnElement(t, kRelTriple);
     },
     "  ◆身坐比肩成局，几度新郎。\r\n"},
    {107,
     [](const ChartTerms& t) {
         return !DayBranchInOwnElement(t, kRelDirectional) && !DayBranchInOwnElement(t, kRelTriple) &&
                DayBranchInOwnElement(t, kRelHalfTriple);
     },
     "  ◆身坐比肩成局，几度新郎。\r\n"},
    {108, [](const ChartTerms& t) { return t.YongOrXiIs(t.BranchGroup(kDay)) && t.Has(kDay, kRelClash); },
     "  ◆妻宫喜神逢冲，虽美却难偕老。\r\n"},
    {109, [](const ChartTerms& t) { return t.Carries(kDay, kStarHuaGai); },
     "  ◆日犯华盖，克妻。\r\n"},
    {110, [](const ChartTerms& t) { return t.Carries(kDay, kStarYiMa) && t.BranchIsJiChou(kDay); },
     "  ◆日坐驿马为忌，主妻多病或慵懒。\r\n"},
    {111, [](const ChartTerms& t) { return t.StemIs(kMonth, kGroupCai) && t.Stage(kMonth) == kStageJue; },
     "  ◆月令财居绝地，妻无内助之贤。\r\n"},
    {112, [](const ChartTerms& t) { return t.PillarNumber(kYear) == t.PillarNumber(kDay); },
     "  ◆年日同一位，娶同年妻方免克。\r\n"},
    {113, [](const ChartTerms& t) { return t.Grade() <= 1 && t.Power(kGroupCai) >= 150; },
     "  ◆日干弱，财星重，妻不从夫。\r\n"},
    {114,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kGroupCai) && (t.Stage(p) == kStageMuYu || t.Carries(p, kStarTaoHua));
     },
     "  ◆财临桃花、沐浴，妻防他人调情。\r\n", 'K'},
    {115,
     [](const ChartTerms& t, int p) {
         return t.StemIs(p, kQiSha) && t.Carries(p, kStarWangShen) && t.BranchIsJiChou(p);
     },
     "  ◆亡神七杀为忌，克子刑妻。\r\n", 'K'},
    {116, [](const ChartTerms& t) { return LastStemsCombine(t, kBiJian, kZhengCai); },
     "  ◆比肩合正财，妻严少是非。\r\n"},
    {117, [](const ChartTerms& t) { return t.Has(kDay, kRelClash); },
     "  ◆妻宫有冲无早娶。\r\n"},
};

}  // namespace

std::string WifeStarRules(const ReadingContext& context, std::vector<int>* fired) {
    return RulesText(ChartTerms(context), kWifeStarRules, fired);
}
