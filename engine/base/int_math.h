// Whole-number division and remainder that round towards minus infinity, for
// arithmetic that runs across negative numbers: astronomical years before
// year 0, sexagenary and branch counts stepped backwards.
#pragma once

namespace intmath {

inline int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
// The remainder of a / b in 0 … b − 1 (b > 0), also for negative a.
inline int Mod(int a, int b) { return ((a % b) + b) % b; }

}  // namespace intmath
