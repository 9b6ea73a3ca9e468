// Pillars named in tests as they are written ("甲子"), for the number the
// chart records hold.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/symbols/symbols.h"

// The sexagenary number of a pillar name such as "甲子" (1 … 59, 癸亥 0);
// a name that is no pillar fails the test.
inline int PillarNumber(std::string_view name) {
    for (int n = 0; n < 60; ++n)
        if (sym::PillarName(n) == name) return n;
    ADD_FAILURE() << "no pillar " << name;
    return 0;
}
