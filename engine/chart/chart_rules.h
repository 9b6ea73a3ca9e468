// Small rules of one chart that several of its steps share: stems and
// branches by name, the direction of the cycle, the empty branches of the
// day pillar's decade, and the range of supported years.
#pragma once

#include "engine/base/int_math.h"

namespace gz {

// Stem and branch numbers (癸 and 亥 are 0), so that the rule tables read
// as the domain writes them.
enum Stem : int { 癸, 甲, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬 };
enum Branch : int { 亥, 子, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌 };

// A pillar given by its stem and branch.
struct StemBranch {
    int stem;
    int branch;
};

}  // namespace gz

// Years are astronomical; the calendar covers 850 BC (stored −849) to 2100.
inline bool InSupportedYears(int year) { return year >= -849 && year <= 2100; }

// The cycle runs forward for a man born in a yang year (odd year pillar) and
// for a woman born in a yin year; backward otherwise. It sets the direction
// of the luck pillars and of the 勾煞, 绞煞 and 大耗 stars.
inline bool RunsForward(bool male, int yearPillar) { return male == (yearPillar % 2 == 1); }

// The first of the two empty branches (空亡) of the day pillar's decade; the
// second is the next branch. 甲子 gives 戌 (and 亥).
inline int FirstEmptyBranch(int dayPillar) {
    int n = dayPillar == 0 ? 60 : dayPillar;
    return intmath::Mod(11 - 2 * ((n - 1) / 10), 12);
}
