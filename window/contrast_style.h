#pragma once

#include <QProxyStyle>

namespace velmora {

// Whether a palette is a high-contrast scheme: window and text at least
// 19:1 apart (WCAG's contrast ratio), which only schemes of black and white,
// or as near as makes no difference, reach. Qt's own light palette is 18.2:1.
bool IsHighContrast(const QPalette& palette);

// Fusion, with every field border, combo frame, option circle and button
// edge drawn in the text colour under a high-contrast scheme. Fusion derives
// its edges from the window colour, and black darkened stays black: a user
// who needs contrast would see no fields at all. Ordinary palettes draw as
// Fusion does.
class ContrastStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit ContrastStyle(QStyle* base);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
};

}  // namespace velmora
