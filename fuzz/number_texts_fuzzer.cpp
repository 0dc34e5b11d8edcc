// Arbitrary bytes, invalid UTF-8 included, through the three number-text
// operations under both separators.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "pattern_shape.h"
#include "sizing/format_by_pattern.h"
#include "sizing/normalize_pressure_text.h"
#include "sizing/parse_leading_number.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckFormatted(float value, std::string_view separator) {
  const std::string volume = velmora::sizing::FormatByPattern(value, "#0.0#", separator);
  const std::string entry = velmora::sizing::FormatByPattern(value, "#0.0", separator);
  const std::string rounded = velmora::sizing::FormatByPattern(value, "0.0", separator);
  if (!std::isfinite(value)) {
    Require(volume.empty() && entry.empty() && rounded.empty());
    return;
  }
  Require(velmora::testing::HasPatternShape(volume, "#0.0#", separator));
  Require(velmora::testing::HasPatternShape(entry, "#0.0", separator));
  Require(velmora::testing::HasPatternShape(rounded, "0.0", separator));
}

void CheckTexts(std::string_view text, std::string_view separator) {
  const double parsed = velmora::sizing::ParseLeadingNumber(text, separator);
  Require(!std::isnan(parsed));

  const float pressure = velmora::sizing::NormalizePressureText(text, separator);
  Require(!std::isnan(pressure));
  if (std::isfinite(pressure)) {
    // A normalised pressure is already rounded to one decimal: formatting
    // and reading it again must give it back.
    const std::string shown = velmora::sizing::FormatByPattern(pressure, "0.0", separator);
    Require(velmora::sizing::NormalizePressureText(shown, separator) == pressure);
    CheckFormatted(pressure, separator);
  }
  if (std::fabs(parsed) <= 3.4e38) CheckFormatted(static_cast<float>(parsed), separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view separator : {".", ","}) {
    CheckTexts(text, separator);
    if (size >= sizeof(float)) {
      float bits = 0;
      std::memcpy(&bits, data, sizeof bits);
      CheckFormatted(bits, separator);
    }
  }
  return 0;
}
