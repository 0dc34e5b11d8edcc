#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sizing::detail {
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

void IncrementLastDigit(std::string& digits, bool& carry) {
  for (auto digit = digits.rbegin(); carry && digit != digits.rend(); ++digit) {
    if (*digit == '9') {
      *digit = '0';
    } else {
      ++*digit;
      carry = false;
    }
  }
}

bool IsAllZeros(std::string_view digits) {
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeadingBlanks(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
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
  RoundedDecimal rounded{number.negative, std::string(TrimLeadingZeros(number.integerDigits)),
                         std::string(number.fractionDigits.substr(0, places))};
  rounded.fractionDigits.resize(places, '0');
  // The sign is kept apart, so rounding the magnitude up is away from zero.
  bool carry = number.fractionDigits.size() > places && number.fractionDigits[places] >= '5';
  IncrementLastDigit(rounded.fractionDigits, carry);
  IncrementLastDigit(rounded.integerDigits, carry);
  if (carry) rounded.integerDigits.insert(rounded.integerDigits.begin(), '1');
  if (IsAllZeros(rounded.integerDigits) && IsAllZeros(rounded.fractionDigits)) {
    rounded.negative = false;
  }
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
  std::string text = number.integerDigits.empty() ? "0" : number.integerDigits;
  if (!number.fractionDigits.empty()) {
    text += '.';
    text += number.fractionDigits;
  }
  return WithSign(number.negative, FromUnsignedText<float>(text, !number.integerDigits.empty()));
}

}  // namespace sizing::detail
