#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kHighContrastRatio = 19.0;
constexpr int kMixSteps = 64;

// Relative luminance, as WCAG defines it.
double Luminance(const QColor& color) {
  const auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(static_cast<double>(color.redF())) +
         0.7152 * linear(static_cast<double>(color.greenF())) +
         0.0722 * linear(static_cast<double>(color.blueF()));
}

QColor Mix(const QColor& from, const QColor& to, int step) {
  const auto channel = [step](int a, int b) { return a + (b - a) * step / kMixSteps; };
  return {channel(from.red(), to.red()), channel(from.green(), to.green()),
          channel(from.blue(), to.blue())};
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsHighContrast(const QPalette& palette) {
  return ContrastRatio(palette.color(QPalette::Window), palette.color(QPalette::WindowText)) >=
         kHighContrastRatio;
}

QColor VisibleEdge(const QColor& edge, const QColor& background, const QColor& ink, double ratio) {
  if (ContrastRatio(edge, background) >= ratio) return edge;
  QColor target = ink;
  if (ContrastRatio(ink, background) < ratio) {
    target = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                 ? QColor(Qt::black)
                 : QColor(Qt::white);
  }
  for (int step = 1; step < kMixSteps; ++step) {
    const QColor mixed = Mix(edge, target, step);
    if (ContrastRatio(mixed, background) >= ratio) return mixed;
  }
  return target;
}

}  // namespace velmora
