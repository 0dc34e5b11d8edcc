#include "sizing/format_by_pattern.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "sizing/shortest_digits.h"

namespace {

using velmora::sizing::FormatByPattern;
using velmora::sizing::NumberPattern;

struct Case {
  float value;
  NumberPattern pattern;
  std::string separator;
  std::string expected;
};

void ExpectFormatted(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE("value: " + std::to_string(c.value) + ", separator: \"" + c.separator + "\"");
    EXPECT_EQ(FormatByPattern(c.value, c.pattern, c.separator), c.expected);
  }
}

TEST(FormatByPattern, ShowsOneOrTwoDecimalsForTheVolume) {
  ExpectFormatted({
      {1.4814816F, "#0.0#", ".", "1.48"},
      {1.25F, "#0.0#", ".", "1.25"},
      {5.0F, "#0.0#", ".", "5.0"},
      {0.0F, "#0.0#", ".", "0.0"},
      {-0.5F, "#0.0#", ".", "-0.5"},
      {4.4444447F, "#0.0#", ".", "4.44"},
      {2.857143F, "#0.0#", ".", "2.86"},
      {12.5F, "#0.0#", ".", "12.5"},
      {0.995F, "#0.0#", ".", "1.0"},
      {9.999F, "#0.0#", ".", "10.0"},
      {-99.996F, "#0.0#", ".", "-100.0"},
  });
}

TEST(FormatByPattern, RoundsTheShortestDecimalHalfAwayFromZero) {
  ExpectFormatted({
      // Exactly 0.625 in binary, and a tie.
      {0.625F, "#0.0#", ".", "0.63"},
      // Stored as 0.32499998807..., shown by its shortest decimal 0.325.
      {0.325F, "#0.0#", ".", "0.33"},
      {-0.625F, "#0.0#", ".", "-0.63"},
      {0.25F, "#0.0", ".", "0.3"},
      {0.05F, "0.0", ".", "0.1"},
      {0.15F, "0.0", ".", "0.2"},
      {0.04F, "0.0", ".", "0.0"},
      // Rounded to zero, a negative value loses its sign.
      {-0.001F, "#0.0#", ".", "0.0"},
      {-0.0F, "#0.0#", ".", "0.0"},
      {-0.04F, "0.0", ".", "0.0"},
      {-0.05F, "#0.0", ".", "-0.1"},
  });
}

TEST(FormatByPattern, ShowsEveryDigitWithoutExponentOrGrouping) {
  ExpectFormatted({
      {std::numeric_limits<float>::max(), "#0.0#", ".",
       "340282350000000000000000000000000000000.0"},
      {-std::numeric_limits<float>::max(), "#0.0", ",",
       "-340282350000000000000000000000000000000,0"},
      {1e20F, "#0.0#", ".", "100000000000000000000.0"},
      {123456789.0F, "#0.0#", ".", "123456790.0"},
      // Above the whole-tenths shortcut's bound: 1048576.3 names this single
      // too, but 1048576.2 lies nearer.
      {1048576.25F, "#0.0#", ".", "1048576.2"},
      {1234.5F, "#0.0", ",", "1234,5"},
      {std::numeric_limits<float>::denorm_min(), "#0.0#", ".", "0.0"},
      {std::numeric_limits<float>::min(), "0.0", ".", "0.0"},
  });
}

TEST(FormatByPattern, WritesTheUsersSeparator) {
  ExpectFormatted({
      {1.4814816F, "#0.0#", ",", "1,48"},
      {5.0F, "#0.0#", ",", "5,0"},
      {0.6F, "#0.0", ",", "0,6"},
      {0.6F, "#0.0", ".", "0.6"},
      {-0.5F, "#0.0#", ",", "-0,5"},
      {1.4814816F, "#0.0#", "\xD9\xAB",
       "1\xD9\xAB"
       "48"},
  });
}

TEST(FormatByPattern, GivesAnEmptyTextForInfinityAndNaN) {
  for (const float value :
       {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(FormatByPattern(value, "#0.0#", "."), "");
  }
}

TEST(FormatByPattern, ShowsThePressureListEntries) {
  for (int tenths = 5; tenths <= 21; ++tenths) {
    const auto entry = static_cast<float>(tenths / 10.0);
    const std::string expected = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
    EXPECT_EQ(FormatByPattern(entry, "#0.0", ","), expected);
  }
}

// The digits an explanation shows for a stored value: enough to name the
// single exactly, never its binary tail, never rounded to a pattern.
TEST(ShortestDigits, NamesTheStoredSingleExactly) {
  struct DigitsCase {
    float value;
    std::string separator;
    std::string expected;
  };
  const std::vector<DigitsCase> cases{
      {0.8F, ",", "0,8"},
      {10.0F, ",", "10"},
      {1.0F, ".", "1"},
      {0.0F, ",", "0"},
      {-0.0F, ",", "0"},
      {-2.0F, ".", "-2"},
      {12.5F, ",", "12,5"},
      {0.76F, ".", "0.76"},
      {0.325F, ".", "0.325"},
      {3.125F, ",", "3,125"},
      {1e20F, ".", "100000000000000000000"},
      {std::numeric_limits<float>::max(), ",", "340282350000000000000000000000000000000"},
      {std::numeric_limits<float>::denorm_min(), ".", "0." + std::string(44, '0') + "1"},
      {1.5F, "\xD9\xAB",
       "1\xD9\xAB"
       "5"},
      {std::numeric_limits<float>::infinity(), ".", ""},
      {std::numeric_limits<float>::quiet_NaN(), ",", ""},
  };
  for (const DigitsCase& c : cases) {
    SCOPED_TRACE("value: " + std::to_string(c.value));
    EXPECT_EQ(velmora::sizing::ShortestDigits(c.value, c.separator), c.expected);
  }
}

// Whole tenths take a shortcut to their digits; every one of them must come
// out as the standard library's shortest decimal does, signs and all.
TEST(ShortestDigits, GivesWholeTenthsAsTheShortestDecimal) {
  std::array<char, 64> reference{};
  for (int tenths = -999'999; tenths <= 999'999; ++tenths) {
    const auto value = static_cast<float>(tenths / 10.0);
    const auto written =
        std::to_chars(reference.data(), reference.data() + reference.size(), value);
    const std::string expected(reference.data(), written.ptr);
    ASSERT_EQ(velmora::sizing::ShortestDigits(value, "."), expected) << tenths;
  }
  EXPECT_EQ(velmora::sizing::ShortestDigits(0.3F, "."), "0.3");
  EXPECT_EQ(velmora::sizing::ShortestDigits(-0.0F, "."), "0");
  EXPECT_EQ(velmora::sizing::ShortestDigits(99999.9F, ","), "99999,9");
  EXPECT_EQ(velmora::sizing::ShortestDigits(100000.1F, "."), "100000.1");
  EXPECT_EQ(velmora::sizing::ShortestDigits(1048576.25F, "."), "1048576.2");
}

static_assert(NumberPattern("#0.0#").minIntegerDigits() == 1);
static_assert(NumberPattern("#0.0#").minDecimals() == 1);
static_assert(NumberPattern("#0.0#").maxDecimals() == 2);
static_assert(NumberPattern("0.0").maxDecimals() == 1);
static_assert(NumberPattern("#0").maxDecimals() == 0);

}  // namespace
