// The personality chapter (性格特征) of one person: a fixed opening from the
// text tables, the lines on appearance, and the classical sayings whose
// conditions hold for the chart.
#pragma once

#include <string>
#include <vector>

#include "reading/chart_terms.h"
#include "engine/chart/chart_readings.h"

// The whole chapter, ending with a blank line.
std::string PersonalityChapter(const ReadingContext& context);

// Its parts, in the order the chapter writes them.
// The heading, the day master, the month branch, the day master's growth in
// the month, the balance of yin and yang, and the month and hour stems.
std::string PersonalityOpening(const ChartTerms& t);
// The classical sayings whose conditions hold, in the order they are tried.
// When `fired` is given, the number of every saying written is added to it.
std::string PersonalitySayings(const ChartTerms& t, std::vector<int>* fired = nullptr);

// The lines among the sayings that every chart gets, made from the chart:
// the looks of the day stem (saying 4), the day master's element at its
// strength (5), the sleeping habit of the hour branch (26).
std::string DayStemLooksLine(const ChartTerms& t);
std::string DayElementLine(const ChartTerms& t);
std::string HourBranchLine(const ChartTerms& t);
