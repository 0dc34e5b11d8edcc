#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace velmora::sizing::detail {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

std::string_view DecimalMarkAt(std::string_view text, std::size_t at,
                               std::string_view decimalSeparator) {
  const std::string_view rest = text.substr(at);
  if (rest.starts_with('.')) return rest.substr(0, 1);
  if (!decimalSeparator.empty() && rest.starts_with(decimalSeparator)) {
    return rest.substr(0, decimalSeparator.size());
  }
  return {};
}

// from_chars on plain "digits[.digits]" text, which is the only form the
// callers hand it: no sign, no exponent, never empty of digits.
template <typename Number>
Number FromUnsignedText(std::string_view text, bool hasSignificantIntegerDigits) {
  Number value{};
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    return hasSignificantIntegerDigits ? std::numeric_limits<Number>::infinity() : Number{};
  }
  return value;
}

template <typename Number>
Number WithSign(bool negative, Number magnitude) {
  return negative ? -magnitude : magnitude;
}

bool IsAllZeros(std::string_view digits) {
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// A cell copied from a spreadsheet ends in a line break ("1,5\r\n"), so the
// other ASCII white space counts as blank too.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::string_view TrimLeadingBlanks(std::string_view text) {
  const auto* const first = std::find_if_not(text.begin(), text.end(), IsBlank);
  return text.substr(static_cast<std::size_t>(first - text.begin()));
}

std::string_view TrimBlanks(std::string_view text) {
  text = TrimLeadingBlanks(text);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank);
  return text.substr(0, static_cast<std::size_t>(text.rend() - last));
}

std::string_view TrimLeadingZeros(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

ScannedDecimal ScanDecimal(std::string_view text, std::string_view decimalSeparator) {
  ScannedDecimal scanned;
  DecimalView& number = scanned.number;
  std::size_t at = 0;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    number.negative = text[0] == '-';
    ++at;
  }
  const std::size_t digitsStart = at;
  const std::size_t integerCount = CountDigits(text, at);
  number.integerDigits = text.substr(at, integerCount);
  at += integerCount;
  number.decimalMark = DecimalMarkAt(text, at, decimalSeparator);
  std::size_t fractionCount = 0;
  if (!number.decimalMark.empty()) {
    fractionCount = CountDigits(text, at + number.decimalMark.size());
    number.fractionDigits = text.substr(at + number.decimalMark.size(), fractionCount);
  }
  if (integerCount == 0 && fractionCount == 0) return {};
  // A mark with no digits after it ("5.") still belongs to the number.
  scanned.length = at + number.decimalMark.size() + fractionCount;
  number.unsignedText = text.substr(digitsStart, scanned.length - digitsStart);
  return scanned;
}

RoundedDecimal RoundHalfAwayFromZero(const DecimalView& number, std::size_t places) {
  const std::string_view integer = TrimLeadingZeros(number.integerDigits);
  const std::string_view fraction = number.fractionDigits.substr(0, places);
  RoundedDecimal rounded;
  rounded.negative_ = number.negative;
  // One place in front for a carry out of the leading digit.
  char* const first = rounded.digits_.data() + 1;
  char* last = std::copy(integer.begin(), integer.end(), first);
  last = std::copy(fraction.begin(), fraction.end(), last);
  last = std::fill_n(last, places - fraction.size(), '0');

  // The sign is kept apart, so rounding the magnitude up is away from zero.
  bool carry = number.fractionDigits.size() > places && number.fractionDigits[places] >= '5';
  for (char* digit = last; carry && digit != first;) {
    --digit;
    carry = *digit == '9';
    *digit = carry ? '0' : static_cast<char>(*digit + 1);
  }
  char* begin = first;
  if (carry) *--begin = '1';

  const std::size_t length = static_cast<std::size_t>(last - begin);
  std::copy(begin, last, rounded.digits_.data());
  rounded.length_ = length;
  rounded.integerLength_ = length - places;
  if (IsAllZeros({rounded.digits_.data(), length})) rounded.negative_ = false;
  return rounded;
}

double DecimalToDouble(const DecimalView& number) {
  const std::string_view integer = TrimLeadingZeros(number.integerDigits);
  // Any integer of more digits than this lies beyond the double range; saying
  // so here spares from_chars a walk over a pasted megabyte of digits.
  constexpr std::size_t kMaxIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
  if (integer.size() > kMaxIntegerDigits) {
    return WithSign(number.negative, std::numeric_limits<double>::infinity());
  }
  if (number.decimalMark.empty() || number.decimalMark == ".") {
    return WithSign(number.negative,
                    FromUnsignedText<double>(number.unsignedText, !integer.empty()));
  }
  std::string text;
  text.reserve(number.integerDigits.size() + 1 + number.fractionDigits.size());
  text += number.integerDigits;
  text += '.';
  text += number.fractionDigits;
  return WithSign(number.negative, FromUnsignedText<double>(text, !integer.empty()));
}

float DecimalToSingle(const RoundedDecimal& number) {
  std::array<char, RoundedDecimal::kMaxIntegerDigits + 3 + RoundedDecimal::kMaxPlaces> text{};
  char* last = text.data();
  *last++ = '0';  // from_chars wants a digit before the point; a zero never hurts
  last = std::copy(number.integerDigits().begin(), number.integerDigits().end(), last);
  if (!number.fractionDigits().empty()) {
    *last++ = '.';
    last = std::copy(number.fractionDigits().begin(), number.fractionDigits().end(), last);
  }
  const std::string_view digits(text.data(), static_cast<std::size_t>(last - text.data()));
  return WithSign(number.negative(),
                  FromUnsignedText<float>(digits, !number.integerDigits().empty()));
}

}  // namespace velmora::sizing::detail
