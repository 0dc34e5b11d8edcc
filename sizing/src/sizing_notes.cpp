#include "sizing/sizing_notes.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "decimal_text.h"
#include "single_precision.h"
#include "sizing/parse_leading_number.h"

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

// "1.500", "-12.000", "1.500.000": one to three digits, then groups of a
// point and exactly three digits. Under a comma setting that is how
// fifteen hundred is written by hand, and the calculation reads 1,5.
bool IsPointGroupedThousands(std::string_view text) {
  text = detail::TrimBlanks(text);
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  std::size_t lead = 0;
  while (lead < text.size() && IsDigit(text[lead])) ++lead;
  if (lead == 0 || lead > 3 || lead == text.size()) return false;
  text.remove_prefix(lead);
  while (!text.empty()) {
    if (text.size() < 4 || text[0] != '.' || !IsDigit(text[1]) || !IsDigit(text[2]) ||
        !IsDigit(text[3])) {
      return false;
    }
    text.remove_prefix(4);
  }
  return true;
}

bool HasLeadingNumber(std::string_view text, std::string_view decimalSeparator) {
  return detail::ScanDecimal(detail::TrimLeadingBlanks(text), decimalSeparator).length != 0;
}

bool IsBlankText(std::string_view text) { return detail::TrimBlanks(text).empty(); }

void NoteOnFlow(PowerClass powerClass, std::string_view text, float flow,
                std::string_view decimalSeparator, std::vector<SizingNote>& notes) {
  if (flow < 0.0F) notes.push_back({SizingNoteKind::NegativeFlow, {}, true});
  if (const auto band = UsualDeliveryOf(powerClass);
      band && flow > 0.0F && (flow < band->lowest || flow > band->highest)) {
    notes.push_back({SizingNoteKind::UnusualFlow, *band, true});
  }
  // The grouped-thousands note says why the text was not read whole.
  if (decimalSeparator == "," && IsPointGroupedThousands(text)) {
    notes.push_back({SizingNoteKind::FlowWithGroupedThousands, {}, true});
  } else if (!IsBlankText(text) && !IsWholeNumberText(text, decimalSeparator)) {
    notes.push_back(
        {SizingNoteKind::FlowNotWhollyANumber, {}, HasLeadingNumber(text, decimalSeparator)});
  }
}

void NoteOnPressure(CompressorKind kind, std::string_view text, float pressure,
                    std::string_view decimalSeparator, std::vector<SizingNote>& notes) {
  if (!IsBlankText(text) && !IsWholeNumberText(text, decimalSeparator)) {
    // The screw variant reads a whole number or none at all.
    const bool read = kind == CompressorKind::Piston && HasLeadingNumber(text, decimalSeparator);
    notes.push_back({SizingNoteKind::PressureNotWhollyANumber, {}, read});
  }
  if (pressure >= kOperatingPressureLike) {
    notes.push_back({SizingNoteKind::OperatingPressureTyped, {}, true});
  } else if (pressure > 0.0F && pressure < kNarrowestSwitchingBand) {
    notes.push_back({SizingNoteKind::NarrowPressureBand, {}, true});
  }
}

}  // namespace

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
  std::vector<SizingNote> notes;
  if (!state.StorageVolume) return notes;
  NoteOnFlow(inputs.powerClass, inputs.freeAirDeliveryText, state.FreeAirDelivery, decimalSeparator,
             notes);
  NoteOnPressure(kind, inputs.pressureText, state.PressureDifference, decimalSeparator, notes);
  return notes;
}

}  // namespace velmora::sizing
