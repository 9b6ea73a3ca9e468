// The analysis lines of one chart text: the element powers, support against
// drain, yin and yang, the day master's total and strength, the five gods
// and the patterns; then the relations between the chart's own pillars.
#pragma once

#include <string>

#include "engine/symbols/records.h"

// specialPatternRules: a found special pattern replaces the five gods and is
// named in the strength verdict (the setting 变格).
std::string ElementPowerText(const ChartData& chart, bool specialPatternRules);

// The stem combinations, then the branch relations of the four pillars.
std::string RelationsText(const ChartData& chart);
