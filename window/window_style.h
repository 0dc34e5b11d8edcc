#pragma once

#include <QProxyStyle>

namespace velmora {

// Fusion, the one style the window draws with on every desktop, with two
// things of its own, both painted from the palette of the moment so that a
// theme changed while the window is open shows at once:
// - Every edge a user needs to find a control by (field border, list frame,
//   option circle, button edge, the result's frame) stands at least 3:1
//   against the window. Fusion derives its edges from the window colour,
//   about 2:1 on a light palette and next to nothing on a dark contrast
//   theme; where its edge falls short, the edge is drawn again in the
//   nearest colour that reaches 3:1, and under a black-and-white scheme in
//   the text colour. A pressed button gets a heavier edge wherever its fill
//   alone would not show it.
// - The frame's title sits in its top edge, interrupting the line: Fusion
//   draws it above the frame, which leaves the result row too little room
//   in the frame's fixed height.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit WindowStyle(QStyle* base);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
};

}  // namespace velmora
