#pragma once

#include <QString>

#include "sizing/compressor_kind.h"
#include "sizing/power_class.h"
#include "sizing/sizing_state.h"

namespace velmora {

// One calculation as the user set it up: the texts as typed, before the
// window made their digits ASCII.
struct TypedInputs {
  sizing::CompressorKind kind = sizing::CompressorKind::Screw;
  sizing::PowerClass powerClass = sizing::PowerClass::None;
  QString powerClassCaption;
  QString flowText;
  QString pressureText;
  QString decimalSeparator;
};

struct SizingExplanation {
  QString text;
  bool hasNotes = false;
};

// How a result came about, in the window's language: the variant and class
// with its factor, then a line beginning "Dikkat: " for each of the usual
// mistakes the inputs show (a flow far outside what the class delivers, an
// operating pressure typed as the difference ...), each input as the
// calculation used it (with what was typed, where the two differ), and the
// formula with the numbers in it and the result as the label shows it
// (shownResult). Four lines and the notes, or two when there is no result.
// Engineers paste it into reports, and it answers the usual surprises: a
// pressure rounded to one decimal, a comma that ended a number, a text that
// counted as 0.
SizingExplanation ExplainSizing(const TypedInputs& inputs, const sizing::SizingState& state,
                                const QString& shownResult);

}  // namespace velmora
