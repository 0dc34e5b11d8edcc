#include "sizing/size_receiver.h"

#include <cmath>

#include "rule_volume.h"
#include "sizing/normalize_pressure_text.h"
#include "sizing/parse_leading_number.h"

namespace velmora::sizing {
namespace {

// The screw variant has always rounded the typed pressure to one decimal in
// the user's format; the piston variant reads it as it stands.
float ReadPressureDifference(CompressorKind kind, std::string_view text,
                             std::string_view decimalSeparator) {
  if (kind == CompressorKind::Screw) return NormalizePressureText(text, decimalSeparator);
  return ParseLeadingSingle(text, decimalSeparator);
}

}  // namespace

SizingState SizeReceiver(CompressorKind kind, const SizingInputs& inputs,
                         std::string_view decimalSeparator) {
  SizingState state;
  state.PowerClassFactor = PowerClassFactorOf(inputs.powerClass);
  state.FreeAirDelivery = ParseLeadingSingle(inputs.freeAirDeliveryText, decimalSeparator);
  state.PressureDifference = ReadPressureDifference(kind, inputs.pressureText, decimalSeparator);

  if (!std::isfinite(state.FreeAirDelivery) || !std::isfinite(state.PressureDifference)) {
    state.StorageVolume.reset();
    return state;
  }
  if (state.PressureDifference <= 0.0F) {
    state.StorageVolume = 0.0F;
    return state;
  }
  const float volume = detail::RuleVolume(kind, state.PowerClassFactor, state.FreeAirDelivery,
                                          state.PressureDifference);
  if (std::isfinite(volume)) {
    state.StorageVolume = volume;
  } else {
    state.StorageVolume.reset();
  }
  return state;
}

}  // namespace velmora::sizing
