// Names of the 24 solar terms, by term number: 1 小寒 … 24 冬至; 0 is the
// 冬至 of the year before.
#pragma once

extern const char* const kSolarTermNames[25];
