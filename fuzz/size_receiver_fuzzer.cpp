// Arbitrary inputs through SizeReceiver and then FormatByPattern, as a click
// takes them, under both separators, and the notes on them: never a note on
// no result, never one twice, a band note only on a flow outside its band, a
// negative volume's note only on a volume shown negative, and a rounding
// note only for the screw variant, with a volume larger than the one shown.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pattern_shape.h"
#include "sizing/format_by_pattern.h"
#include "sizing/size_receiver.h"
#include "sizing/sizing_notes.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

// Blanks, an optional sign, digits with at most one point and at most one
// decimal after it, blanks: a pressure both variants read alike.
bool ReadsAlikeInBothVariants(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  const auto digits = [](std::string_view run) {
    return run.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digits(integer) && digits(fraction) && fraction.size() <= 1 &&
         integer.size() + fraction.size() > 0;
}

std::string Shown(const velmora::sizing::SizingState& state, std::string_view separator) {
  if (!state.StorageVolume) return {};
  Require(std::isfinite(*state.StorageVolume));
  std::string text = velmora::sizing::FormatByPattern(*state.StorageVolume, "#0.0#", separator);
  Require(velmora::testing::HasPatternShape(text, "#0.0#", separator));
  return text;
}

void CheckNotes(velmora::sizing::CompressorKind kind, const velmora::sizing::SizingInputs& inputs,
                const velmora::sizing::SizingState& state, std::string_view separator) {
  using Kind = velmora::sizing::SizingNoteKind;
  const auto notes = velmora::sizing::NotesOn(kind, inputs, state, separator);
  Require(state.StorageVolume || notes.empty());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    for (std::size_t j = i + 1; j < notes.size(); ++j) Require(notes[i].kind != notes[j].kind);
    const velmora::sizing::SizingNote& note = notes[i];
    if (note.kind == Kind::UnusualFlow) {
      Require(state.FreeAirDelivery < note.band.lowest ||
              state.FreeAirDelivery > note.band.highest);
    }
    if (note.kind == Kind::NegativeVolume || note.kind == Kind::NegativeFlow) {
      Require(state.FreeAirDelivery < 0.0F);
      const bool shownNegative = Shown(state, ".").starts_with('-');
      Require(shownNegative == (note.kind == Kind::NegativeVolume));
    }
    if (note.kind == Kind::RoundingShrankVolume) {
      Require(kind == velmora::sizing::CompressorKind::Screw);
      Require(std::isfinite(note.typedPressureVolume));
      Require(note.typedPressureVolume > *state.StorageVolume);
      // Rounded up, or down to nothing at all.
      Require(note.typedPressure > 0.0F &&
              (state.PressureDifference == 0.0F || note.typedPressure < state.PressureDifference));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const auto powerClass =
      static_cast<velmora::sizing::PowerClass>(provider.ConsumeIntegralInRange(0, 5));
  const std::string separator = provider.ConsumeBool() ? "," : ".";
  const std::string flow = provider.ConsumeRandomLengthString();
  const std::string pressure = provider.ConsumeRemainingBytesAsString();
  const velmora::sizing::SizingInputs inputs{powerClass, flow, pressure};

  const auto screw =
      velmora::sizing::SizeReceiver(velmora::sizing::CompressorKind::Screw, inputs, separator);
  const auto piston =
      velmora::sizing::SizeReceiver(velmora::sizing::CompressorKind::Piston, inputs, separator);
  Shown(screw, separator);
  Shown(piston, separator);
  CheckNotes(velmora::sizing::CompressorKind::Screw, inputs, screw, separator);
  CheckNotes(velmora::sizing::CompressorKind::Piston, inputs, piston, separator);

  if (separator == "." && ReadsAlikeInBothVariants(pressure) && screw.StorageVolume &&
      piston.StorageVolume) {
    // Same pressure, three times the kind constant: equal up to the
    // roundings to single along the way.
    const double expected = 3.0 * static_cast<double>(*screw.StorageVolume);
    const auto actual = static_cast<double>(*piston.StorageVolume);
    Require(std::fabs(actual - expected) <= 4e-7 * std::fabs(expected) ||
            std::fabs(actual - expected) <= 1e-44);
  }
  return 0;
}
