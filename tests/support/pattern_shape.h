#pragma once

#include <cstddef>
#include <string_view>

#include "sizing/number_pattern.h"

namespace velmora::testing {

// Whether a formatted text has its pattern's shape: an optional minus, the
// integer digits, the separator, then between the pattern's least and most
// decimals with no trailing zero beyond the least; a minus only before a
// value that is not zero.
inline bool HasPatternShape(std::string_view text, velmora::sizing::NumberPattern pattern,
                            std::string_view separator) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  std::size_t integerDigits = 0;
  while (integerDigits < text.size() && isDigit(text[integerDigits])) ++integerDigits;
  if (integerDigits < pattern.minIntegerDigits()) return false;
  if (integerDigits > 1 && text[0] == '0') return false;
  bool allZeros = text.substr(0, integerDigits).find_first_not_of('0') == std::string_view::npos;
  text.remove_prefix(integerDigits);
  std::string_view fraction;
  if (!text.empty()) {
    if (!text.starts_with(separator) || separator.empty()) return false;
    fraction = text.substr(separator.size());
  }
  if (fraction.size() < pattern.minDecimals() || fraction.size() > pattern.maxDecimals()) {
    return false;
  }
  for (const char c : fraction) {
    if (!isDigit(c)) return false;
    allZeros = allZeros && c == '0';
  }
  if (fraction.size() > pattern.minDecimals() && fraction.back() == '0') return false;
  return !(negative && allZeros);
}

}  // namespace velmora::testing
