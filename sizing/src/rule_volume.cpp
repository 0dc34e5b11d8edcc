#include "rule_volume.h"

#include "single_precision.h"

namespace velmora::sizing::detail {

float RuleVolume(CompressorKind kind, std::int16_t factor, float flow, float pressure) {
  const double delivery = static_cast<double>(flow) * static_cast<double>(KindConstantOf(kind));
  const double capacity =
      static_cast<double>(static_cast<float>(factor)) * static_cast<double>(pressure);
  return RoundToSingle(delivery / capacity);
}

}  // namespace velmora::sizing::detail
