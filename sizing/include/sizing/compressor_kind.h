#pragma once

namespace velmora::sizing {

// The two variants differ in their kind constant and in how they read the
// pressure difference.
enum class CompressorKind { Screw, Piston };

// The kind constant K of the rule: volume = flow × K ÷ (factor × pressure).
constexpr int KindConstantOf(CompressorKind kind) { return kind == CompressorKind::Screw ? 5 : 15; }

}  // namespace velmora::sizing
