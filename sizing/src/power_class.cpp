#include "sizing/power_class.h"

#include <array>

namespace velmora::sizing {

std::int16_t PowerClassFactorOf(PowerClass powerClass) {
  // Indexed by PowerClass: None, then classes 1 to 5, the smallest compressors
  // needing the least storage per unit of delivery.
  static constexpr std::array<std::int16_t, 6> kFactors{5, 30, 25, 20, 15, 10};
  const auto index = static_cast<std::size_t>(powerClass);
  return index < kFactors.size() ? kFactors[index] : kFactors[0];
}

}  // namespace velmora::sizing
