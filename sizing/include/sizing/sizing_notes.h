#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "sizing/compressor_kind.h"
#include "sizing/power_class.h"
#include "sizing/sizing_inputs.h"
#include "sizing/sizing_state.h"

namespace velmora::sizing {

// The free air delivery (m³/min) a compressor of a power class usually has:
// from the class's lower power ÷ 15 to its upper power ÷ 4, since a
// compressor, screw or piston, at 5 to 13 bar takes about 4 to 15 kW per
// m³/min. The bounds are kept to two decimals, as a note states them, so a
// flow typed as a note's bound lies inside the band. Single precision, the
// precision the flow is stored in, so the comparison is exact.
struct DeliveryBand {
  float lowest = 0.0F;
  float highest = 0.0F;
};

// No band for PowerClass::None: it names no compressor.
std::optional<DeliveryBand> UsualDeliveryOf(PowerClass powerClass);

// A pressure difference used at or above this looks like an operating
// pressure typed where the difference belongs (8,5 bar for 8,5 − 7,5).
inline constexpr float kOperatingPressureLike = 4.0F;
// Below this compressors do not switch over; the volume grows as 1/Δp.
inline constexpr float kNarrowestSwitchingBand = 0.3F;

// What a note is about. A note never changes a number: it points at the
// mistakes that give a plainly wrong tank with a correct calculation.
enum class SizingNoteKind {
  NegativeFlow,
  UnusualFlow,
  FlowWithGroupedThousands,
  FlowNotWhollyANumber,
  PressureNotWhollyANumber,
  OperatingPressureTyped,
  NarrowPressureBand,
};

struct SizingNote {
  SizingNoteKind kind = SizingNoteKind::NegativeFlow;
  // UnusualFlow: the band the flow lies outside of.
  DeliveryBand band;
  // ...NotWhollyANumber: whether a leading number was read at all.
  bool numberRead = false;
};

// The notes on one sizing, from the same texts, separator and state that
// SizeReceiver read and gave, in the order a reader should meet them. None
// when the state holds no volume: there is no result to warn about.
std::vector<SizingNote> NotesOn(CompressorKind kind, const SizingInputs& inputs,
                                const SizingState& state, std::string_view decimalSeparator);

}  // namespace velmora::sizing
