#include "sizing/shortest_digits.h"

#include <cmath>

#include "positional_digits.h"

namespace velmora::sizing {

std::string ShortestDigits(float value, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return {};
  const detail::PositionalDigits positional(value);
  const detail::DecimalView digits = positional.View();
  const std::string_view integer = detail::TrimLeadingZeros(digits.integerDigits);
  std::string text;
  text.reserve(2 + integer.size() + decimalSeparator.size() + digits.fractionDigits.size());
  if (digits.negative && value != 0.0F) text += '-';
  if (integer.empty()) {
    text += '0';
  } else {
    text += integer;
  }
  if (!digits.fractionDigits.empty()) {
    text += decimalSeparator;
    text += digits.fractionDigits;
  }
  return text;
}

}  // namespace velmora::sizing
