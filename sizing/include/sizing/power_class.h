#pragma once

#include <cstdint>

namespace velmora::sizing {

// Classes 1 to 5 are the option buttons of the window; None only reaches the
// rule when it is called directly.
enum class PowerClass : std::uint8_t { None, Class1, Class2, Class3, Class4, Class5 };

// The divisor the power class contributes to the sizing rule.
std::int16_t PowerClassFactorOf(PowerClass powerClass);

}  // namespace velmora::sizing
