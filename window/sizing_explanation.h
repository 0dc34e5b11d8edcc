#pragma once

#include <QString>

#include "calculation.h"

namespace velmora {

// How a result came about, in the window's language: the variant and class
// with its factor, then a line beginning "Dikkat: " for each of the usual
// mistakes the inputs show (a flow far outside what is ordinary for the
// class, an operating pressure typed as the difference ...), each input as
// the calculation used it (with what was typed, where the two differ), and
// the formula with the numbers in it and the result as the label shows it.
// Four lines and the notes, or two when there is no result. Engineers paste
// it into reports, and it answers the usual surprises: a pressure rounded
// to one decimal, a comma that ended a number, a text that counted as 0.
// Every echo of a typed text is cut to a length a line can hold.
QString ExplainSizing(const Calculation& calculation);

}  // namespace velmora
