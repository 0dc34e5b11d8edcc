#include "sizing/size_receiver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "sizing/format_by_pattern.h"

namespace {

using velmora::sizing::CompressorKind;
using velmora::sizing::PowerClass;
using velmora::sizing::SizeReceiver;
using velmora::sizing::SizingInputs;
using velmora::sizing::SizingState;

struct Outcome {
  float pressure;
  float volume;
  std::string shown;
};

struct Run {
  PowerClass powerClass;
  std::string flow;
  std::string pressure;
  std::string separator;
  Outcome screw;
  Outcome piston;
};

void ExpectOutcome(CompressorKind kind, const Run& run, const Outcome& expected) {
  SCOPED_TRACE(std::string(kind == CompressorKind::Screw ? "screw" : "piston") + ", flow \"" +
               run.flow + "\", pressure \"" + run.pressure + "\", separator \"" + run.separator +
               "\"");
  const SizingState state =
      SizeReceiver(kind, SizingInputs{run.powerClass, run.flow, run.pressure}, run.separator);
  EXPECT_EQ(state.PressureDifference, expected.pressure);
  ASSERT_TRUE(state.StorageVolume.has_value());
  // Bit for bit: a volume one single away from the rule's is a wrong result.
  EXPECT_EQ(*state.StorageVolume, expected.volume);
  EXPECT_EQ(velmora::sizing::FormatByPattern(*state.StorageVolume, "#0.0#", run.separator),
            expected.shown);
}

void ExpectRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    ExpectOutcome(CompressorKind::Screw, run, run.screw);
    ExpectOutcome(CompressorKind::Piston, run, run.piston);
  }
}

TEST(SizeReceiver, GivesTheWorkedRunsUnderAPointSetting) {
  ExpectRuns({
      {PowerClass::Class1, "3", "1", ".", {1, 0.5F, "0.5"}, {1, 1.5F, "1.5"}},
      {PowerClass::Class3, "10", "0.5", ".", {0.5F, 5, "5.0"}, {0.5F, 15, "15.0"}},
      {PowerClass::Class4, "4", "0.9", ".", {0.9F, 1.4814816F, "1.48"}, {0.9F, 4.4444447F, "4.44"}},
      {PowerClass::Class1, "6", "0.76", ".", {0.8F, 1.25F, "1.25"}, {0.76F, 3.9473684F, "3.95"}},
      {PowerClass::Class5, "12", "2.1", ".", {2.1F, 2.857143F, "2.86"}, {2.1F, 8.571429F, "8.57"}},
      {PowerClass::None, "2", "1", ".", {1, 2, "2.0"}, {1, 6, "6.0"}},
      {PowerClass::Class1, "", "1", ".", {1, 0, "0.0"}, {1, 0, "0.0"}},
      {PowerClass::Class2, "5", "0", ".", {0, 0, "0.0"}, {0, 0, "0.0"}},
      {PowerClass::Class3, "8", "-1", ".", {-1, 0, "0.0"}, {-1, 0, "0.0"}},
      {PowerClass::Class1, "-3", "1", ".", {1, -0.5F, "-0.5"}, {1, -1.5F, "-1.5"}},
  });
}

TEST(SizeReceiver, TellsThePressureReadingsApart) {
  ExpectRuns({
      // Rounded to 0.0 before the guard for screw; read as it stands for piston.
      {PowerClass::Class1, "1", "0.04", ".", {0, 0, "0.0"}, {0.04F, 12.5F, "12.5"}},
      // A stored volume of exactly 0.625 is a tie.
      {PowerClass::Class1, "1", "0.8", ".", {0.8F, 0.20833333F, "0.21"}, {0.8F, 0.625F, "0.63"}},
      {PowerClass::Class2, "7", "1.25", ".", {1.3F, 1.0769231F, "1.08"}, {1.25F, 3.36F, "3.36"}},
      // A flow of minus zero gives no minus sign on the result.
      {PowerClass::Class1, "-0", "1", ".", {1, -0.0F, "0.0"}, {1, -0.0F, "0.0"}},
  });
}

TEST(SizeReceiver, RoundsToSingleWhereTheRuleDoes) {
  // Each volume differs in its last bit from one computed all in single
  // precision, or from one using the typed pressure instead of the stored one.
  struct Rounding {
    CompressorKind kind;
    std::string flow;
    std::string pressure;
    float volume;
  };
  const std::vector<Rounding> cases{
      {CompressorKind::Piston, "0.1", "0.3", 0.166666657F},
      {CompressorKind::Piston, "0.1", "0.9", 0.0555555597F},
      {CompressorKind::Piston, "0.1", "2.1", 0.0238095261F},
      {CompressorKind::Screw, "0.1", "1.1", 0.0151515147F},
      {CompressorKind::Screw, "0.1", "1.7", 0.00980392098F},
  };
  for (const Rounding& c : cases) {
    SCOPED_TRACE("flow \"" + c.flow + "\", pressure \"" + c.pressure + "\"");
    const SizingState state =
        SizeReceiver(c.kind, SizingInputs{PowerClass::Class1, c.flow, c.pressure}, ".");
    EXPECT_EQ(state.StorageVolume, c.volume);
  }
}

TEST(SizeReceiver, ReadsTheCommaUnderACommaSetting) {
  ExpectRuns({
      {PowerClass::Class3, "10", "0,5", ",", {0.5F, 5, "5,0"}, {0.5F, 15, "15,0"}},
      {PowerClass::Class1, "6", "0,76", ",", {0.8F, 1.25F, "1,25"}, {0.76F, 3.9473684F, "3,95"}},
      {PowerClass::Class3, "10", "1,5", ",", {1.5F, 1.6666666F, "1,67"}, {1.5F, 5, "5,0"}},
      {PowerClass::Class3, "2,5", "1", ",", {1, 0.625F, "0,63"}, {1, 1.875F, "1,88"}},
      // The point still reads under a comma setting.
      {PowerClass::Class3, "10", "0.5", ",", {0.5F, 5, "5,0"}, {0.5F, 15, "15,0"}},
      // Cells pasted from a spreadsheet end in a line break.
      {PowerClass::Class3, "10\r\n", "0,5\r\n", ",", {0.5F, 5, "5,0"}, {0.5F, 15, "15,0"}},
      {PowerClass::Class3, "10\n", "1,5\n", ",", {1.5F, 1.6666666F, "1,67"}, {1.5F, 5, "5,0"}},
  });
}

TEST(SizeReceiver, StopsAtTheCommaUnderAPointSetting) {
  ExpectRuns({
      {PowerClass::Class3, "2,5", "1", ".", {1, 0.5F, "0.5"}, {1, 1.5F, "1.5"}},
      {PowerClass::Class3, "10", "1,5", ".", {0, 0, "0.0"}, {1, 7.5F, "7.5"}},
  });
}

TEST(SizeReceiver, AnswersAScrewPressureThatIsNoNumberWithZero) {
  for (const std::string pressure : {"", "abc", "-", "0.5 bar", "1.000,5", "1,5"}) {
    SCOPED_TRACE("pressure \"" + pressure + "\"");
    const SizingState state =
        SizeReceiver(CompressorKind::Screw, SizingInputs{PowerClass::Class1, "10", pressure}, ".");
    EXPECT_EQ(state.PressureDifference, 0.0F);
    EXPECT_EQ(state.StorageVolume, 0.0F);
  }
}

TEST(SizeReceiver, RecordsTheFactorOfEachClass) {
  const std::vector<std::pair<PowerClass, std::int16_t>> factors{
      {PowerClass::None, 5},    {PowerClass::Class1, 30}, {PowerClass::Class2, 25},
      {PowerClass::Class3, 20}, {PowerClass::Class4, 15}, {PowerClass::Class5, 10}};
  for (const auto& [powerClass, factor] : factors) {
    for (const CompressorKind kind : {CompressorKind::Screw, CompressorKind::Piston}) {
      const SizingState state = SizeReceiver(kind, SizingInputs{powerClass, "1", "1"}, ".");
      EXPECT_EQ(state.PowerClassFactor, factor);
      EXPECT_EQ(state.FreeAirDelivery, 1.0F);
    }
  }
}

TEST(SizeReceiver, GivesNoVolumeBeyondSinglePrecision) {
  const std::string beyondSingle = "1" + std::string(39, '0');
  const std::string largestSingle = "340282346638528859811704183484516925440";
  struct Beyond {
    std::string flow;
    std::string pressure;
  };
  const std::vector<Beyond> cases{
      {beyondSingle, "1"},
      {"-" + beyondSingle, "1"},
      {"1", beyondSingle},
      {"1" + std::string(400, '0'), "1"},
      {beyondSingle, "0"},
      // The quotient overflows although both inputs fit.
      {largestSingle, "0.1"},
  };
  for (const Beyond& c : cases) {
    for (const CompressorKind kind : {CompressorKind::Screw, CompressorKind::Piston}) {
      SCOPED_TRACE("flow \"" + c.flow + "\", pressure \"" + c.pressure + "\"");
      const SizingState state =
          SizeReceiver(kind, SizingInputs{PowerClass::Class5, c.flow, c.pressure}, ".");
      EXPECT_FALSE(state.StorageVolume.has_value());
    }
  }
}

TEST(SizeReceiver, ReadsFlowAndPistonPressureAtTheSingleEdge) {
  constexpr float kLargest = std::numeric_limits<float>::max();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const std::string largest = "340282346638528859811704183484516925440";
  // Halfway from the largest single to 2^128: a tie that rounds to even,
  // which is infinity. The double just below it still rounds to the largest
  // single (the flow is read as a double first, so a decimal nearer to
  // halfway than to that double is halfway already).
  const std::string halfway = "340282356779733661637539395458142568448";
  const std::string belowHalfway = "340282356779733623858607532500980858880";
  struct Edge {
    CompressorKind kind;
    std::string flow;
    std::string pressure;
    float flowRead;
    float pressureRead;
    bool hasVolume;
  };
  const std::vector<Edge> cases{
      {CompressorKind::Screw, largest, "2", kLargest, 2, true},
      {CompressorKind::Piston, largest, "2", kLargest, 2, true},
      {CompressorKind::Screw, belowHalfway, "2", kLargest, 2, true},
      {CompressorKind::Screw, halfway, "2", kInfinity, 2, false},
      {CompressorKind::Screw, "-" + largest, "2", -kLargest, 2, true},
      {CompressorKind::Piston, "-" + halfway, "2", -kInfinity, 2, false},
      {CompressorKind::Piston, "1", largest, 1, kLargest, true},
      {CompressorKind::Piston, "1", halfway, 1, kInfinity, false},
      {CompressorKind::Piston, "1", "-" + largest, 1, -kLargest, true},
      {CompressorKind::Piston, "1", "-" + halfway, 1, -kInfinity, false},
  };
  for (const Edge& c : cases) {
    SCOPED_TRACE("flow \"" + c.flow + "\", pressure \"" + c.pressure + "\"");
    const SizingState state =
        SizeReceiver(c.kind, SizingInputs{PowerClass::Class5, c.flow, c.pressure}, ".");
    EXPECT_EQ(state.FreeAirDelivery, c.flowRead);
    EXPECT_EQ(state.PressureDifference, c.pressureRead);
    EXPECT_EQ(state.StorageVolume.has_value(), c.hasVolume);
  }
}

TEST(SizeReceiver, KeepsTheLargestSingleWithinRange) {
  // Flow × 5 ÷ (10 × 0.5) is the flow again: the largest single, not infinity.
  const SizingState state = SizeReceiver(
      CompressorKind::Screw,
      SizingInputs{PowerClass::Class5, "340282346638528859811704183484516925440", "0.5"}, ".");
  ASSERT_TRUE(state.StorageVolume.has_value());
  EXPECT_EQ(*state.StorageVolume, std::numeric_limits<float>::max());
}

TEST(SizeReceiver, GivesNoVolumeForAPistonPressureTooSmallToDivideBy) {
  const std::string tiny = "0." + std::string(43, '0') + "1";
  const SizingState piston =
      SizeReceiver(CompressorKind::Piston, SizingInputs{PowerClass::Class1, "1", tiny}, ".");
  EXPECT_GT(piston.PressureDifference, 0.0F);
  EXPECT_FALSE(piston.StorageVolume.has_value());
  const SizingState screw =
      SizeReceiver(CompressorKind::Screw, SizingInputs{PowerClass::Class1, "1", tiny}, ".");
  EXPECT_EQ(screw.StorageVolume, 0.0F);
}

}  // namespace
