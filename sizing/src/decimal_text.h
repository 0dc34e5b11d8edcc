#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "sizing/number_pattern.h"

// Decimal numbers handled as their digit strings, so that rounding happens on
// the decimal the user typed or saw, never on a binary approximation of it.
namespace velmora::sizing::detail {

// A decimal as written: views into the text it was read from.
struct DecimalView {
  bool negative = false;
  std::string_view integerDigits;
  std::string_view fractionDigits;
  // The mark between the two runs, empty when the text had none.
  std::string_view decimalMark;
  // Digits and mark together, as they stand in the text, without the sign.
  std::string_view unsignedText;
};

struct ScannedDecimal {
  DecimalView number;
  std::size_t length = 0;  // characters consumed; 0 when no number was found
};

// Reads an optional sign and digits with at most one decimal mark from the
// start of text. The mark is the point or decimalSeparator. At least one
// digit is needed; otherwise nothing is consumed.
ScannedDecimal ScanDecimal(std::string_view text, std::string_view decimalSeparator);

// Blanks are the ASCII white space: space, tab, CR, LF, vertical tab, form feed.
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingZeros(std::string_view digits);

// A decimal with exactly as many fraction digits as it was rounded to, and
// no leading zeros in its integer part (so zero has an empty one). It lives
// in a buffer of its own: every caller rounds a number that fits a single.
class RoundedDecimal {
 public:
  // The most integer digits a single has, and the most decimals a pattern
  // may ask for.
  static constexpr std::size_t kMaxIntegerDigits = std::numeric_limits<float>::max_exponent10 + 1;
  static constexpr std::size_t kMaxPlaces = NumberPattern::kMaxDecimals;

  bool negative() const { return negative_; }
  std::string_view integerDigits() const { return {digits_.data(), integerLength_}; }
  std::string_view fractionDigits() const {
    return {digits_.data() + integerLength_, length_ - integerLength_};
  }

 private:
  friend RoundedDecimal RoundHalfAwayFromZero(const DecimalView& number, std::size_t places);

  std::array<char, kMaxIntegerDigits + 1 + kMaxPlaces> digits_{};
  std::size_t length_ = 0;
  std::size_t integerLength_ = 0;
  bool negative_ = false;
};

// Rounds half away from zero to `places` decimals; a result of zero is never
// negative. The number's integer part, leading zeros aside, has at most
// RoundedDecimal::kMaxIntegerDigits digits, and places is at most kMaxPlaces.
RoundedDecimal RoundHalfAwayFromZero(const DecimalView& number, std::size_t places);

// The nearest double or single to the decimal; beyond the type's range,
// infinity of its sign, below it, zero of its sign.
double DecimalToDouble(const DecimalView& number);
float DecimalToSingle(const RoundedDecimal& number);

}  // namespace velmora::sizing::detail
