#pragma once

#include <cstdint>

#include "sizing/compressor_kind.h"

namespace velmora::sizing::detail {

// Flow × K ÷ (factor × pressure), rounded to the nearest single, in the
// order of operations and roundings the rule has always had: results are
// compared digit for digit with the tables engineers know. Infinity of its
// sign where the quotient overflows a single. The pressure is above 0.
float RuleVolume(CompressorKind kind, std::int16_t factor, float flow, float pressure);

}  // namespace velmora::sizing::detail
