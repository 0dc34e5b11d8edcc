#pragma once

#include <string_view>

namespace velmora::sizing {

// Reads a whole text as a pressure rounded to one decimal, the way the screw
// variant has always seen it: "0.76" is 0.8 and "0.04" is 0.
//
// Blanks at both ends (ASCII white space, so a pasted "1,5\r\n" too) are
// trimmed; the rest must be an optional sign and
// digits with at most one decimal mark (the user's separator or the point).
// Anything else reads 0, so the volume guard answers it with 0 rather than a
// wrong number. A value beyond the single range gives infinity of its sign.
float NormalizePressureText(std::string_view text, std::string_view decimalSeparator);

}  // namespace velmora::sizing
