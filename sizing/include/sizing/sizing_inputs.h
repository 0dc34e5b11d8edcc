#pragma once

#include <string_view>

#include "sizing/power_class.h"

namespace velmora::sizing {

// Everything the user entered. The texts are borrowed, UTF-8, and must
// outlive the call that reads them; a 10 MB paste is never copied whole.
struct SizingInputs {
  PowerClass powerClass = PowerClass::None;
  std::string_view freeAirDeliveryText;
  std::string_view pressureText;
};

}  // namespace velmora::sizing
