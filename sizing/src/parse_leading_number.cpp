#include "sizing/parse_leading_number.h"

#include "decimal_text.h"
#include "single_precision.h"

namespace velmora::sizing {

double ParseLeadingNumber(std::string_view text, std::string_view decimalSeparator) {
  const detail::ScannedDecimal scanned =
      detail::ScanDecimal(detail::TrimLeadingBlanks(text), decimalSeparator);
  if (scanned.length == 0) return 0.0;
  return detail::DecimalToDouble(scanned.number);
}

float ParseLeadingSingle(std::string_view text, std::string_view decimalSeparator) {
  return detail::RoundToSingle(ParseLeadingNumber(text, decimalSeparator));
}

bool IsWholeNumberText(std::string_view text, std::string_view decimalSeparator) {
  const std::string_view trimmed = detail::TrimBlanks(text);
  const std::size_t length = detail::ScanDecimal(trimmed, decimalSeparator).length;
  return length != 0 && length == trimmed.size();
}

}  // namespace velmora::sizing
