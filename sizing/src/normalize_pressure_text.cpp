#include "sizing/normalize_pressure_text.h"

#include <limits>

#include "decimal_text.h"

namespace velmora::sizing {

float NormalizePressureText(std::string_view text, std::string_view decimalSeparator) {
  const std::string_view trimmed = detail::TrimBlanks(text);
  const detail::ScannedDecimal scanned = detail::ScanDecimal(trimmed, decimalSeparator);
  if (scanned.length == 0 || scanned.length != trimmed.size()) return 0.0F;

  // No single has more integer digits than the rounding holds; deciding it
  // here keeps a pasted megabyte of digits out of the rounding's buffer.
  if (detail::TrimLeadingZeros(scanned.number.integerDigits).size() >
      detail::RoundedDecimal::kMaxIntegerDigits) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    return scanned.number.negative ? -kInfinity : kInfinity;
  }
  return detail::DecimalToSingle(detail::RoundHalfAwayFromZero(scanned.number, 1));
}

}  // namespace velmora::sizing
