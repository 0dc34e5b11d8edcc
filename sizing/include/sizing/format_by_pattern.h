#pragma once

#include <string>
#include <string_view>

#include "sizing/number_pattern.h"

namespace velmora::sizing {

// Formats a single by a pattern with the user's decimal separator.
//
// The digits are the single's shortest round-trip decimal, so the stored
// 0.325 shows 0.33, not the 0.32 its binary expansion would suggest; they
// are rounded half away from zero, and a value that rounds to zero carries
// no minus sign. No grouping and no exponent: the largest single shows all
// 39 digits. Infinity and NaN have no sound text and give an empty one.
std::string FormatByPattern(float value, NumberPattern pattern, std::string_view decimalSeparator);

}  // namespace velmora::sizing
