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

// The same number rounded to the nearest single, ties to even, as the
// calculation stores it: infinity of its sign past the single range.
float ParseLeadingSingle(std::string_view text, std::string_view decimalSeparator);

// Whether the whole text, blanks at both ends aside, is one number as
// ParseLeadingNumber reads it: nothing before it, nothing after it. Where
// this is false, what the calculation used is not what the user sees typed.
bool IsWholeNumberText(std::string_view text, std::string_view decimalSeparator);

}  // namespace velmora::sizing
