#pragma once

#include <QFont>

namespace velmora {

// The face and size that stand in for the classic 8-point dialog font. The
// layout's boxes were drawn around that font, so the stand-in must be no
// wider: Liberation Sans has the same metrics as Arial, and 10 pixels (7.5
// points at 96 dpi) fits every caption whole. A pixel size scales with the
// layout's pixels on any screen, where a point size would follow the DPI.
QFont DialogFont();

// The result's font: "MS Sans Serif" 8.25 pt bold on Windows, where that
// face exists, else the stand-in in bold.
QFont ResultFont();

}  // namespace velmora
