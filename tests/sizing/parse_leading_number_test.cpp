#include "sizing/parse_leading_number.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using velmora::sizing::ParseLeadingNumber;

struct Case {
  std::string text;
  std::string separator;
  double expected;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ParseLeadingNumber, ReadsTheNumberATextBeginsWith) {
  const std::vector<Case> cases{
      {"12", ".", 12},
      {"12.5 m3", ".", 12.5},
      {"-2", ".", -2},
      {"3 m3/dk", ".", 3},
      {"0.76", ".", 0.76},
      {"0.04", ".", 0.04},
      {"", ".", 0},
      {"abc", ".", 0},
      {" \t7", ".", 7},
      {"+4", ".", 4},
      {".5", ".", 0.5},
      {"5.", ".", 5},
      {"-.5", ".", -0.5},
      {"1.2.3", ".", 1.2},
      {"1e3", ".", 1},
      {"0x10", ".", 0},
      {"-", ".", 0},
      {"+", ".", 0},
      {".", ".", 0},
      {"- 5", ".", 0},
      {"\r\n\v\f5", ".", 5},
      {"1,5\r\n", ",", 1.5},  // a pasted spreadsheet cell
      {"1\n5", ".", 1},
      {"\xD9\xA1\xD9\xA2", ".", 0},  // Arabic-Indic digits are not digits here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text: \"" + c.text + "\"");
    EXPECT_EQ(ParseLeadingNumber(c.text, c.separator), c.expected);
  }
}

TEST(ParseLeadingNumber, HonoursTheUsersSeparatorBesideThePoint) {
  const std::vector<Case> cases{
      // Under a point setting a comma still ends the number.
      {"1,5", ".", 1},
      {"0,76", ".", 0},
      {"2,5", ".", 2},
      // Under a comma setting both marks are read, but only one of them.
      {"2,5", ",", 2.5},
      {"0,76", ",", 0.76},
      {"1,5", ",", 1.5},
      {"1.5", ",", 1.5},
      {",5", ",", 0.5},
      {"-0,5 bar", ",", -0.5},
      {"1.000,5", ",", 1},
      {"1,000.5", ",", 1},
      // A separator of more than one byte, as QLocale gives for Arabic.
      {"2\xD9\xAB"
       "5",
       "\xD9\xAB", 2.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text: \"" + c.text + "\", separator: \"" + c.separator + "\"");
    EXPECT_EQ(ParseLeadingNumber(c.text, c.separator), c.expected);
  }
}

// Whether what the calculation read is all that was typed: an explanation
// echoes the typed text exactly when it is not.
TEST(IsWholeNumberText, TellsANumberFromATextThatOnlyBeginsWithOne) {
  struct WholeCase {
    std::string text;
    std::string separator;
    bool whole;
  };
  const std::vector<WholeCase> cases{
      {"10", ",", true},
      {" 0,76\r\n", ",", true},
      {"-1", ",", true},
      {"+4", ".", true},
      {"1.5", ",", true},
      {"5.", ".", true},
      {".5", ".", true},
      {"1,5", ".", false},
      {"12,5 m3", ",", false},
      {"1.2.3", ".", false},
      {"abc", ",", false},
      {"", ",", false},
      {"   ", ",", false},
      {"-", ",", false},
      {"1 5", ".", false},
      {"2\xD9\xAB"
       "5",
       "\xD9\xAB", true},
  };
  for (const WholeCase& c : cases) {
    SCOPED_TRACE("text: \"" + c.text + "\", separator: \"" + c.separator + "\"");
    EXPECT_EQ(velmora::sizing::IsWholeNumberText(c.text, c.separator), c.whole);
  }
}

TEST(ParseLeadingNumber, SaturatesBeyondTheDoubleRange) {
  const std::string huge = "1" + std::string(400, '0');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(ParseLeadingNumber(huge, "."), kInfinity);
  EXPECT_EQ(ParseLeadingNumber("-" + huge, ","), -kInfinity);
  EXPECT_EQ(ParseLeadingNumber(tiny, "."), 0.0);
  EXPECT_EQ(ParseLeadingNumber("0," + tiny.substr(2), ","), 0.0);
  EXPECT_EQ(ParseLeadingNumber(std::string(400, '0') + "7", "."), 7.0);
  // The longest integer part a double holds, 309 digits, and one digit more,
  // which the reader answers without reading the digits.
  EXPECT_EQ(ParseLeadingNumber("17976931348623157" + std::string(292, '0'), "."),
            std::numeric_limits<double>::max());
  EXPECT_EQ(ParseLeadingNumber("1" + std::string(308, '0') + ".5", "."), 1e308);
  EXPECT_EQ(ParseLeadingNumber("1" + std::string(309, '0'), "."), kInfinity);
}

TEST(ParseLeadingNumber, AnswersTenMegabyteTextsQuickly) {
  const std::size_t kTenMegabytes = 10'000'000;
  const std::vector<Case> cases{
      {std::string(kTenMegabytes, '9'), ".", kInfinity},
      {"0." + std::string(kTenMegabytes, '3'), ".", 1.0 / 3.0},
      {"0," + std::string(kTenMegabytes, '3'), ",", 1.0 / 3.0},
      {"4" + std::string(kTenMegabytes, 'x'), ".", 4},
      {std::string(kTenMegabytes, ' '), ".", 0},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ParseLeadingNumber(c.text, c.separator), c.expected);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
}

}  // namespace
