#pragma once

#include <QFont>

namespace velmora {

// The face and size that stand in for the classic 8-point dialog font. The
// layout's boxes were drawn around that font, so the stand-in must be no
// wider: Liberation Sans has the same metrics as Arial, and 10 pixels (7.5
// points at 96 dpi) fits every caption whole. A pixel size scales with the
// layout's pixels on any screen, where a point size would follow the DPI.
QFont DialogFont();

// The result's font on a display of the given scale: on Windows "MS Sans
// Serif" 8.25 pt bold where Qt draws that face unscaled at that size, else
// its scalable counterpart "Microsoft Sans Serif", else the stand-in, both
// at the same size; on every other system the stand-in in bold.
QFont ResultFont(qreal devicePixelRatio);

}  // namespace velmora
