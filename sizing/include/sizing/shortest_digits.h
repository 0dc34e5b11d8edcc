#pragma once

#include <string>
#include <string_view>

namespace velmora::sizing {

// A single as its shortest round-trip decimal, the digits that name exactly
// the value the calculation used: 0.8F gives "0.8", not "0.800000011920929".
// Written out with the user's decimal separator, without exponent or
// grouping, and without a separator when there is no fraction ("10"); zero
// carries no minus sign. Infinity and NaN give the empty text.
std::string ShortestDigits(float value, std::string_view decimalSeparator);

}  // namespace velmora::sizing
