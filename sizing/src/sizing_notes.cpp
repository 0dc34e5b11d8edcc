#include "sizing/sizing_notes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "decimal_text.h"
#include "rule_volume.h"
#include "single_precision.h"
#include "sizing/format_by_pattern.h"
#include "sizing/parse_leading_number.h"
#include "sizing/volume_pattern.h"

namespace velmora::sizing {
namespace {

struct PowerRange {
  double lowestKilowatts;
  double highestKilowatts;
};

// Hundredths rounded half away from zero, as the note shows them.
float ToHundredths(double value) {
  return detail::RoundToSingle(static_cast<double>(std::lround(value * 100.0)) / 100.0);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "1.500", "-12.000", "1.500.000": one to three digits, the first not 0,
// then groups of the mark and exactly three digits. That is how fifteen
// hundred is written by hand where the mark is not the decimal one; a group
// never begins with 0, so "0.500" is the decimal it looks like.
bool IsGroupedThousands(std::string_view text, char mark) {
  text = detail::TrimBlanks(text);
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  std::size_t lead = 0;
  while (lead < text.size() && IsDigit(text[lead])) ++lead;
  if (lead == 0 || lead > 3 || lead == text.size() || text[0] == '0') return false;
  text.remove_prefix(lead);
  while (!text.empty()) {
    if (text.size() < 4 || text[0] != mark || !IsDigit(text[1]) || !IsDigit(text[2]) ||
        !IsDigit(text[3])) {
      return false;
    }
    text.remove_prefix(4);
  }
  return true;
}

// The mark the text groups thousands with, if it does: the point under a
// comma setting, the comma under any other, and a blank under every one
// ("1 500", as settings that group with a narrow no-break space write it,
// which the window reads as a blank).
std::optional<char> GroupingMarkIn(std::string_view text, std::string_view decimalSeparator) {
  for (const char mark : {decimalSeparator == "," ? '.' : ',', ' '}) {
    if (IsGroupedThousands(text, mark)) return mark;
  }
  return std::nullopt;
}

// A leading number followed by a comma and a digit, where the comma is no
// decimal mark: the user wrote a decimal, not a unit.
bool CommaEndsNumber(std::string_view text, std::string_view decimalSeparator) {
  if (decimalSeparator == ",") return false;
  const std::string_view trimmed = detail::TrimLeadingBlanks(text);
  const std::size_t length = detail::ScanDecimal(trimmed, decimalSeparator).length;
  if (length == 0) return false;
  const std::string_view rest = trimmed.substr(length);
  return rest.size() >= 2 && rest[0] == ',' && IsDigit(rest[1]);
}

TextReading ReadingOfText(std::string_view text, std::string_view decimalSeparator) {
  const std::string_view trimmed = detail::TrimBlanks(text);
  const std::size_t length = detail::ScanDecimal(trimmed, decimalSeparator).length;
  return {trimmed.empty(), length != 0 && length == trimmed.size(), length != 0};
}

// Whether rounding to one decimal changes the decimal the text holds: a
// digit other than 0 after the first decimal.
bool HasSecondDecimal(std::string_view text, std::string_view decimalSeparator) {
  const std::string_view fraction =
      detail::ScanDecimal(detail::TrimBlanks(text), decimalSeparator).number.fractionDigits;
  return fraction.size() > 1 &&
         std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
}

// As the result is shown: "-0,001" shows 0,0, and is no negative volume.
bool ShowsNegative(float volume) {
  return FormatByPattern(volume, kVolumePattern, ".").starts_with('-');
}

SizingNote NoteOf(SizingNoteKind kind) {
  SizingNote note;
  note.kind = kind;
  return note;
}

SizingNote NotWhollyANumber(SizingNoteKind kind, bool numberRead, bool commaEndedNumber) {
  SizingNote note = NoteOf(kind);
  note.numberRead = numberRead;
  note.commaEndedNumber = commaEndedNumber;
  return note;
}

bool ShowSame(float a, float b) {
  return FormatByPattern(a, kVolumePattern, ".") == FormatByPattern(b, kVolumePattern, ".");
}

void NoteOnFlow(PowerClass powerClass, std::string_view text, const TextReading& reading,
                const SizingState& state, std::string_view decimalSeparator,
                std::vector<SizingNote>& notes) {
  const float flow = state.FreeAirDelivery;
  if (flow < 0.0F) {
    notes.push_back(NoteOf(ShowsNegative(*state.StorageVolume) ? SizingNoteKind::NegativeVolume
                                                               : SizingNoteKind::NegativeFlow));
  }
  if (const auto band = UsualDeliveryOf(powerClass);
      band && flow > 0.0F && (flow < band->lowest || flow > band->highest)) {
    SizingNote note = NoteOf(SizingNoteKind::UnusualFlow);
    note.band = *band;
    notes.push_back(note);
  }
  // The grouped-thousands note says why the text was not read as meant.
  if (const auto mark = GroupingMarkIn(text, decimalSeparator)) {
    SizingNote note = NoteOf(SizingNoteKind::FlowWithGroupedThousands);
    note.groupingMark = *mark;
    notes.push_back(note);
  } else if (!reading.blank && !reading.whole) {
    notes.push_back(
        NotWhollyANumber(SizingNoteKind::FlowNotWhollyANumber, reading.numberRead,
                         reading.numberRead && CommaEndsNumber(text, decimalSeparator)));
  }
}

// Where the screw variant's rounding takes a sizeable share off the volume,
// the volume the typed pressure needs, by the rule's own arithmetic.
std::optional<SizingNote> RoundingNote(CompressorKind kind, const SizingReading& reading,
                                       const SizingState& state) {
  const float typed = reading.typedPressure;
  const float used = state.PressureDifference;
  if (kind != CompressorKind::Screw || !reading.pressureRounded || !(typed > 0.0F) ||
      !(state.FreeAirDelivery > 0.0F)) {
    return std::nullopt;
  }
  // The volume goes as 1 ÷ pressure: the share is typed ÷ used, decided on
  // the pressures so that flow and class, which cancel, cannot tip it.
  if (used > 0.0F && static_cast<double>(typed) > kRoundedVolumeShare * static_cast<double>(used)) {
    return std::nullopt;
  }
  const float volume =
      detail::RuleVolume(kind, state.PowerClassFactor, state.FreeAirDelivery, typed);
  if (!std::isfinite(volume) || ShowSame(volume, *state.StorageVolume)) return std::nullopt;
  SizingNote note = NoteOf(SizingNoteKind::RoundingShrankVolume);
  note.typedPressure = typed;
  note.typedPressureVolume = volume;
  return note;
}

void NoteOnPressure(CompressorKind kind, std::string_view text, const SizingReading& reading,
                    const SizingState& state, std::string_view decimalSeparator,
                    std::vector<SizingNote>& notes) {
  if (!reading.pressure.blank && !reading.pressure.whole) {
    const bool comma = CommaEndsNumber(text, decimalSeparator);
    if (kind == CompressorKind::Screw) {
      notes.push_back(NotWhollyANumber(SizingNoteKind::ScrewPressureNotANumber, false, comma));
    } else {
      notes.push_back(NotWhollyANumber(SizingNoteKind::PressureNotWhollyANumber,
                                       reading.pressure.numberRead,
                                       reading.pressure.numberRead && comma));
    }
  }
  const float pressure = state.PressureDifference;
  if (pressure >= kOperatingPressureLike) {
    notes.push_back(NoteOf(SizingNoteKind::OperatingPressureTyped));
  } else if (pressure > 0.0F && pressure < kNarrowestSwitchingBand) {
    notes.push_back(NoteOf(SizingNoteKind::NarrowPressureBand));
  }
  if (const auto rounding = RoundingNote(kind, reading, state)) notes.push_back(*rounding);
}

}  // namespace

SizingReading ReadingOf(CompressorKind kind, const SizingInputs& inputs, const SizingState& state,
                        std::string_view decimalSeparator) {
  SizingReading reading;
  reading.flow = ReadingOfText(inputs.freeAirDeliveryText, decimalSeparator);
  reading.pressure = ReadingOfText(inputs.pressureText, decimalSeparator);
  if (kind == CompressorKind::Piston) {
    reading.typedPressure = state.PressureDifference;
    return reading;
  }
  // As SizeReceiver reads it: the screw variant takes a pressure only from
  // a text that is wholly a number, and rounds it to one decimal. The notes
  // and the explanation learn how the pressure was read from here alone.
  reading.pressure.numberRead = reading.pressure.whole;
  if (reading.pressure.whole) {
    reading.typedPressure = ParseLeadingSingle(inputs.pressureText, decimalSeparator);
    reading.pressureRounded = HasSecondDecimal(inputs.pressureText, decimalSeparator);
  }
  return reading;
}

std::optional<DeliveryBand> UsualDeliveryOf(PowerClass powerClass) {
  // Indexed by PowerClass; the window's captions name these ranges.
  static constexpr std::array<PowerRange, 6> kRanges{
      {{0, 0}, {4, 7.5}, {11, 22}, {30, 55}, {60, 90}, {110, 160}}};
  const auto index = static_cast<std::size_t>(powerClass);
  if (index == 0 || index >= kRanges.size()) return std::nullopt;
  return DeliveryBand{ToHundredths(kRanges[index].lowestKilowatts / 15.0),
                      ToHundredths(kRanges[index].highestKilowatts / 4.0)};
}

std::vector<SizingNote> NotesOn(CompressorKind kind, const SizingInputs& inputs,
                                const SizingState& state, std::string_view decimalSeparator) {
  if (!state.StorageVolume) return {};
  return NotesOn(kind, inputs, state, ReadingOf(kind, inputs, state, decimalSeparator),
                 decimalSeparator);
}

std::vector<SizingNote> NotesOn(CompressorKind kind, const SizingInputs& inputs,
                                const SizingState& state, const SizingReading& reading,
                                std::string_view decimalSeparator) {
  std::vector<SizingNote> notes;
  if (!state.StorageVolume) return notes;
  NoteOnFlow(inputs.powerClass, inputs.freeAirDeliveryText, reading.flow, state, decimalSeparator,
             notes);
  NoteOnPressure(kind, inputs.pressureText, reading, state, decimalSeparator, notes);
  return notes;
}

}  // namespace velmora::sizing
