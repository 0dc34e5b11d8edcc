#pragma once

#include <string_view>

namespace velmora::sizing {

// Reads the number a text begins with: blanks (ASCII white space, line
// breaks included), an optional sign, digits with
// at most one decimal mark (the point, or the user's separator). Whatever
// follows is ignored, so "12.5 m3" reads 12.5. A text without a leading
// number reads 0; beyond the double range gives infinity of its sign, below
// it 0. There is no exponent and no radix prefix.
double ParseLeadingNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace velmora::sizing
