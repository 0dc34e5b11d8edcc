#include "positional_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace velmora::sizing::detail {
namespace {

// Below a million tenths a decimal has at most six significant digits, and
// every decimal of six digits names a single of its own (FLT_DIG): the
// single nearest to n/10 has n/10 as its shortest round-trip decimal.
constexpr double kMostTenths = 1e6;

}  // namespace

PositionalDigits::PositionalDigits(float value) {
  if (!SpellWholeTenths(value)) SpellShortest(value);
}

DecimalView PositionalDigits::View() const {
  const std::string_view digits(buffer_.data(), length_);
  return {negative_, digits.substr(0, integerLength_), digits.substr(integerLength_), {}, {}};
}

// Every entry of the pressure list and many results are a whole number of
// tenths. Their digits are those tenths, which spares the general search for
// the shortest decimal and the start-up the pages of library code it runs.
bool PositionalDigits::SpellWholeTenths(float value) {
  const double scaled = static_cast<double>(value) * 10.0;
  if (!(std::fabs(scaled) < kMostTenths)) return false;
  // Rounded by hand: the library's rounding functions live in libm, whose
  // pages would cost start-up more than this spares.
  const auto tenths = static_cast<std::int32_t>(scaled + (scaled < 0.0 ? -0.5 : 0.5));
  // n / 10 in double rounds to the single nearest to the decimal n/10: no
  // decimal of six digits lies close enough to a midpoint between two
  // singles for the double's rounding to matter.
  if (static_cast<float>(tenths / 10.0) != value) return false;
  negative_ = std::signbit(value);
  const auto whole = static_cast<std::uint32_t>(tenths < 0 ? -tenths : tenths);
  const auto written = std::to_chars(buffer_.data(), buffer_.data() + buffer_.size(), whole / 10);
  integerLength_ = static_cast<std::size_t>(written.ptr - buffer_.data());
  length_ = integerLength_;
  if (whole % 10 != 0) buffer_[length_++] = static_cast<char>('0' + whole % 10);
  return true;
}

void PositionalDigits::SpellShortest(float value) {
  // Scientific form keeps the digits apart from the scale, whatever the
  // magnitude: "-1.4814816e+00", "3.4028235e+38", "1e-45".
  std::array<char, 32> scientific{};
  const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                     value, std::chars_format::scientific);
  std::string_view text(scientific.data(),
                        static_cast<std::size_t>(written.ptr - scientific.data()));
  negative_ = text.starts_with('-');
  if (negative_) text.remove_prefix(1);
  const std::size_t exponentAt = text.find('e');
  std::string_view exponentText = text.substr(exponentAt + 1);
  if (exponentText.starts_with('+')) exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  // Leading zeros of a value below one, then the significant digits, then
  // the zeros that scale a large value up to its integer length.
  std::size_t length = exponent < 0 ? static_cast<std::size_t>(-exponent - 1) : 0;
  std::fill_n(buffer_.begin(), length, '0');
  for (const char c : text.substr(0, exponentAt)) {
    if (c != '.') buffer_[length++] = c;
  }
  integerLength_ = exponent < 0 ? 0 : static_cast<std::size_t>(exponent) + 1;
  if (length < integerLength_) {
    std::fill(buffer_.begin() + static_cast<std::ptrdiff_t>(length),
              buffer_.begin() + static_cast<std::ptrdiff_t>(integerLength_), '0');
    length = integerLength_;
  }
  length_ = length;
}

}  // namespace velmora::sizing::detail
