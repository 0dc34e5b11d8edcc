#pragma once

#include <cmath>
#include <limits>

namespace velmora::sizing::detail {

// Rounds a double to the nearest single, ties to even, with infinity of its
// sign past the single range. A plain cast does the same on IEEE hardware,
// but C++ leaves an out-of-range cast undefined, so the range is decided here.
inline float RoundToSingle(double value) {
  constexpr auto kLargestSingle = static_cast<double>(std::numeric_limits<float>::max());
  // Halfway between the largest single and 2^128: from here on, the nearest
  // single under ties-to-even is infinity.
  constexpr double kOverflowThreshold = 0x1.ffffffp127;
  const double magnitude = std::fabs(value);
  if (magnitude <= kLargestSingle || std::isnan(value)) return static_cast<float>(value);
  const float saturated = magnitude < kOverflowThreshold ? std::numeric_limits<float>::max()
                                                         : std::numeric_limits<float>::infinity();
  return value < 0 ? -saturated : saturated;
}

}  // namespace velmora::sizing::detail
