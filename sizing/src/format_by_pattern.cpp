#include "sizing/format_by_pattern.h"

#include <cmath>

#include "decimal_text.h"
#include "positional_digits.h"

namespace velmora::sizing {

std::string FormatByPattern(float value, NumberPattern pattern, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return {};
  const detail::PositionalDigits shortest(value);
  const detail::RoundedDecimal rounded =
      detail::RoundHalfAwayFromZero(shortest.View(), pattern.maxDecimals());

  std::string_view fraction = rounded.fractionDigits();
  while (fraction.size() > pattern.minDecimals() && fraction.back() == '0') {
    fraction.remove_suffix(1);
  }
  const std::string_view integer = rounded.integerDigits();
  const std::size_t integerPadding =
      pattern.minIntegerDigits() > integer.size() ? pattern.minIntegerDigits() - integer.size() : 0;

  std::string text;
  text.reserve(1 + integerPadding + integer.size() + decimalSeparator.size() + fraction.size());
  if (rounded.negative()) text += '-';
  text.append(integerPadding, '0');
  text += integer;
  if (!fraction.empty()) {
    text += decimalSeparator;
    text += fraction;
  }
  return text;
}

}  // namespace velmora::sizing
