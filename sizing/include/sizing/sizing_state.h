#pragma once

#include <cstdint>
#include <optional>

namespace velmora::sizing {

// The values of one sizing, as the rule stored them.
//
// An input that does not fit a single is kept as infinity of its sign here,
// and StorageVolume is then empty; StorageVolume is also empty when the
// quotient itself overflows a single. An empty volume must never be shown as
// a number.
struct SizingState {
  std::int16_t PowerClassFactor = 0;
  float PressureDifference = 0.0F;
  float FreeAirDelivery = 0.0F;
  std::optional<float> StorageVolume = 0.0F;
};

}  // namespace velmora::sizing
