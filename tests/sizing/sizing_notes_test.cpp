#include "sizing/sizing_notes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sizing/size_receiver.h"

namespace {

using velmora::sizing::CompressorKind;
using velmora::sizing::DeliveryBand;
using velmora::sizing::PowerClass;
using velmora::sizing::SizingNote;
using velmora::sizing::SizingNoteKind;
using Kind = SizingNoteKind;

struct NoteCase {
  const char* name;
  CompressorKind kind;
  PowerClass powerClass;
  std::string flow;
  std::string pressure;
  std::string separator;
  std::vector<Kind> notes;
};

std::vector<SizingNote> NotesFor(const NoteCase& row) {
  const velmora::sizing::SizingInputs inputs{row.powerClass, row.flow, row.pressure};
  return velmora::sizing::NotesOn(row.kind, inputs,
                                  velmora::sizing::SizeReceiver(row.kind, inputs, row.separator),
                                  row.separator);
}

constexpr auto kScrew = CompressorKind::Screw;
constexpr auto kPiston = CompressorKind::Piston;

TEST(SizingNotes, AreRaisedByTheUsualMistakesAndNotByOrdinaryValues) {
  const std::string beyondSingle = "1" + std::string(39, '0');
  const std::vector<NoteCase> rows{
      {"an ordinary value", kScrew, PowerClass::Class3, "10", "0,5", ",", {}},
      {"empty flow", kScrew, PowerClass::Class1, "", "1", ",", {}},
      {"flow 0", kPiston, PowerClass::Class1, "0", "1", ".", {}},
      {"negative flow", kScrew, PowerClass::Class1, "-3", "1", ".", {Kind::NegativeVolume}},
      {"negative flow, pressure 0",
       kScrew,
       PowerClass::Class1,
       "-3",
       "0",
       ",",
       {Kind::NegativeFlow}},
      {"negative flow, negative pressure",
       kPiston,
       PowerClass::Class1,
       "-3",
       "-1",
       ".",
       {Kind::NegativeFlow}},
      {"negative flow, a screw pressure that is no number",
       kScrew,
       PowerClass::Class1,
       "-3",
       "abc",
       ",",
       {Kind::NegativeFlow, Kind::ScrewPressureNotANumber}},
      {"a negative flow too small to show",
       kPiston,
       PowerClass::Class1,
       "-0.001",
       "1",
       ".",
       {Kind::NegativeFlow}},
      {"l/s typed as m3/min", kScrew, PowerClass::Class1, "100", "1", ",", {Kind::UnusualFlow}},
      {"m3/h typed as m3/min", kPiston, PowerClass::Class1, "600", "1", ".", {Kind::UnusualFlow}},
      {"a unit after the flow",
       kScrew,
       PowerClass::Class1,
       "100 l/s",
       "1",
       ",",
       {Kind::UnusualFlow, Kind::FlowNotWhollyANumber}},
      {"a flow that is no number",
       kScrew,
       PowerClass::Class1,
       "abc",
       "1",
       ",",
       {Kind::FlowNotWhollyANumber}},
      {"thousands with a point, comma setting",
       kScrew,
       PowerClass::Class1,
       "1.500",
       "1",
       ",",
       {Kind::FlowWithGroupedThousands}},
      {"thousands read as 12",
       kPiston,
       PowerClass::Class3,
       "12.000",
       "1",
       ",",
       {Kind::FlowWithGroupedThousands}},
      {"two groups of thousands",
       kScrew,
       PowerClass::Class1,
       "1.500.000",
       "1",
       ",",
       {Kind::FlowWithGroupedThousands}},
      {"thousands with a blank, comma setting",
       kScrew,
       PowerClass::Class1,
       "1 500",
       "1",
       ",",
       {Kind::FlowWithGroupedThousands}},
      {"a blank before two digits is no grouping",
       kPiston,
       PowerClass::Class1,
       "1 50",
       "1",
       ".",
       {Kind::FlowNotWhollyANumber}},
      {"1.500 under a point setting is 1.5", kScrew, PowerClass::Class1, "1.500", "1", ".", {}},
      {"no group begins with 0: 0.500 is a decimal",
       kScrew,
       PowerClass::Class1,
       "0.500",
       "1",
       ",",
       {}},
      {"nor with 0 after a sign",
       kPiston,
       PowerClass::Class1,
       "-0.500",
       "1",
       ",",
       {Kind::NegativeVolume}},
      {"1,500 under a comma setting is 1.5", kScrew, PowerClass::Class1, "1,500", "1", ",", {}},
      {"thousands with a comma, point setting",
       kScrew,
       PowerClass::Class3,
       "1,500",
       "1",
       ".",
       {Kind::UnusualFlow, Kind::FlowWithGroupedThousands}},
      {"thousands with a comma, Arabic setting",
       kPiston,
       PowerClass::Class3,
       "12,000",
       "1",
       "\u066b",
       {Kind::FlowWithGroupedThousands}},
      {"a decimal comma under a point setting",
       kScrew,
       PowerClass::Class1,
       "1,5",
       "1",
       ".",
       {Kind::FlowNotWhollyANumber}},
      {"four digits before the point are no grouping",
       kScrew,
       PowerClass::None,
       "1234.567",
       "1",
       ",",
       {}},
      {"two digits after the point are no grouping",
       kScrew,
       PowerClass::Class1,
       "1.50",
       "1",
       ",",
       {}},
      {"a unit after the screw pressure",
       kScrew,
       PowerClass::Class3,
       "10",
       "1,5 bar",
       ",",
       {Kind::ScrewPressureNotANumber}},
      {"a unit after the piston pressure",
       kPiston,
       PowerClass::Class3,
       "10",
       "1,5 bar",
       ",",
       {Kind::PressureNotWhollyANumber}},
      {"operating pressure",
       kScrew,
       PowerClass::Class3,
       "10",
       "8",
       ",",
       {Kind::OperatingPressureTyped}},
      {"4 bar", kPiston, PowerClass::Class3, "10", "4", ".", {Kind::OperatingPressureTyped}},
      {"3.9 bar", kPiston, PowerClass::Class3, "10", "3.9", ".", {}},
      {"0.29 bar", kPiston, PowerClass::Class3, "10", "0.29", ".", {Kind::NarrowPressureBand}},
      {"0.3 bar", kPiston, PowerClass::Class3, "10", "0.3", ".", {}},
      {"0,25 rounded to 0,3 by the screw variant",
       kScrew,
       PowerClass::Class3,
       "10",
       "0,25",
       ",",
       {Kind::RoundingShrankVolume}},
      {"0,45 rounded to 0,5",
       kScrew,
       PowerClass::Class3,
       "10",
       "0,45",
       ",",
       {Kind::RoundingShrankVolume}},
      {"0,75 rounded to 0,8",
       kScrew,
       PowerClass::Class3,
       "10",
       "0,75",
       ",",
       {Kind::RoundingShrankVolume}},
      {"0,95 rounded to 1: just 5 % smaller",
       kScrew,
       PowerClass::Class2,
       "3",
       "0.95",
       ".",
       {Kind::RoundingShrankVolume}},
      {"1,05 rounded to 1,1: under 5 % smaller", kScrew, PowerClass::Class3, "10", "1,05", ",", {}},
      {"0,74 rounded down to 0,7: larger", kScrew, PowerClass::Class3, "10", "0,74", ",", {}},
      {"0,50 is not rounded", kScrew, PowerClass::Class3, "10", "0,50", ",", {}},
      {"0,04 rounded to 0: no volume at all",
       kScrew,
       PowerClass::Class3,
       "10",
       "0,04",
       ",",
       {Kind::RoundingShrankVolume}},
      {"0,25 with no flow", kScrew, PowerClass::Class3, "", "0,25", ",", {}},
      {"0,25 with a negative flow",
       kScrew,
       PowerClass::Class1,
       "-3",
       "0,25",
       ",",
       {Kind::NegativeVolume}},
      {"0,15 rounded to 0,2: narrow and rounded",
       kScrew,
       PowerClass::Class3,
       "10",
       "0,15",
       ",",
       {Kind::NarrowPressureBand, Kind::RoundingShrankVolume}},
      {"0,25 used by the piston variant",
       kPiston,
       PowerClass::Class3,
       "10",
       "0,25",
       ",",
       {Kind::NarrowPressureBand}},
      {"pressure 0", kScrew, PowerClass::Class3, "10", "0", ",", {}},
      {"negative pressure", kPiston, PowerClass::Class3, "10", "-1", ",", {}},
      {"every mistake at once",
       kPiston,
       PowerClass::Class2,
       "-100 l/s",
       "8 bar",
       ",",
       {Kind::NegativeVolume, Kind::FlowNotWhollyANumber, Kind::PressureNotWhollyANumber,
        Kind::OperatingPressureTyped}},
      {"no band for no class", kScrew, PowerClass::None, "1000", "1", ".", {}},
      {"no result, no notes", kScrew, PowerClass::Class1, beyondSingle, "8 bar", ".", {}},
  };
  for (const NoteCase& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Kind> kinds;
    for (const SizingNote& note : NotesFor(row)) kinds.push_back(note.kind);
    EXPECT_EQ(kinds, row.notes);
  }
}

TEST(SizingNotes, SayWhetherAnyNumberWasReadAndWhetherACommaEndedIt) {
  struct ReadCase {
    NoteCase row;
    bool read;
    bool commaEnded;
  };
  const std::vector<ReadCase> rows{
      {{"flow with a unit", kScrew, PowerClass::Class1, "1 m3", "1", ".", {}}, true, false},
      {{"flow of letters", kScrew, PowerClass::Class1, "abc", "1", ".", {}}, false, false},
      {{"screw pressure with a unit", kScrew, PowerClass::Class1, "1", "1 bar", ".", {}},
       false,
       false},
      {{"piston pressure with a unit", kPiston, PowerClass::Class1, "1", "1 bar", ".", {}},
       true,
       false},
      {{"piston pressure of letters", kPiston, PowerClass::Class1, "1", "bar", ".", {}},
       false,
       false},
      {{"flow 1,5, point setting", kPiston, PowerClass::Class1, "1,5", "1", ".", {}}, true, true},
      {{"flow 1,5 with a unit, Arabic setting",
        kPiston,
        PowerClass::Class1,
        "1,5 m3",
        "1",
        "\u066b",
        {}},
       true,
       true},
      {{"piston pressure 0,5, point setting", kPiston, PowerClass::Class1, "1", "0,5", ".", {}},
       true,
       true},
      {{"screw pressure 0,5, point setting", kScrew, PowerClass::Class1, "1", "0,5", ".", {}},
       false,
       true},
      {{"a comma and no digit is a unit's", kPiston, PowerClass::Class1, "1, m3", "1", ".", {}},
       true,
       false},
      {{"a second decimal mark, comma setting", kPiston, PowerClass::Class1, "1.5,5", "1", ",", {}},
       true,
       false},
  };
  for (const auto& [row, read, commaEnded] : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<SizingNote> notes = NotesFor(row);
    ASSERT_EQ(notes.size(), 1U);
    EXPECT_EQ(notes[0].numberRead, read);
    EXPECT_EQ(notes[0].commaEndedNumber, commaEnded);
  }
}

TEST(SizingNotes, NameTheMarkThousandsWereGroupedWith) {
  const std::vector<std::pair<NoteCase, char>> rows{
      {{"comma setting", kScrew, PowerClass::None, "1.500", "1", ",", {}}, '.'},
      {{"point setting", kScrew, PowerClass::None, "1,500", "1", ".", {}}, ','},
      {{"two groups, point setting", kScrew, PowerClass::None, "1,500,000", "1", ".", {}}, ','},
      {{"a blank, point setting", kScrew, PowerClass::None, "12 000", "1", ".", {}}, ' '},
      {{"a blank, comma setting", kPiston, PowerClass::None, "1 500 000", "1", ",", {}}, ' '},
  };
  for (const auto& [row, mark] : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<SizingNote> notes = NotesFor(row);
    ASSERT_EQ(notes.size(), 1U);
    EXPECT_EQ(notes[0].kind, Kind::FlowWithGroupedThousands);
    EXPECT_EQ(notes[0].groupingMark, mark);
  }
}

// The volume the typed pressure needs, as the rule itself works it out
// from that pressure: the note's number is the one the screw variant would
// have shown had it not rounded.
TEST(SizingNotes, RoundingNoteGivesTheTypedPressuresVolume) {
  struct RoundingCase {
    NoteCase row;
    float typedPressure;
    float volume;
  };
  const std::vector<RoundingCase> rows{
      {{"0,25 for 0,3", kScrew, PowerClass::Class3, "10", "0,25", ",", {}}, 0.25F, 10.0F},
      {{"0,45 for 0,5", kScrew, PowerClass::Class3, "10", "0,45", ",", {}}, 0.45F, 5.5555558F},
      {{"0,75 for 0,8", kScrew, PowerClass::Class3, "10", "0,75", ",", {}}, 0.75F, 3.3333333F},
      {{"0,95 for 1", kScrew, PowerClass::Class2, "3", "0.95", ".", {}}, 0.95F, 0.63157898F},
      {{"0,04 for 0", kScrew, PowerClass::Class3, "10", "0,04", ",", {}}, 0.04F, 62.5F},
      {{"blanks around it", kScrew, PowerClass::Class3, "10", " 0.25\t", ".", {}}, 0.25F, 10.0F},
  };
  for (const auto& [row, typedPressure, volume] : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<SizingNote> notes = NotesFor(row);
    ASSERT_EQ(notes.size(), 1U);
    EXPECT_EQ(notes[0].typedPressure, typedPressure);
    EXPECT_EQ(notes[0].typedPressureVolume, volume);
  }
}

// The band's edges as the note states them, each just inside (no note) and
// one hundredth outside (a note naming the band).
TEST(SizingNotes, UsualDeliveryBandOfEachClass) {
  struct BandCase {
    PowerClass powerClass;
    const char* lowest;
    const char* belowLowest;
    const char* highest;
    const char* aboveHighest;
    DeliveryBand band;
  };
  const std::vector<BandCase> rows{
      {PowerClass::Class1, "0.27", "0.26", "1.88", "1.89", {0.27F, 1.88F}},
      {PowerClass::Class2, "0.73", "0.72", "5.5", "5.51", {0.73F, 5.5F}},
      {PowerClass::Class3, "2", "1.99", "13.75", "13.76", {2.0F, 13.75F}},
      {PowerClass::Class4, "4", "3.99", "22.5", "22.51", {4.0F, 22.5F}},
      {PowerClass::Class5, "7.33", "7.32", "40", "40.01", {7.33F, 40.0F}},
  };
  for (const BandCase& row : rows) {
    for (const char* flow : {row.lowest, row.highest}) {
      SCOPED_TRACE(flow);
      EXPECT_TRUE(NotesFor({"", kScrew, row.powerClass, flow, "1", ".", {}}).empty());
    }
    for (const char* flow : {row.belowLowest, row.aboveHighest}) {
      SCOPED_TRACE(flow);
      const std::vector<SizingNote> notes =
          NotesFor({"", kPiston, row.powerClass, flow, "1", ".", {}});
      ASSERT_EQ(notes.size(), 1U);
      EXPECT_EQ(notes[0].kind, Kind::UnusualFlow);
      EXPECT_EQ(notes[0].band.lowest, row.band.lowest);
      EXPECT_EQ(notes[0].band.highest, row.band.highest);
    }
  }
}

}  // namespace
