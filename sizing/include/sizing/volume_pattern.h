#pragma once

#include "sizing/number_pattern.h"

namespace velmora::sizing {

// How a storage volume is written wherever it is read: the result, a note's
// other volume and the test for a volume shown as negative must agree to
// the digit.
inline constexpr NumberPattern kVolumePattern = "#0.0#";

}  // namespace velmora::sizing
