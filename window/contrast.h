#pragma once

#include <QColor>
#include <QPalette>

namespace velmora {

// WCAG 2.1's contrast ratio of two colours, from 1 (the same) to 21 (black
// and white).
double ContrastRatio(const QColor& a, const QColor& b);

// Whether a palette is a high-contrast scheme of black and white, or as near
// as makes no difference: window and text at least 19:1 apart. Qt's own
// light palette is 18.2:1. Such a user gets every edge in the text colour.
bool IsHighContrast(const QPalette& palette);

// What an edge must reach against the background next to it: 3:1 is the
// rule for the parts of a control (WCAG 2.1, 1.4.11); a little above it, so
// that a colour rounded to eight bits never falls below. A thin circle is
// never drawn at full strength on any pixel, its antialiasing spreads it
// over two, so it needs more.
inline constexpr double kStraightEdgeRatio = 3.2;
inline constexpr double kCircleEdgeRatio = 4.5;

// The colour to draw an edge in that a style would draw in `edge`: that
// colour itself where it stands at least `ratio` against the background
// next to it, otherwise the colour nearest to it, on the way to `ink`, that
// does. Where even ink falls short, the way leads to black or white instead.
QColor VisibleEdge(const QColor& edge, const QColor& background, const QColor& ink,
                   double ratio = kStraightEdgeRatio);

}  // namespace velmora
