// The vocabulary of the reading rules: named quantities and tests over one
// person's analysed chart, so that a rule reads like the saying it checks
// ("the day branch is 正财 and 喜用" is
// `t.BranchIs(kDay, kZhengCai) && t.BranchIsXiYong(kDay)`).
//
// Words used throughout:
// - a stem or branch "is" a ten god or a group: a branch by its main hidden
//   stem (本气); the day stem is no ten god and no group, so it never
//   matches such a test;
// - 喜用 / 忌仇: the favour byte of the stem or branch record (its group is
//   the 用 or 喜 group / else the 忌 or 仇 group);
// - stem counts run over the three stems beside the day stem, visible counts
//   over those three and the main hidden stem of each branch, full counts
//   over those three and every hidden stem;
// - powers are the scores of the analysis, a strong power is 90 or more.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/symbols/records.h"
#include "engine/symbols/stars.h"
#include "engine/chart/chart_readings.h"

enum PillarIndex { kYear = 0, kMonth = 1, kDay = 2, kHour = 3 };

// 十神, numbered as the chart records hold them.
enum TenGod {
    kBiJian = 0,     // 比肩
    kJieCai = 1,     // 劫财
    kShiShen = 2,    // 食神
    kShangGuan = 3,  // 伤官
    kPianCai = 4,    // 偏财
    kZhengCai = 5,   // 正财
    kQiSha = 6,      // 七杀
    kZhengGuan = 7,  // 正官
    kPianYin = 8,    // 偏印
    kZhengYin = 9,   // 正印
};

// The groups of the ten gods (ten god / 2).
enum GodGroup {
    kGroupBiJie = 0,     // 比劫
    kGroupShiShang = 1,  // 食伤
    kGroupCai = 2,       // 财
    kGroupGuanSha = 3,   // 官杀
    kGroupYin = 4,       // 印
};

// The five gods; their groups stand in ChartData::godGroups.
enum FiveGod { kYongShen = 0, kXiShen = 1, kJiShen = 2, kChouShen = 3, kXianShen = 4 };

// Strength classes of the day master (ChartData::strengthClass).
enum StrengthClassNumber {
    kClassCongWang = 0,  // 从旺
    kClassTaiRuo = 1,    // 太弱
    kClassPianRuo = 2,   // 偏弱
    kClassPingHe = 3,    // 平和
    kClassPianWang = 4,  // 偏旺
    kClassTaiWang = 5,   // 太旺
    kClassCongRuo = 6,   // 从弱
};

// 十二长生: the growth stage of a stem on a branch.
enum GrowthStep {
    kStageChangSheng = 0,  // 长生
    kStageMuYu = 1,        // 沐浴
    kStageGuanDai = 2,     // 冠带
    kStageLinGuan = 3,     // 临官
    kStageDiWang = 4,      // 帝旺
    kStageShuai = 5,       // 衰
    kStageBing = 6,        // 病
    kStageSi = 7,          // 死
    kStageMu = 8,          // 墓
    kStageJue = 9,         // 绝
    kStageTai = 10,        // 胎
    kStageYang = 11,       // 养
};

// A single ten god or a whole group, for the tests that take either.
struct GodOrGroup {
    constexpr GodOrGroup(TenGod g) : god(g) {}
    constexpr GodOrGroup(GodGroup g) : group(g) {}
    // Whether a record's ten god and group (255 for none) are this.
    constexpr bool Matches(uint8_t recordGod, uint8_t recordGroup) const {
        return god >= 0 ? recordGod == god : recordGroup == group;
    }
    int god = -1;
    int group = -1;
};

// Two stems read together: the year and month stems, or the month and hour stems.
struct StemPair {
    int first;
    int second;
};
inline constexpr StemPair kStemPairs[2] = {{kYear, kMonth}, {kMonth, kHour}};

// Element relations: each element generates the next and controls the one
// after that (水 controls 火, 木 controls 土 …).
constexpr bool Controls(int element, int other) { return (element + 2) % 5 == other; }

// 五行, numbered as the chart records hold them.
enum Element { kWater = 0, kWood = 1, kFire = 2, kEarth = 3, kMetal = 4 };

class ChartTerms {
public:
    explicit ChartTerms(const ReadingContext& context)
        : c_(context.chart), person_(context.person), lunarDay_(context.lunarDay) {}

    const ChartData& Chart() const { return c_; }

    // The person read.
    bool IsMan() const { return person_.male != 0; }
    bool IsWoman() const { return person_.male == 0; }
    int Person() const { return person_.person; }  // 0 甲命, 1 乙命
    int LunarDay() const { return lunarDay_; }

    // Pillars and their characters. Character tests take names: "丙子",
    // "辰戌丑未" (one of these), so that a rule shows the characters it names.
    int PillarNumber(int p) const;  // sexagenary number, 癸亥 = 0
    int StemNumber(int p) const;    // 0 癸, 1 甲 … 9 壬
    int BranchNumber(int p) const;  // 0 亥, 1 子 … 11 戌
    bool PillarIs(int p, std::string_view name) const;
    bool PillarIn(int p, std::initializer_list<std::string_view> names) const;
    bool StemIn(int p, std::string_view stems) const;
    bool BranchIn(int p, std::string_view branches) const;
    // How many of the four stems / branches are one of these characters.
    int StemsIn(std::string_view stems) const;
    int BranchesIn(std::string_view branches) const;
    // The four stems / branches are exactly these four, in any order.
    bool StemsAre(std::string_view four) const;
    bool BranchesAre(std::string_view four) const;
    bool IsYang(int p) const { return PillarNumber(p) % 2 == 1; }
    bool AllYang() const;
    bool AllYin() const;
    // The day pillar is one of the twelve 阴阳差错 days.
    bool IsYinYangMismatchDay() const;
    int DayElement() const;  // element of the day master

    // Ten gods and groups (the day stem is neither).
    int StemGod(int p) const { return c_.stemInfo[p].god; }
    int StemGroup(int p) const { return c_.stemInfo[p].group; }
    int BranchGod(int p) const { return c_.branchInfo[p].god; }
    int BranchGroup(int p) const { return c_.branchInfo[p].group; }
    // The branch's main element is 旺 or 相 in the month.
    bool BranchThrives(int p) const { return c_.branchInfo[p].season <= 1; }
    bool StemIs(int p, GodOrGroup k) const;
    bool BranchIs(int p, GodOrGroup k) const;
    // One of the branch's hidden stems (人元) is this.
    bool BranchHolds(int p, GodOrGroup k) const;
    // The pillar's stem and branch are a and b, in either order.
    bool StemAndBranchAre(int p, GodOrGroup a, GodOrGroup b) const;
    // The two stems are a and b, in either order.
    bool PairIs(StemPair pair, GodOrGroup a, GodOrGroup b) const;

    // The 用/喜/忌/仇 groups.
    int GroupOf(FiveGod g) const { return c_.godGroups[g]; }
    bool YongOrXiIs(int group) const;  // the 用 group or the 喜 group is this group
    bool JiOrChouIs(int group) const;  // the 忌 group or the 仇 group is this group

    // Favourability of a stem or a branch.
    bool StemIsXiYong(int p) const { return c_.stemInfo[p].favour == 0; }
    bool StemIsJiChou(int p) const { return c_.stemInfo[p].favour == 1; }
    bool BranchIsXiYong(int p) const { return c_.branchInfo[p].favour == 0; }
    bool BranchIsJiChou(int p) const { return c_.branchInfo[p].favour == 1; }

    // Counts, powers and strength.
    int StemCount(GodOrGroup k) const;
    int VisibleCount(GodOrGroup k) const;
    int FullCount(GodOrGroup k) const;
    int BranchCount(GodOrGroup k) const;  // over the main hidden stems of the four branches
    int Power(GodOrGroup k) const;
    bool Strong(GodOrGroup k) const { return Power(k) >= 90; }
    int ElementCount(int element) const { return c_.elementCount[element]; }
    int ElementPower(int element) const { return c_.elementScore[element]; }
    int Grade() const { return c_.strengthGrade; }          // 0 extremely weak … 6 extremely strong
    int StrengthClass() const { return c_.strengthClass; }  // 0 从旺 … 6 从弱
    // The ordinary patterns include this one (0 建禄, 1 羊刃, else the ten god).
    bool HasPattern(int pattern) const;

    // Spirit stars.
    bool Carries(int p, Star s) const { return c_.stars[p][s] != 0; }
    int PillarsCarrying(Star s) const;
    bool AnyCarries(Star s) const { return PillarsCarrying(s) > 0; }
    // 天德 or 月德 (the two virtues, 天月二德).
    bool CarriesTianOrYueDe(int p) const { return Carries(p, kStarTianDe) || Carries(p, kStarYueDe); }

    // Growth stage of the pillar's stem on its own branch.
    int Stage(int p) const { return c_.stemInfo[p].growth; }
    bool StageIn(int p, std::initializer_list<int> stages) const;
    // 长生 to 帝旺: the stem stands on rising ground (生旺之地).
    bool InRisingStage(int p) const { return Stage(p) <= kStageDiWang; }

    // Stem combinations (五合).
    int Combination(int p) const { return c_.stemInfo[p].combination; }  // −1 none
    bool Combines(int p) const { return Combination(p) >= 0; }
    bool CombinationIs(int p, std::string_view name) const;  // "乙庚"
    bool SameCombination(int p, int q) const { return Combines(p) && Combination(p) == Combination(q); }
    int CombiningStems() const;

    // Branch relations within the chart (slots of stars.h).
    int Relation(int p, RelationSlot s) const { return c_.branchInfo[p].relation[s]; }
    bool Has(int p, RelationSlot s) const { return Relation(p, s) >= 0; }
    bool HasAny(int p, std::initializer_list<RelationSlot> slots) const;
    // The two-branch 刑 of 子 with 卯 (not a 自刑).
    bool HasZiMaoPunishment(int p) const { return Relation(p, kRelPunish2) == 1; }
    int BranchesWithAny(std::initializer_list<RelationSlot> slots) const;
    // A relation that releases the branch from 空亡 and the like: a full or
    // half 三合, a 三会, a 冲, a three-branch 刑 or a 六合.
    bool HasReleasingRelation(int p) const;
    // The element of the full 三合, half 三合 or 三会 the branch takes part
    // in (3 土 for 辰戌丑未), −1 when none.
    int CombinationElement(int p, RelationSlot s) const;
    // Both branches take part in a relation of this kind with the same
    // element (三合, half 三合, 三会) or the same pair or triple (六合, 刑 …).
    bool Share(int p, int q, RelationSlot s) const;
    // The two branches are opposite (相冲).
    bool Clash(int p, int q) const;

    // Over the four pillars year, month, day, hour: how many meet `test`
    // (a callable taking the pillar index), and whether one does.
    template <class Test>
    int PillarsWhere(Test test) const {
        int n = 0;
        for (int p = kYear; p <= kHour; ++p) n += test(p) ? 1 : 0;
        return n;
    }
    template <class Test>
    bool AnyPillar(Test test) const {
        return PillarsWhere(test) > 0;
    }

private:
    const ChartData& c_;
    const BirthData& person_;
    int lunarDay_;
};
