#pragma once

#include <cstddef>

namespace velmora::sizing {

// A number pattern such as "#0.0#": '#' is a digit shown only when
// significant, '0' a digit always shown, '.' the decimal separator's place.
// Patterns are checked when the program is compiled: a malformed one does
// not build.
class NumberPattern {
 public:
  // NOLINTNEXTLINE(google-explicit-constructor): patterns read best as literals
  consteval NumberPattern(const char* pattern) {
    std::size_t i = 0;
    while (pattern[i] == '#') ++i;
    while (pattern[i] == '0') {
      ++minIntegerDigits_;
      ++i;
    }
    if (pattern[i] == '.') {
      ++i;
      while (pattern[i] == '0') {
        ++minDecimals_;
        ++i;
      }
      maxDecimals_ = minDecimals_;
      while (pattern[i] == '#') {
        ++maxDecimals_;
        ++i;
      }
    }
    if (pattern[i] != '\0' || minIntegerDigits_ == 0) {
      throw "a number pattern is '#'*, '0'+, then optionally '.', '0'*, '#'*";
    }
    if (maxDecimals_ > kMaxDecimals) throw "a number pattern has at most nine decimals";
  }

  static constexpr std::size_t kMaxDecimals = 9;

  constexpr std::size_t minIntegerDigits() const { return minIntegerDigits_; }
  constexpr std::size_t minDecimals() const { return minDecimals_; }
  constexpr std::size_t maxDecimals() const { return maxDecimals_; }

 private:
  std::size_t minIntegerDigits_ = 0;
  std::size_t minDecimals_ = 0;
  std::size_t maxDecimals_ = 0;
};

}  // namespace velmora::sizing
