#include "sizing/parse_leading_number.h"

#include "decimal_text.h"

namespace velmora::sizing {

double ParseLeadingNumber(std::string_view text, std::string_view decimalSeparator) {
  const detail::ScannedDecimal scanned =
      detail::ScanDecimal(detail::TrimLeadingBlanks(text), decimalSeparator);
  if (scanned.length == 0) return 0.0;
  return detail::DecimalToDouble(scanned.number);
}

}  // namespace velmora::sizing
