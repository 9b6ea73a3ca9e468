// The classical sayings of the marriage chapter, in the order they are
// written: those before the spouse-star sayings and those after them.
#pragma once

#include <span>

#include "reading/reading_rules.h"

std::span<const ReadingRule> MarriageSayingsBeforeSpouseStar();
std::span<const ReadingRule> MarriageSayingsAfterSpouseStar();
