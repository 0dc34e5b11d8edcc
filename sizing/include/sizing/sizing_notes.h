#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "sizing/compressor_kind.h"
#include "sizing/power_class.h"
#include "sizing/sizing_inputs.h"
#include "sizing/sizing_state.h"

namespace velmora::sizing {

// The free air delivery (m³/min) that is ordinary for a power class: from
// the class's lower power ÷ 15 to its upper power ÷ 4. Compressors at 5 to
// 13 bar take about 5 to 15 kW per m³/min; the upper end is lenient on
// purpose, to catch a unit slipped (m³/h, l/s), not to judge a machine. The
// bounds are kept to two decimals, as a note states them, so a flow typed
// as a note's bound lies inside the band. Single precision, the precision
// the flow is stored in, so the comparison is exact.
struct DeliveryBand {
  float lowest = 0.0F;
  float highest = 0.0F;
};

// No band for PowerClass::None: it names no compressor.
std::optional<DeliveryBand> UsualDeliveryOf(PowerClass powerClass);

// A pressure difference used at or above this looks like an operating
// pressure typed where the difference belongs (8,5 bar for 8,5 − 7,5).
inline constexpr float kOperatingPressureLike = 4.0F;
// Below this a switching band is unusually narrow: worth a second look,
// since the volume grows as 1/Δp.
inline constexpr float kNarrowestSwitchingBand = 0.3F;
// The screw variant rounds the typed pressure to one decimal; where that
// leaves the volume at this share of the one the typed pressure needs, or
// less, a note gives the larger one (0,25 bar used as 0,3: a sixth less).
inline constexpr double kRoundedVolumeShare = 0.95;

// How the calculation read one of the texts.
struct TextReading {
  // Nothing but blanks: an empty field.
  bool blank = true;
  // One number and nothing else, blanks at both ends aside.
  bool whole = false;
  // A number was taken from it; the screw variant takes a pressure only
  // from a text that is wholly one.
  bool numberRead = false;
};

struct SizingReading {
  TextReading flow;
  TextReading pressure;
  // The pressure difference the text holds, as a single, before the screw
  // variant rounds it; 0 where no number was read.
  float typedPressure = 0.0F;
  // The calculation used another pressure than the text holds.
  bool pressureRounded = false;
};

// How SizeReceiver read the texts it gave the state from.
SizingReading ReadingOf(CompressorKind kind, const SizingInputs& inputs, const SizingState& state,
                        std::string_view decimalSeparator);

// What a note is about. A note never changes a number: it points at the
// mistakes that give a plainly wrong tank with a correct calculation.
enum class SizingNoteKind {
  // The flow reads below 0, and the volume shown with it.
  NegativeVolume,
  // The flow reads below 0 and the volume is 0 (no pressure passed the guard).
  NegativeFlow,
  UnusualFlow,
  FlowWithGroupedThousands,
  FlowNotWhollyANumber,
  PressureNotWhollyANumber,
  // The screw variant reads a pressure only from a text wholly a number.
  ScrewPressureNotANumber,
  OperatingPressureTyped,
  NarrowPressureBand,
  // The screw variant's rounding of the pressure made the volume smaller
  // than the typed pressure needs, by 1 − kRoundedVolumeShare or more.
  RoundingShrankVolume,
};

struct SizingNote {
  SizingNoteKind kind = SizingNoteKind::NegativeVolume;
  // UnusualFlow: the band the flow lies outside of.
  DeliveryBand band;
  // ...NotWhollyANumber: whether a leading number was read at all.
  bool numberRead = false;
  // ...NotWhollyANumber, ScrewPressureNotANumber: the number went on with a
  // comma and a digit, which the user's settings do not read as a decimal
  // mark ("1,5" under a point setting).
  bool commaEndedNumber = false;
  // FlowWithGroupedThousands: the mark the thousands were grouped with, the
  // point under a comma setting and the comma under any other, or a blank.
  char groupingMark = '\0';
  // RoundingShrankVolume: the pressure the text holds, and the volume for
  // it, worked out as the rule works out its own.
  float typedPressure = 0.0F;
  float typedPressureVolume = 0.0F;
};

// The notes on one sizing, from the same texts, separator and state that
// SizeReceiver read and gave, in the order a reader should meet them. None
// when the state holds no volume: there is no result to warn about.
std::vector<SizingNote> NotesOn(CompressorKind kind, const SizingInputs& inputs,
                                const SizingState& state, std::string_view decimalSeparator);

// The same from the reading ReadingOf gave for these texts, for a caller
// that keeps it: the texts, which may be long, are then scanned once.
std::vector<SizingNote> NotesOn(CompressorKind kind, const SizingInputs& inputs,
                                const SizingState& state, const SizingReading& reading,
                                std::string_view decimalSeparator);

}  // namespace velmora::sizing
