#include "sizing/normalize_pressure_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using velmora::sizing::NormalizePressureText;

struct Case {
  std::string text;
  std::string separator;
  float expected;
};

constexpr float kInfinity = std::numeric_limits<float>::infinity();

void ExpectNormalized(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE("text: \"" + c.text + "\", separator: \"" + c.separator + "\"");
    const float pressure = NormalizePressureText(c.text, c.separator);
    EXPECT_EQ(pressure, c.expected);
    EXPECT_EQ(std::signbit(pressure), std::signbit(c.expected));
  }
}

TEST(NormalizePressureText, RoundsTheTypedDecimalToOnePlace) {
  ExpectNormalized({
      {"1", ".", 1.0F},
      {"0.76", ".", 0.8F},
      {"0.74", ".", 0.7F},
      {"0.04", ".", 0.0F},
      {"2.1", ".", 2.1F},
      // Ties go away from zero on the digits typed, not on a binary value
      // that lies just below or above them.
      {"0.25", ".", 0.3F},
      {"0.05", ".", 0.1F},
      {"0.15", ".", 0.2F},
      {"-0.25", ".", -0.3F},
      {"0.95", ".", 1.0F},
      {"9.96", ".", 10.0F},
      {"0.0499999999", ".", 0.0F},
      // Just under a tie, with more digits than a double keeps: as a double
      // these would be 1.25 and 0.05 and round up.
      {"1.2499999999999999", ".", 1.2F},
      {"0.049999999999999999", ".", 0.0F},
      {"1.2500000000000001", ".", 1.3F},
      // A negative pressure that rounds to zero is zero, not minus zero.
      {"-0.04", ".", 0.0F},
  });
}

TEST(NormalizePressureText, AcceptsBlanksSignAndBareMarks) {
  ExpectNormalized({
      {" \t0.5 \t", ".", 0.5F},
      {"1,5\r\n", ",", 1.5F},  // a pasted spreadsheet cell
      {"\v\f0.76\n", ".", 0.8F},
      {"+1.5", ".", 1.5F},
      {".5", ".", 0.5F},
      {"5.", ".", 5.0F},
      {"-1", ".", -1.0F},
      {"007.0", ".", 7.0F},
  });
}

TEST(NormalizePressureText, ReadsZeroForWhatIsNotANumber) {
  ExpectNormalized({
      {"", ".", 0.0F},
      {"   ", ".", 0.0F},
      {"abc", ".", 0.0F},
      {"-", ".", 0.0F},
      {"+", ".", 0.0F},
      {".", ".", 0.0F},
      {"0.5 bar", ".", 0.0F},
      {"1,5", ".", 0.0F},
      {"1.000,5", ",", 0.0F},
      {"1.2.3", ".", 0.0F},
      {"1\n5", ".", 0.0F},
      {"--1", ".", 0.0F},
      {"1e3", ".", 0.0F},
      {"\xD9\xA1", ".", 0.0F},
      {std::string("1\0", 2), ".", 0.0F},
  });
}

TEST(NormalizePressureText, ReadsTheUsersSeparatorAndThePoint) {
  ExpectNormalized({
      {"0,76", ",", 0.8F},
      {"0,5", ",", 0.5F},
      {"1,5", ",", 1.5F},
      {"2,1", ",", 2.1F},
      {"0.5", ",", 0.5F},
      {"0,04", ",", 0.0F},
      {"1\xD9\xAB"
       "25",
       "\xD9\xAB", 1.3F},
  });
}

TEST(NormalizePressureText, SaturatesBeyondTheSingleRange) {
  ExpectNormalized({
      {"340282346638528859811704183484516925440", ".", std::numeric_limits<float>::max()},
      // Exactly halfway to the next power of two: ties to even is infinity.
      {"340282356779733661637539395458142568448", ".", kInfinity},
      {"1" + std::string(40, '0'), ".", kInfinity},
      {"-1" + std::string(40, '0') + ",5", ",", -kInfinity},
      {"0." + std::string(60, '0') + "1", ".", 0.0F},
  });
}

TEST(NormalizePressureText, AnswersTenMegabyteTextsQuickly) {
  const std::size_t kTenMegabytes = 10'000'000;
  const std::vector<Case> cases{
      {std::string(kTenMegabytes, '9'), ".", kInfinity},
      {"0." + std::string(kTenMegabytes, '4'), ".", 0.4F},
      {std::string(kTenMegabytes, '0') + "1,5", ",", 1.5F},
      {"1" + std::string(kTenMegabytes, 'x'), ".", 0.0F},
      {std::string(kTenMegabytes, ' ') + "2", ".", 2.0F},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(NormalizePressureText(c.text, c.separator), c.expected);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
}

}  // namespace
