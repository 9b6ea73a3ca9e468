// The classical sayings of the personality chapter, by number, tried in the
// order of their numbers.
#include "engine/symbols/symbols.h"
#include "reading/personality.h"
#include "reading/reading_rules.h"

namespace {

using T = const ChartTerms&;

// The power of the group of one of the five gods.
int PowerOf(T t, FiveGod g) { return t.Power(static_cast<GodGroup>(t.GroupOf(g))); }
bool YongOrXiGroup(T t, int group) { return group == t.GroupOf(kYongShen) || group == t.GroupOf(kXiShen); }

// Growth stage of the day stem on the month branch.
int DayStageInMonth(T t) { return sym::GrowthStage(t.StemNumber(kDay), t.BranchNumber(kMonth)); }

// The decade (旬) of the sixty-pillar cycle a pillar lies in: 甲子 … 癸酉 is 0.
int Decade(int pillar) { return ((pillar - 1) % 60 + 60) % 60 / 10; }
bool AllInOneDecade(T t) {
    int d = Decade(t.PillarNumber(kYear));
    return Decade(t.PillarNumber(kMonth)) == d && Decade(t.PillarNumber(kDay)) == d &&
           Decade(t.PillarNumber(kHour)) == d;
}

// The two elements of highest power are 水 and 火.
bool WaterAndFireStrongest(T t) {
    int a = t.Chart().elementOrder[3], b = t.Chart().elementOrder[4];
    return (a == kWater && b == kFire) || (a == kFire && b == kWater);
}

// Stems that form a stem combination plus branches taking part in one of
// these relations.
int Combined(T t, std::initializer_list<RelationSlot> slots) { return t.CombiningStems() + t.BranchesWithAny(slots); }

// The branch is bound by none of these relations (无解 / 无缰).
bool Unbound(T t, int p, std::initializer_list<RelationSlot> slots) { return !t.HasAny(p, slots); }

// Sayings 1 to 3, before the looks of the day stem (4) and of its element (5).
const ReadingRule kSayingsBeforeLooks[] = {
    {1, [](T t, int p) { return t.IsWoman() && t.StemIs(p, kShangGuan) && t.Grade() >= 4; },
     "  ★伤官泄秀，娇俏美丽可爱，红粉佳人。\r\n", 'A'},
    {2, [](T t, int p) { return t.IsWoman() && t.StemIs(p, kShiShen) && t.Grade() >= 4 && t.StemCount(kPianYin) == 0; },
     "  ★食神泄秀，明朗圆滑美丽可爱，贤妻良母。\r\n", 'A'},
    {3, [](T t, int p) { return t.IsMan() && t.StemIs(p, kZhengYin) && t.StemIn(kDay, "戊") && t.Grade() >= 3; },
     "  ★戊土有印，体格魁梧。\r\n", 'A'},
};

// Sayings 6 to 25, before the line of the hour branch (26).
const ReadingRule kSayingsBeforeHour[] = {
    {6, [](T t) { return t.BranchesIn("丑寅") >= 3 || t.BranchesIn("戌亥") >= 3; },
     "  ★寅丑或戌亥多者，主一脚大一脚小。\r\n"},
    {7, [](T t) { return t.BranchesIn("卯") >= 3 || t.BranchesIn("辰") >= 3; }, "  ★三四卯、辰字者，主使左手\r\n"},
    {8, [](T t) { return t.BranchesIn("巳午") >= 3; }, "  ◆柱中巳午多者，十八、十九岁以前防克父母。\r\n"},
    {9, [](T t) { return t.ElementCount(kWater) >= 3; }, "  ★柱中三水或多者，生在船中，或临水而生。\r\n"},
    {10, [](T t) { return t.ElementCount(kWood) >= 3; }, "  ★柱中三木或多者，闻喧惊悸，不在正屋，或在山庄山村生。\r\n"},
    {11, [](T t) { return t.ElementCount(kFire) >= 3; },
     "  ★柱中三火或多者，生时邻居有丧祸之事，或家中有忧恐离别之事。\r\n"},
    {12, [](T t) { return t.ElementCount(kMetal) >= 3; },
     "  ★柱中三金或多者，生道旅，闻钟鼓金革声而哭，或有孝子穿白衣，或有妇人相见。\r\n"},
    {13, [](T t) { return t.StemCount(kPianCai) + t.StemCount(kQiSha) + t.StemCount(kPianYin) == 3; },
     "  ◆偏财、偏官、偏印、主偏生庶出，不然是第三或第四胎。\r\n"},
    {14, [](T t) { return t.StemCount(kGroupYin) >= 1 && t.VisibleCount(kPianCai) == 0 && t.FullCount(kPianCai) >= 1; },
     "  ◆母明父暗，多是偷生。\r\n"},
    {15, [](T t, int p) { return t.StemIs(p, kBiJian) && t.BranchIs(p, kZhengGuan); },
     "  ★比肩坐正官，半吉半凶，争权夺利，是非不绝，能主正义，得人信仰。\r\n", 'B'},
    {16,
     [](T t, int p) {
         return t.StemIs(p, kQiSha) && !t.Combines(p) && t.StemCount(kShiShen) == 0 && t.VisibleCount(kQiSha) >= 3;
     },
     "  ◆七杀多见（三个以上），无食神制之，又无比劫合之，其性阴险奸诈，对任何人不加信任。\r\n", 'B'},
    {17,
     [](T t) {
         return t.StemCount(kBiJian) >= 1 && t.VisibleCount(kGroupBiJie) >= 3 && t.VisibleCount(kGroupGuanSha) == 0;
     },
     "  ◆比肩多而无正官、偏官，性情主急躁，暴戾无忍耐力，与偏官无制一样相同。\r\n"},
    {18, [](T t) { return t.StemCount(kJieCai) >= 1 && t.VisibleCount(kGroupBiJie) >= 3 && t.JiOrChouIs(kGroupBiJie); },
     "  ◆劫财过多者为忌者，吹牛好酒，爱好赌博，贪小失大，为人刚强，通融，喜爱争斗，六亲缘薄。\r\n"},
    {19,
     [](T t) {
         return t.BranchIs(kMonth, kBiJian) && t.StemCount(kGroupGuanSha) == 0 && !t.BranchIs(kYear, kGroupGuanSha) &&
                !t.BranchIs(kDay, kGroupGuanSha);
     },
     "  ◆月支比肩，官杀之星不明者或近邻无官杀，性多急躁不驯。\r\n"},
    {20, [](T t) { return (t.StemIs(kMonth, kZhengYin) || t.StemIs(kHour, kZhengYin)) && t.StemCount(kPianYin) == 0; },
     "  ★正印在月干或时干者，性慈悲仁厚正直，佛家之人，智慧甚高，乃大吉配置。\r\n"},
    {21, [](T t) { return t.StemIs(kMonth, kShangGuan) && t.StemCount(kZhengYin) == 0 && t.StemCount(kGroupCai) == 0; },
     "  ◆月干见伤官，自尊心过强，常因失言而树敌，有破坏性而少建设性，且常被人恩将仇报。\r\n"},
    {22,
     [](T t) {
         return t.StemCount(kGroupShiShang) >= 1 && t.VisibleCount(kGroupShiShang) >= 4 &&
                t.VisibleCount(kGroupYin) == 0;
     },
     "  ◆伤官与食神两者共合三个以上，若无正偏印者，其人必阴险狠毒，工于心计，且卑鄙下流，乃小人中之小人。\r\n"},
    {23, [](T t) { return t.StemCount(kShiShen) >= 1 && t.VisibleCount(kShiShen) >= 4; },
     "  ◆食神太多者（三个以上）皆嗜淫。\r\n"},
    {24, [](T t) { return t.AnyCarries(kStarHuaGai); },
     "  ◆命中有华盖，对神秘文化有兴趣，相信佛道数术之学，业余爱好可能就是在神仙、气功、算命中打转。\r\n"},
    {25, [](T t) { return t.StemsIn("壬") >= 1 && t.StemsIn("癸") >= 1 && t.StemsIn("甲") >= 1; },
     "  ◆天干有壬、癸、甲三字，家中必出奸狡或虚伪之人，不然本人奸诈。\r\n"},
};

// Sayings 27 to 151.
const ReadingRule kSayingsAfterHour[] = {
    {27, [](T t) { return PowerOf(t, kYongShen) >= 90 || PowerOf(t, kXiShen) >= 90; },
     "  ★用神有力，女命漂亮，男命英俊。\r\n"},
    {28,
     [](T t) { return t.IsMan() && t.Grade() >= 4 && t.Power(kGroupGuanSha) == 0 && t.VisibleCount(kShangGuan) >= 1; },
     "  ★身强，伤官伤尽，英俊潇洒，外缘极优。\r\n"},
    {29, [](T t, int p) { return t.StemIs(p, kZhengYin) && t.Carries(p, kStarTaoHua); },
     "  ★正印临桃花，聪明漂亮，多才多艺。\r\n", 'C'},
    {30, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.StemIsXiYong(p); },
     "  ★伤官透干为喜用，不但为科技头脑，还善于经营，可任公司之主权。\r\n", 'C'},
    {31, [](T t, int p) { return t.IsWoman() && t.StemIs(p, kShangGuan); },
     "  ★女命带伤官，择夫多不慎，重奢华虚荣。\r\n", 'C'},
    {32, [](T t) { return t.Power(kShangGuan) > 100 && t.Power(kGroupCai) < 10; },
     "  ★伤官过重而又无财星转化，则终生奔波劳碌，不得清闲，虽巧却贫。\r\n"},
    {33, [](T t) { return t.Power(kShangGuan) > 100 && t.Power(kGroupYin) < 10; },
     "  ★伤官过重而又无印星抑制，大多聪明傲物，藐视法令，自视不凡，稍带虚荣心，喜欢高谈阔论，不喜受拘束与管制，位居人上则苛刻严厉，位居人下则目无法令。\r\n"},
    {34, [](T t) { return t.HasPattern(kQiSha) && t.StemCount(kPianYin) >= 1; }, "  ★枭杀格，人高马大，眉粗压眼。\r\n"},
    {35, [](T t, StemPair s) { return t.StemIs(s.first, kShangGuan) && t.StemIs(s.second, kGroupCai); },
     "  ★伤官生财，男命英俊，女命漂亮。\r\n", 'D'},
    {36,
     [](T t, StemPair s) {
         return t.StemIs(s.first, kShiShen) && t.StemIs(s.second, kGroupCai) && t.StemCount(kPianYin) == 0;
     },
     "  ★食神生财，人缘佳。\r\n", 'D'},
    {37, [](T t, StemPair s) { return t.StemIs(s.first, kZhengGuan) && t.StemIs(s.second, kZhengYin); },
     "  ★正官佩印，五官端正。\r\n", 'D'},
    {38, [](T t, StemPair s) { return t.IsWoman() && t.StemIs(s.first, kPianYin) && t.StemIs(s.second, kJieCai); },
     "  ★枭劫者矮小，娇俏美丽，使人怜爱，红颜薄命。\r\n", 'D'},
    {39, [](T t) { return t.CombinationIs(kDay, "乙庚"); }, "  ★乙庚合，与人投合。\r\n"},
    {40, [](T t) { return t.CombinationIs(kDay, "甲己") && t.Grade() >= 4; }, "  ★甲逢己而生旺，定怀中正之心。\r\n"},
    {41, [](T t) { return t.StemIn(kDay, "甲") && t.BranchIn(kMonth, "寅卯辰"); }, "  ★甲木生于春月，性温心慈。\r\n"},
    {42, [](T t) { return t.IsWoman() && t.Grade() >= 1 && t.Grade() <= 3; },
     "  ★女命身弱不强，主性纯粹而温柔，奉翁助夫。\r\n"},
    {43, [](T t) { return t.StemIn(kDay, "丙") && t.CombinationIs(kDay, "丙辛") && t.BranchIn(kMonth, "亥子"); },
     "  ★丙逢辛金遇北镇，虽贫而有德(水旺之月)。\r\n"},
    {44, [](T t) { return t.ElementCount(kMetal) >= 3; }, "  ★金多威武刚烈。\r\n"},
    {45, [](T t) { return t.ElementPower(kWood) >= 90; }, "  ★木盛有恻隐之心。\r\n"},
    {46, [](T t) { return t.ElementCount(kWater) >= 3; }, "  ★水多聪明，有技巧。\r\n"},
    {47, [](T t) { return t.Grade() == 3; }, "  ★四柱平和，不争妒。\r\n"},
    {48, [](T t) { return t.ElementPower(kFire) >= 90; }, "  ★火旺性急雄辩。\r\n"},
    {49, [](T t) { return t.Power(kGroupCai) >= 150 && t.Grade() <= 2; }, "  ★财旺身弱，良显中正之士。\r\n"},
    {50,
     [](T t) {
         int held = (t.StemCount(kGroupCai) >= 1) + (t.StemCount(kZhengGuan) >= 1) + (t.StemCount(kZhengYin) >= 1) +
                    (t.StemCount(kShiShen) >= 1);
         return held == 3;
     },
     "  ★财官印食，定显慈祥之德。\r\n"},
    {51, [](T t, int p) { return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarYiMa) && t.StemCount(kShangGuan) == 0; },
     "  ★一官骑马，聪明风雅之人。\r\n", 'E'},
    {52,
     [](T t, int p) {
         return t.StemIs(p, kZhengGuan) && t.Carries(p, kStarYiMa) && t.BranchThrives(p) && t.Power(kZhengGuan) >= 90 &&
                t.StemCount(kShangGuan) == 0;
     },
     "  ★官旺马旺，待人接物慷慨。\r\n", 'E'},
    {53, AllInOneDecade, "  ★年月日时在一旬，乐而忘忧。\r\n"},
    {54, [](T t) { return t.Carries(kDay, kStarTianYi); }, "  ★日干坐贵，一世清高。\r\n"},
    {55, [](T t) { return t.BranchIs(kDay, kQiSha); }, "  ★日坐七杀，性急伶俐，心性聪明，性暴。\r\n"},
    {56,
     [](T t) {
         return (t.VisibleCount(kZhengGuan) >= 3 || t.VisibleCount(kQiSha) >= 3) && t.JiOrChouIs(kGroupGuanSha);
     },
     "  ★七杀或正官超过三位以上，官杀旺克抑日主，人较懦弱胆怯无能，易冲动。\r\n"},
    {57,
     RuleTest::FirstDecides(
         [](T t, int p) { return t.StemIs(p, kZhengGuan) && t.SameCombination(p, kDay) && p != kDay; },
         [](T t, int) { return t.StemCount(kShangGuan) == 0; }),
     "  ★正官干合日主或于正印命局见，重信讲义，负责尽责。\r\n", 'F'},
    {58,
     [](T t, int p) {
         return t.StemIs(p, kGroupYin) && t.StemIsJiChou(p) && t.VisibleCount(kGroupYin) >= 3 && t.Grade() >= 4;
     },
     "  ◆日干旺，印星多而为忌者，孤寒刑克之命。\r\n", 'F'},
    {59, [](T t, int p) { return t.StemIs(p, kZhengYin) && !t.StemIsXiYong(p) && t.BranchIs(p, kPianYin); },
     "  ◆正印坐偏印，欠缺果断力，欲望多难满足。\r\n", 'F'},
    {60, [](T t, int p) { return t.StemIs(p, kPianYin) && !t.StemIsXiYong(p) && t.Stage(p) == kStageMu; },
     "  ◆偏印坐墓，做事虎头蛇尾。\r\n", 'F'},
    {61,
     [](T t) {
         return t.IsMan() && t.StemCount(kZhengGuan) >= 1 && t.StemCount(kQiSha) >= 1 && t.Power(kGroupGuanSha) >= 90;
     },
     "  ◆男命官杀混杂，学业、功禄、职业易阻碍，为人做事小巧，性情不定，好风流。\r\n"},
    {62,
     [](T t) {
         return t.StemIs(kMonth, kPianYin) && t.StemIsXiYong(kMonth) && t.Carries(kMonth, kStarTianDe) &&
                t.Carries(kMonth, kStarYueDe);
     },
     "  ★偏印现月柱，为喜用，与天月德者同柱：命佳、性温和。\r\n"},
    {63, [](T t) { return t.StemCount(kGroupBiJie) >= 1 && t.Power(kGroupBiJie) >= 90 && t.Power(kGroupCai) < 30; },
     "  ◆比劫强者，财轻，好管闲事，路见不平，轻财懒惰。\r\n"},
    {64,
     [](T t) { return t.BranchIs(kMonth, kBiJian) && t.BranchIsJiChou(kMonth) && t.VisibleCount(kGroupGuanSha) == 0; },
     "  ◆月支比肩且为忌，四柱无官星，性暴乱。\r\n"},
    {65, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.StemIsJiChou(p) && t.BranchIs(p, kJieCai); },
     "  ◆伤官为忌神与劫财同柱：傲慢、好赌、无赖之徒。\r\n", 'G'},
    {66, [](T t, int p) { return t.StemIs(p, kGroupBiJie) && t.StemIsJiChou(p) && t.VisibleCount(kGroupBiJie) >= 3; },
     "  ◆四柱多比肩无制者，为忌，手足相争，朋友失和，异性缘差，怪僻寡合，迟婚，夫妻不睦，性刚毅暴躁，孤独离群，顽强固执，克父，劳苦而不聚财。\r\n",
     'G'},
    {67,
     [](T t, int p) {
         return t.StemIs(p, kShiShen) && t.Carries(p, kStarKongWang) &&
                Unbound(t, p, {kRelClash, kRelCombine, kRelHalfTriple, kRelDirectional, kRelPunish3});
     },
     "  ◆食神坐空亡无解者，福份少、薄命之人。\r\n", 'G'},
    {68,
     [](T t, int p) {
         return t.StemIs(p, kShiShen) && t.StemIsXiYong(p) && t.InRisingStage(p) && t.StemCount(kPianYin) == 0;
     },
     "  ★食神坐下旺地，为喜用且不见枭，多福禄寿俱全之人。\r\n", 'G'},
    {69, [](T t) { return t.VisibleCount(kShiShen) >= 1 && t.VisibleCount(kPianYin) == 0; },
     "  ★有食神无偏印者：一生无多大灾难。\r\n"},
    {70, [](T t) { return t.VisibleCount(kShiShen) >= 4 && t.Grade() <= 2; }, "  ◆四柱食神四位，日弱，贫命体弱。\r\n"},
    {71, [](T t) { return t.BranchIs(kMonth, kShiShen) && t.StemCount(kPianYin) == 0; },
     "  ★月支食神：身体肥胖人和气。\r\n"},
    {72,
     [](T t) {
         return t.StemIs(kMonth, kShiShen) && t.Carries(kMonth, kStarLuShen) && t.Grade() >= 4 &&
                t.StemCount(kPianYin) == 0;
     },
     "  ★月有食神为天厨，坐建禄者为天厨禄：日主旺者，发福量大。\r\n"},
    {73, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.VisibleCount(kGroupCai) == 0; },
     "  ◆命局有伤官无财星，虽聪慧但富不久。\r\n", 'H'},
    {74, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.VisibleCount(kGroupYin) == 0; },
     "  ◆命局有伤官无印星，多为利欲熏心之人。\r\n", 'H'},
    {75, [](T t, int p) { return t.StemIs(p, kPianCai) && !t.StemIsJiChou(p); },
     "  ★偏财透天干，好酒或好色，轻财仗义。\r\n", 'H'},
    {76, [](T t, int p) { return t.StemIs(p, kPianCai) && !t.StemIsXiYong(p) && t.BranchIs(p, kPianCai); },
     "  ★干支皆偏财，幼年多为养子。\r\n", 'H'},
    {77, [](T t, int p) { return t.StemIs(p, kShiShen) && t.BranchIs(p, kJieCai) && t.BranchIsXiYong(p); },
     "  ★干食神支劫财，劫财为喜用：有财福之命，遇凶反为吉。\r\n", 'H'},
    {78, [](T t) { return t.VisibleCount(kZhengCai) >= 3; },
     "  ◆四柱正财多，不论喜忌，多半好逸恶劳，贪欲不勤，与诗书无缘。\r\n"},
    {79, [](T t) { return t.StemIs(kYear, kShangGuan) && t.BranchIs(kYear, kShangGuan) && t.StemIsJiChou(kYear); },
     "  ◆年柱干支皆伤官，且为忌，寿短或富不长久。\r\n"},
    {80, [](T t, int p) { return t.StemIs(p, kShiShen) && t.Carries(p, kStarWenChang) && t.StemCount(kPianYin) == 0; },
     "  ★食神与文昌同宫，雄辩滔滔。\r\n", 'I'},
    {81, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.StemIn(p, "丁"); }, "  ★丁火伤官，性傲有谋。\r\n", 'I'},
    {82, [](T t, int p) { return t.StemIs(p, kShangGuan) && t.YongOrXiIs(kGroupShiShang); },
     "  ★伤官为用者，多才多艺，性傲王候，官人惮之，小人妒之。\r\n", 'I'},
    {83, [](T t, int p) { return t.Carries(p, kStarYiMa) && t.Carries(p, kStarKongWang); },
     "  ★马落空亡，操心落魄之人。\r\n", 'I'},
    {84, [](T t) { return t.StemIs(kMonth, kZhengYin) && t.YongOrXiIs(kGroupYin); },
     "  ★正印多主智，丰身自在，心慈。\r\n"},
    {85, [](T t) { return t.StemIs(kMonth, kShiShen) && t.StemCount(kPianYin) == 0 && t.YongOrXiIs(kGroupShiShang); },
     "  ★食神秀气，主人身肥，善饮，好唱歌。\r\n"},
    {86, [](T t) { return t.StemIs(kMonth, kQiSha) && t.YongOrXiIs(kGroupGuanSha); },
     "  ★偏官势压三公，喜色而好争斗，受轩扬，扶弱欺强，性情如虎急如风。\r\n"},
    {87, [](T t) { return t.Carries(kMonth, kStarJiangXing) && YongOrXiGroup(t, t.BranchGroup(kMonth)); },
     "  ★生遇将星且为喜用，权谋之深。\r\n"},
    {88, [](T t) { return t.BranchesIn("亥") >= 1 && t.BranchesIn("戌") >= 1; },
     "  ★平生敬神信佛，定是柱中逢戌亥。\r\n"},
    {89,
     [](T t) {
         return Combined(t, {kRelCombine, kRelTriple, kRelHalfTriple, kRelDirectional}) >= 5;
     },
     "  ★柱中合多者，虽疏也亲。\r\n"},
    {90, [](T t) { return t.HasPattern(kPianCai); }, "  ★偏财清高，多慷慨(偏财格)。\r\n"},
    {91, [](T t) { return t.BranchesAre("寅申巳亥"); }, "  ◆寅申巳亥全，神清貌俊，好争斗。\r\n"},
    {92, [](T t) { return t.IsWoman() && t.Grade() >= 5; }, "  ◆女命身强欺夫，不孝公婆，是非多，性急。\r\n"},
    {93, [](T t) { return t.IsWoman() && t.BranchIs(kDay, kShangGuan) && t.BranchIsJiChou(kDay); },
     "  ◆女人日坐伤官为忌，好骂夫。\r\n"},
    {94, [](T t) { return t.IsYinYangMismatchDay(); }, "  ◆阴阳差错，外交冷落。\r\n"},
    {95,
     [](T t, StemPair s) {
         return t.PairIs(s, kShangGuan, kZhengGuan) && t.StemCount(kGroupYin) == 0 && t.StemCount(kGroupCai) == 0;
     },
     "  ◆伤官见官，诡计多狡。\r\n", 'J'},
    {96, [](T t, StemPair s) { return t.PairIs(s, kPianYin, kZhengYin) && t.StemIsJiChou(s.first); },
     "  ◆枭印始勤终惰，好学艺，多学少成。\r\n", 'J'},
    {97, [](T t, int p) { return t.StemIs(p, kPianYin) && t.Carries(p, kStarYangRen); },
     "  ◆偏印劫刃，心狠毒无知，有刻薄之义，无慈善心。\r\n"},
    {98, [](T t) { return t.StemCount(kPianCai) >= 1 && t.StemCount(kZhengCai) >= 1; },
     "  ◆偏正财露，轻财好艺，喜人奉承，好说是非，好贪酒色。\r\n"},
    {99,
     [](T t) {
         return t.BranchesWithAny({kRelPunish2, kRelPunish3}) >= 3;
     },
     "  ◆柱中多刑，为人不义。\r\n"},
    {100, [](T t) { return t.Power(kGroupCai) >= 150; }, "  ◆财星太重，为人孤刻。\r\n"},
    {101, [](T t) { return t.Stage(kDay) == kStageMu; }, "  ◆日居墓库，多忧少乐。\r\n"},
    {102, [](T t) { return t.IsMan() && t.BranchIs(kDay, kQiSha) && t.BranchIsJiChou(kDay); },
     "  ◆日坐七杀为忌，妻不贤。\r\n"},
    {103, [](T t) { return t.IsMan() && t.VisibleCount(kGroupCai) >= 3 && t.Grade() <= 2; },
     "  ◆财多身弱，为人怕妻，偏听内语。\r\n"},
    {104, [](T t) { return t.Grade() <= 2 && WaterAndFireStrongest(t); }, "  ◆日弱水火相战，多招是非。\r\n"},
    {105, [](T t, StemPair s) { return t.PairIs(s, kZhengYin, kShiShen); }, "  ◆正印带食神，语言吞吐。\r\n", 'K'},
    {106, [](T t, StemPair s) { return t.PairIs(s, kBiJian, kJieCai) && t.StemIsJiChou(s.first); },
     "  ◆比劫之人气量小，性傲不驯，有错不悟。\r\n", 'K'},
    {107,
     [](T t, StemPair s) {
         return t.PairIs(s, kShangGuan, kQiSha) &&
                (t.Carries(s.first, kStarYangRen) || t.Carries(s.second, kStarYangRen));
     },
     "  ◆男逢伤官七杀羊刃，骨肉亲友伤情。\r\n", 'K'},
    {108, [](T t) { return t.ElementCount(kWater) >= 3 && t.ElementCount(kWood) < 2 && t.Grade() <= 2; },
     "  ◆水多木少身又弱，漂泊五湖四海。\r\n"},
    {109, [](T t, int p) { return t.StemIs(p, kZhengYin) && t.StemIsXiYong(p); }, "  ◆天干透印为喜用，主人聪明。\r\n"},
    {110, [](T t) { return t.StemsIn("戊己") >= 3; }, "  ◆柱中戊己土重重，内心玲珑无发达。\r\n"},
    {111,
     [](T t) {
         return t.AnyPillar([&](int p) { return t.StemIs(p, kShangGuan) && t.Carries(p, kStarYangRen); }) &&
                t.StemCount(kGroupCai) == 0;
     },
     "  ◆伤官无财有刃，行奸弄巧。\r\n"},
    {112,
     [](T t, int p) {
         return t.Carries(p, kStarYiMa) && Unbound(t, p, {kRelCombine, kRelTriple, kRelHalfTriple, kRelDirectional});
     },
     "  ◆驿马无缰，东西南北之客。\r\n", 'L'},
    {113, [](T t, int p) { return t.Carries(p, kStarYiMa) && t.Has(p, kRelClash); }, "  ◆驿马被冲，走遍红尘之客。\r\n",
     'L'},
    {114, [](T t) { return t.BranchesWithAny({kRelHarm}) >= 3; }, "  ◆六害多逢，忘恩负义。\r\n"},
    {115,
     [](T t) {
         return Combined(t, {kRelCombine, kRelTriple, kRelHalfTriple}) >= 5;
     },
     "  ◆合多过于有情，志无远大。\r\n"},
    {116, [](T t) { return t.HasZiMaoPunishment(kMonth) || t.HasZiMaoPunishment(kDay); },
     "  ◆子卯相刑，门户全无礼德。\r\n"},
    {117,
     [](T t) {
         return (t.StemIs(kYear, kJieCai) && t.Carries(kHour, kStarYangRen)) ||
                (t.StemIs(kHour, kJieCai) && t.Carries(kYear, kStarYangRen));
     },
     "  ◆劫财羊刃两头居，外面光滑内面虚。\r\n"},
    {118, [](T t) { return t.VisibleCount(kGroupGuanSha) == 0; }, "  ◆柱无官星，喜自由，不服管。\r\n"},
    {119, [](T t, int p) { return t.StemIs(p, kPianYin) && t.StemIsJiChou(p); }, "  ◆柱见枭神为忌，为人不义。\r\n",
     'M'},
    {120, [](T t, int p) { return t.StemIn(kDay, "壬") && t.StemIn(p, "戊"); },
     "  ◆壬水遇戊土，性躁如虎，偏争好斗。\r\n", 'M'},
    {121, RuleTest::EveryPillar([](T t, int p) {
         return t.IsWoman() && t.StemAndBranchAre(p, kBiJian, kJieCai) && t.StemIsJiChou(p);
     }),
     "  ◆女逢比劫为忌，姐妹难合，好争妒。\r\n", 'M'},
    {122, [](T t) { return DayStageInMonth(t) == kStageDiWang && t.Power(kGroupYin) >= 90 && t.Grade() >= 4; },
     "  ◆羊刃格印重身强，大多性急刚暴，外貌温和，内情执拗，对别人采取不信任的态度，主观意识强，不轻易采纳别人意见，思想容易走极端。\r\n"},
    {123, [](T t, int p) { return t.Carries(p, kStarYangRen) && t.BranchIsJiChou(p); },
     "  ◆柱逢羊刃且为忌神，主人得恩反怨，心性暴而贪，胆大须长，性刚果毅，无恻隐之心，有刻薄不恤之意。\r\n", 'N'},
    {124, [](T t, int p) { return t.Carries(p, kStarTaoHua) && t.ElementCount(kWater) >= 3; },
     "  ◆命带桃花而水多，异性缘佳，但如不加强修养，控制自己，也会惹出麻烦。\r\n", 'N'},
    {125,
     [](T t, int p) { return t.IsWoman() && t.StemIs(p, kQiSha) && t.Carries(p, kStarTaoHua) && t.BranchIsJiChou(p); },
     "  ◆女命桃花带杀为忌，多淫私奔。\r\n", 'N'},
    {126,
     [](T t, int p) {
         return t.Carries(p, kStarHuaGai) && t.Carries(p, kStarKongWang) &&
                Unbound(t, p, {kRelClash, kRelCombine, kRelTriple, kRelHalfTriple, kRelDirectional});
     },
     "  ◆华盖逢空为忌，多刻薄。\r\n", 'N'},
    {127, [](T t) { return t.IsMan() && t.Carries(kDay, kStarKuiGang); },
     "  ◆男命带魁罡，好攻击性之议论，有洁癖，心思灵巧，如格局佳者，必为富贵腾达之士。\r\n"},
    {128, [](T t) { return t.IsWoman() && t.Carries(kDay, kStarKuiGang); },
     "  ◆女命带魁罡，心性过度刚强，因而于婚姻有所影响。\r\n"},
    {129, [](T t) { return t.Carries(kDay, kStarKuiGang) && t.Has(kDay, kRelClash); },
     "  ◆魁罡遇冲，肆无忌惮之人。\r\n"},
    {130,
     [](T t, int p) {
         return t.Carries(p, kStarTaoHua) && t.HasAny(p, {kRelCombine, kRelTriple, kRelHalfTriple});
     },
     "  ★桃花带合，风流儒雅之人。\r\n", 'O'},
    {131, [](T t, int p) { return t.StemIs(p, kZhengYin) && t.Carries(p, kStarTianDe); },
     "  ★印星与天德同宫，素食善心。\r\n", 'O'},
    {132, [](T t, int p) { return t.CarriesTianOrYueDe(p) && !t.Has(p, kRelClash); },
     "  ★二德无破，男多忠孝，女多贤良。\r\n", 'O'},
    {133, [](T t, int p) { return t.StemIs(p, kGroupBiJie) && t.Carries(p, kStarWangShen) && t.BranchIsJiChou(p); },
     "  ◆亡神比劫往来，且为忌神，佛口蛇心。\r\n", 'P'},
    {134, [](T t, int p) { return t.StemIs(p, kQiSha) && t.Carries(p, kStarWangShen) && t.BranchIsJiChou(p); },
     "  ◆亡神带杀为忌，逢杀为寇。\r\n", 'P'},
    {135,
     [](T t, int p) {
         return t.StemIs(p, kZhengYin) && t.StemIsXiYong(p) &&
                (t.Has(p, kRelClash) || t.HasZiMaoPunishment(p) || t.Has(p, kRelPunish3));
     },
     "  ◆印绶刑冲，心乱身忙。\r\n", 'P'},
    {136,
     [](T t) { return t.AnyPillar([&](int p) { return t.StemIs(p, kGroupCai) && t.Combines(p); }) && t.Grade() <= 2; },
     "  ◆财星被合日干衰，外春风内奸诈。\r\n"},
    {137, [](T t) { return t.Grade() <= 1; }, "  ◆日主太弱，少乐多忧。\r\n"},
    {138, [](T t) { return t.PillarIs(kDay, "己卯") && t.BranchIsJiChou(kDay); }, "  ◆土临卯位，中年多灰心。\r\n"},
    {139, [](T t) { return t.Grade() >= 4 && t.Power(kGroupYin) >= 90; }, "  ◆印旺身强，好饮酒。\r\n"},
    {140, [](T t) { return t.StemIs(kMonth, kPianYin) && t.StemIsJiChou(kMonth); },
     "  ◆偏印为忌神，主人做事有始无终，好为非法，外象和气，内心狠毒。\r\n"},
    {141, [](T t, StemPair s) { return t.PairIs(s, kShiShen, kQiSha) && t.StemCount(kPianYin) == 0; },
     "  ◆食神好胜不凡，带杀做事精细。\r\n", 'Q'},
    {142, [](T t, StemPair s) { return t.PairIs(s, kShiShen, kPianYin); },
     "  ◆枭食并临，不自由，做事进退，悔懒，有始无终，财屡成屡败。\r\n", 'Q'},
    {143, [](T t, StemPair s) { return t.PairIs(s, kShiShen, kPianYin) && t.YongOrXiIs(kGroupShiShang); },
     "  ◆食神为喜用，逢枭神，不贫则夭。\r\n", 'Q'},
    {144,
     [](T t) {
         return (t.Carries(kDay, kStarYangRen) || t.Carries(kHour, kStarYangRen)) &&
                (t.Carries(kDay, kStarTaoHua) || t.Carries(kHour, kStarTaoHua));
     },
     "  ◆羊刃桃花在日时，心灵性巧，旺者性急，衰者性慢。\r\n"},
    {145,
     [](T t) {
         return (t.StemIs(kYear, kZhengGuan) || t.StemIs(kMonth, kZhengGuan)) &&
                (t.StemIs(kYear, kQiSha) || t.StemIs(kMonth, kQiSha));
     },
     "  ◆岁月官杀混杂，小人之辈。\r\n"},
    {146, [](T t) { return t.Has(kDay, kRelClash) && t.Carries(kDay, kStarKuiGang); },
     "  ◆一位魁罡居日上，多冲定是小人身。\r\n"},
    {147, [](T t) { return t.AllYang(); }, "  ◆四柱纯阳，性刚而暴。\r\n"},
    {148, [](T t) { return t.AllYin(); }, "  ◆四柱纯阴，性柔。\r\n"},
    {149, [](T t) { return t.StemIn(kDay, "癸") && t.CombinationIs(kDay, "戊癸"); }, "  ◆癸从戊合，多是无情之合。\r\n"},
    {150, [](T t) { return t.VisibleCount(kPianYin) >= 3 && t.Power(kShangGuan) >= 90; },
     "  ◆枭多伤重，好说是非之辈。\r\n"},
    {151,
     [](T t) {
         return t.Stage(kDay) == kStageSi || (t.Stage(kDay) == kStageJue && t.Grade() <= 1 && t.BranchIsJiChou(kDay));
     },
     "  ◆日遇死绝之地，愚蠢而顽。\r\n"},
};

}  // namespace

std::string PersonalitySayings(const ChartTerms& t, std::vector<int>* fired) {
    std::string out;
    ApplyRules(t, kSayingsBeforeLooks, out, fired);
    out += DayStemLooksLine(t) + DayElementLine(t);  // 4, 5
    ApplyRules(t, kSayingsBeforeHour, out, fired);
    out += HourBranchLine(t);  // 26
    ApplyRules(t, kSayingsAfterHour, out, fired);
    return out;
}
