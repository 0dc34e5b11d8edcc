#include "window_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <optional>

#include "contrast.h"

namespace velmora {
namespace {

// The edge colours Fusion derives from a palette (Qt 6's QFusionStylePrivate),
// to tell whether its own edge is visible enough to keep.
QColor FusionOutline(const QPalette& palette) {
  return palette.color(QPalette::Window).darker(140);
}

QColor FusionHighlightedOutline(const QPalette& palette) {
  QColor outline = palette.color(QPalette::Highlight).darker(125);
  if (outline.value() > 160) outline.setHsl(outline.hue(), outline.saturation(), 160);
  return outline;
}

QColor FusionRadioOutline(const QPalette& palette) {
  return palette.color(QPalette::Window).darker(150);
}

QColor FusionButtonFace(const QPalette& palette) {
  QColor face = palette.color(QPalette::Button);
  face = face.lighter(100 + std::max(1, (180 - qGray(face.rgb())) / 6));
  face.setHsv(face.hue(), face.saturation() * 3 / 4, face.value());
  return face;
}

// The colour to draw an edge in over the one Fusion drew, or none where
// Fusion's own is to stay.
std::optional<QColor> EdgeOverFusion(const QColor& fusionEdge, const QPalette& palette,
                                     QPalette::ColorRole ink, double ratio = kStraightEdgeRatio) {
  if (IsHighContrast(palette)) return palette.color(ink);
  const QColor edge =
      VisibleEdge(fusionEdge, palette.color(QPalette::Window), palette.color(ink), ratio);
  if (edge == fusionEdge) return std::nullopt;
  return edge;
}

// Fusion's rounded outline, `width` pixels heavy inwards.
void DrawRoundedEdge(QPainter* painter, const QRectF& rect, const QColor& color, int width) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(color);
  for (int inset = 0; inset < width; ++inset) {
    painter->drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), 2.0, 2.0);
  }
  painter->restore();
}

void DrawFieldEdge(QPainter* painter, const QStyleOption* option) {
  const QColor fusion = option->state & QStyle::State_HasFocus
                            ? FusionHighlightedOutline(option->palette)
                            : FusionOutline(option->palette);
  if (const auto edge = EdgeOverFusion(fusion, option->palette, QPalette::Text)) {
    DrawRoundedEdge(painter, QRectF(option->rect.adjusted(0, 0, -1, -1)).translated(0.5, 0.5),
                    *edge, 1);
  }
}

// A pressed button is told from a released one by its darker fill; where
// the fill cannot darken visibly (black, or nearly), by a heavier edge.
bool PressedFillShows(const QPalette& palette) {
  const QColor face = FusionButtonFace(palette);
  return !IsHighContrast(palette) && ContrastRatio(face, face.darker(110)) >= 1.1;
}

void DrawButtonEdge(QPainter* painter, const QStyleOption* option) {
  const bool pressed = option->state & (QStyle::State_Sunken | QStyle::State_On);
  const bool heavier = pressed && !PressedFillShows(option->palette);
  const bool focus = (option->state & QStyle::State_HasFocus) &&
                     (option->state & QStyle::State_KeyboardFocusChange);
  const QColor fusion =
      focus ? FusionHighlightedOutline(option->palette) : FusionOutline(option->palette);
  const std::optional<QColor> edge = EdgeOverFusion(fusion, option->palette, QPalette::ButtonText);
  if (!edge && !heavier) return;
  const QRectF rect = QRectF(option->rect.adjusted(0, 1, -1, 0)).translated(0.5, -0.5);
  DrawRoundedEdge(painter, rect, edge.value_or(fusion), heavier ? 3 : 1);
}

// Under a black-and-white scheme the circle is the text colour, a little
// heavier, and a checked one is filled in the same colour.
void DrawHighContrastOptionCircle(QPainter* painter, const QStyleOption* option) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  const QColor ink = option->palette.color(QPalette::Text);
  const QRectF circle = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
  painter->setPen(QPen(ink, 1.5));
  painter->setBrush(Qt::NoBrush);
  painter->drawEllipse(circle);
  if (option->state & QStyle::State_On) {
    const qreal inset = circle.width() * 0.3;
    painter->setPen(Qt::NoPen);
    painter->setBrush(ink);
    painter->drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
  }
  painter->restore();
}

// Elsewhere only Fusion's ring is drawn again, in its own place, and its
// checked dot stays as it is.
void DrawOptionCircle(QPainter* painter, const QStyleOption* option) {
  if (IsHighContrast(option->palette)) {
    DrawHighContrastOptionCircle(painter, option);
    return;
  }
  const bool keyboardFocus = (option->state & QStyle::State_HasFocus) &&
                             (option->state & QStyle::State_KeyboardFocusChange);
  const QColor fusion = keyboardFocus ? FusionHighlightedOutline(option->palette)
                                      : FusionRadioOutline(option->palette);
  const auto edge = EdgeOverFusion(fusion, option->palette, QPalette::WindowText, kCircleEdgeRatio);
  if (!edge) return;
  const QRect& rect = option->rect;
  const QPointF center = rect.center() + QPoint(1, 1);
  const qreal radius = (rect.width() + (rect.width() + 1) % 2) / 2.0 - 1;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(*edge);
  painter->drawEllipse(center, radius, radius);
  painter->restore();
}

// The frame's line, one pixel, with rounded corners, broken where the title
// stands in it.
void DrawFrameWithTitleInItsTopEdge(const QStyle* style, QPainter* painter,
                                    const QStyleOptionGroupBox* box) {
  // The line runs through the middle of the dialog font's capitals.
  constexpr int kLineY = 6;
  constexpr int kTitleLeft = 7;
  constexpr int kTitlePadding = 2;
  const QFontMetrics& metrics = box->fontMetrics;
  const QRect title(kTitleLeft, 0, metrics.horizontalAdvance(box->text) + 2 * kTitlePadding,
                    metrics.height());
  const QPalette& palette = box->palette;
  const QColor line = IsHighContrast(palette) ? palette.color(QPalette::WindowText)
                                              : VisibleEdge(palette.color(QPalette::Mid),
                                                            palette.color(QPalette::Window),
                                                            palette.color(QPalette::WindowText));
  painter->save();
  QRegion around(box->rect);
  around -= title.translated(box->rect.topLeft());
  painter->setClipRegion(around);
  DrawRoundedEdge(painter, QRectF(box->rect.adjusted(0, kLineY, -1, -1)).translated(0.5, 0.5), line,
                  1);
  painter->restore();
  style->drawItemText(painter, title.adjusted(kTitlePadding, 0, -kTitlePadding, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextHideMnemonic, palette,
                      box->state & QStyle::State_Enabled, box->text, QPalette::WindowText);
}

}  // namespace

WindowStyle::WindowStyle(QStyle* base) : QProxyStyle(base) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  switch (element) {
    case PE_FrameLineEdit:
      DrawFieldEdge(painter, option);
      break;
    case PE_IndicatorRadioButton:
      DrawOptionCircle(painter, option);
      break;
    case PE_PanelButtonCommand:
      DrawButtonEdge(painter, option);
      break;
    default:
      break;
  }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
  if (control == CC_GroupBox) {
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
      DrawFrameWithTitleInItsTopEdge(this, painter, box);
      return;
    }
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace velmora
