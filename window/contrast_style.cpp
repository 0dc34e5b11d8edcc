#include "contrast_style.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kHighContrastRatio = 19.0;

// Relative luminance, as WCAG defines it.
double Luminance(const QColor& color) {
  const auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(static_cast<double>(color.redF())) +
         0.7152 * linear(static_cast<double>(color.greenF())) +
         0.0722 * linear(static_cast<double>(color.blueF()));
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void DrawEdge(QPainter* painter, const QRect& rect, const QColor& color, int width) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  for (int inset = 0; inset < width; ++inset) {
    painter->setPen(color);
    painter->drawRect(rect.adjusted(inset, inset, -1 - inset, -1 - inset));
  }
  painter->restore();
}

void DrawOptionCircle(QPainter* painter, const QStyleOption* option) {
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

}  // namespace

bool IsHighContrast(const QPalette& palette) {
  return ContrastRatio(palette.color(QPalette::Window), palette.color(QPalette::WindowText)) >=
         kHighContrastRatio;
}

ContrastStyle::ContrastStyle(QStyle* base) : QProxyStyle(base) {}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (!IsHighContrast(option->palette)) return;
  switch (element) {
    case PE_FrameLineEdit:
      DrawEdge(painter, option->rect, option->palette.color(QPalette::Text), 1);
      break;
    case PE_IndicatorRadioButton:
      DrawOptionCircle(painter, option);
      break;
    case PE_PanelButtonCommand: {
      // Pressed shows as a heavier edge: fills cannot differ in two colours.
      const bool pressed = option->state & (State_Sunken | State_On);
      DrawEdge(painter, option->rect, option->palette.color(QPalette::ButtonText), pressed ? 3 : 1);
      break;
    }
    default:
      break;
  }
}

void ContrastStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control == CC_ComboBox && IsHighContrast(option->palette)) {
    DrawEdge(painter, option->rect, option->palette.color(QPalette::Text), 1);
  }
}

}  // namespace velmora
