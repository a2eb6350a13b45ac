#pragma once
// Positions and font sizes of the address side are sums of a base and the
// user's adjustment values. A field may hold any typed integer until it loses
// the focus, so the sums are taken wide and brought back into int: a huge
// typed value puts the text far off the sheet instead of overflowing.

#include <algorithm>
#include <climits>

namespace render {

inline int clampedSum(long long value) {
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace render
