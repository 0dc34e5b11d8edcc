#pragma once

#include <array>
#include <cstddef>

#include "decimal_text.h"

namespace velmora::sizing::detail {

// A single's shortest round-trip decimal, spelt out in positional form in a
// buffer of its own: the widest has 39 digits before the point (the largest
// single) or 53 after it (the smallest subnormals), so no allocation is needed.
class PositionalDigits {
 public:
  explicit PositionalDigits(float value);

  DecimalView View() const;

 private:
  bool SpellWholeTenths(float value);
  void SpellShortest(float value);

  std::array<char, 64> buffer_{};
  std::size_t length_ = 0;
  std::size_t integerLength_ = 0;
  bool negative_ = false;
};

}  // namespace velmora::sizing::detail
