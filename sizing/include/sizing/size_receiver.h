#pragma once

#include <string_view>

#include "sizing/compressor_kind.h"
#include "sizing/sizing_inputs.h"
#include "sizing/sizing_state.h"

namespace velmora::sizing {

// The smallest total storage volume (tank plus pipework, m³) for a
// compressor, from its power class, free air delivery (m³/min) and the
// pressure difference between cut-out and load pressure (bar).
//
// decimalSeparator is the user's, UTF-8; it is read afresh on every call
// because the user may change regional settings while the window is open.
SizingState SizeReceiver(CompressorKind kind, const SizingInputs& inputs,
                         std::string_view decimalSeparator);

}  // namespace velmora::sizing
