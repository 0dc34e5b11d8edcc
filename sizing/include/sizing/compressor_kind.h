#pragma once

namespace velmora::sizing {

// The two variants differ in their kind constant and in how they read the
// pressure difference.
enum class CompressorKind { Screw, Piston };

}  // namespace velmora::sizing
