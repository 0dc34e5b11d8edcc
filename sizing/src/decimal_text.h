#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decimal numbers handled as their digit strings, so that rounding happens on
// the decimal the user typed or saw, never on a binary approximation of it.
namespace sizing::detail {

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

bool IsBlank(char c);
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingZeros(std::string_view digits);

// A decimal with exactly as many fraction digits as it was rounded to, and
// no leading zeros in its integer part (so zero has an empty one).
struct RoundedDecimal {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
};

// Rounds half away from zero to `places` decimals; a result of zero is never
// negative.
RoundedDecimal RoundHalfAwayFromZero(const DecimalView& number, std::size_t places);

// The nearest double or single to the decimal; beyond the type's range,
// infinity of its sign, below it, zero of its sign.
double DecimalToDouble(const DecimalView& number);
float DecimalToSingle(const RoundedDecimal& number);

}  // namespace sizing::detail
