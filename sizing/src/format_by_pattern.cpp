#include "sizing/format_by_pattern.h"

#include <array>
#include <charconv>
#include <cmath>

#include "decimal_text.h"

namespace sizing {
namespace {

// A single's shortest round-trip decimal, spelt out in positional form.
struct PositionalDigits {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
};

PositionalDigits ShortestDecimal(float value) {
  // Scientific form keeps the digits apart from the scale, whatever the
  // magnitude: "-1.4814816e+00", "3.4028235e+38", "1e-45".
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::scientific);
  std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

  PositionalDigits positional;
  positional.negative = text.starts_with('-');
  if (positional.negative) text.remove_prefix(1);
  const std::size_t exponentAt = text.find('e');
  std::string digits(text.substr(0, exponentAt));
  if (digits.size() > 1) digits.erase(1, 1);  // the point after the first digit

  std::string_view exponentText = text.substr(exponentAt + 1);
  if (exponentText.starts_with('+')) exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  if (exponent >= 0) {
    const auto integerLength = static_cast<std::size_t>(exponent) + 1;
    positional.integerDigits = digits.substr(0, integerLength);
    positional.integerDigits.resize(integerLength, '0');
    if (digits.size() > integerLength) positional.fractionDigits = digits.substr(integerLength);
  } else {
    positional.fractionDigits.assign(static_cast<std::size_t>(-exponent - 1), '0');
    positional.fractionDigits += digits;
  }
  return positional;
}

}  // namespace

std::string FormatByPattern(float value, NumberPattern pattern, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return {};
  const PositionalDigits shortest = ShortestDecimal(value);
  const detail::DecimalView view{
      shortest.negative, shortest.integerDigits, shortest.fractionDigits, {}, {}};
  detail::RoundedDecimal rounded = detail::RoundHalfAwayFromZero(view, pattern.maxDecimals());

  std::string& fraction = rounded.fractionDigits;
  while (fraction.size() > pattern.minDecimals() && fraction.back() == '0') fraction.pop_back();
  const std::size_t integerPadding = pattern.minIntegerDigits() > rounded.integerDigits.size()
                                         ? pattern.minIntegerDigits() - rounded.integerDigits.size()
                                         : 0;

  std::string text;
  text.reserve(1 + integerPadding + rounded.integerDigits.size() + decimalSeparator.size() +
               fraction.size());
  if (rounded.negative) text += '-';
  text.append(integerPadding, '0');
  text += rounded.integerDigits;
  if (!fraction.empty()) {
    text += decimalSeparator;
    text += fraction;
  }
  return text;
}

}  // namespace sizing
