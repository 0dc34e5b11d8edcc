#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

#include "decimal_text.h"

namespace velmora::sizing::detail {

// A single's shortest round-trip decimal, spelt out in positional form in a
// buffer of its own: the widest has 39 digits before the point (the largest
// single) or 53 after it (the smallest subnormals), so no allocation is needed.
class PositionalDigits {
 public:
  explicit PositionalDigits(float value) {
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

  DecimalView View() const {
    const std::string_view digits(buffer_.data(), length_);
    return {negative_, digits.substr(0, integerLength_), digits.substr(integerLength_), {}, {}};
  }

 private:
  std::array<char, 64> buffer_{};
  std::size_t length_ = 0;
  std::size_t integerLength_ = 0;
  bool negative_ = false;
};

}  // namespace velmora::sizing::detail
