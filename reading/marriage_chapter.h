// The marriage chapter (婚姻择偶) of one person, and the spouse-star sayings
// at its centre: wealth is a man's spouse star (正财 the wife, 偏财 the
// concubine or the father), the officer a woman's (正官 the husband, 七杀 a
// lover or second husband).
#pragma once

#include <string>
#include <vector>

#include "engine/chart/chart_readings.h"

// The whole chapter, ending with an empty line.
std::string MarriageChapter(const ReadingContext& context);

// The wife-star sayings of a man and the husband-star sayings of a woman.
// When `fired` is given, the numbers of the rules that wrote are added to it.
std::string WifeStarRules(const ReadingContext& context, std::vector<int>* fired = nullptr);
std::string HusbandStarRules(const ReadingContext& context, std::vector<int>* fired = nullptr);
