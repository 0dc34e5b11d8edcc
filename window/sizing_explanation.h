#pragma once

#include <QString>

#include "sizing/compressor_kind.h"
#include "sizing/sizing_state.h"

namespace velmora {

// One calculation as the user set it up: the texts as typed, before the
// window made their digits ASCII.
struct TypedInputs {
  sizing::CompressorKind kind = sizing::CompressorKind::Screw;
  QString powerClassCaption;
  QString flowText;
  QString pressureText;
  QString decimalSeparator;
};

// How a result came about, in the window's language: the variant and class
// with its factor, each input as the calculation used it (with what was
// typed, where the two differ), and the formula with the numbers in it and
// the result as the label shows it (shownResult). Four lines, or two when
// there is no result. Engineers paste it into reports, and it answers the
// usual surprises: a pressure rounded to one decimal, a comma that ended a
// number, a text that counted as 0.
QString ExplainSizing(const TypedInputs& inputs, const sizing::SizingState& state,
                      const QString& shownResult);

}  // namespace velmora
