#include "calculation.h"

#include <QDateTime>
#include <utility>

#include "calculation_text.h"
#include "sizing/format_by_pattern.h"
#include "sizing/volume_pattern.h"
#include "sizing_explanation.h"

namespace velmora {

CalculationInputs::CalculationInputs(TypedInputs typed)
    : typed_(std::move(typed)),
      flowRead_(CalculationBytes(typed_.flowText, typed_.decimalSeparator)),
      pressureRead_(CalculationBytes(typed_.pressureText, typed_.decimalSeparator)),
      separator_(typed_.decimalSeparator.toUtf8()) {}

sizing::SizingInputs CalculationInputs::Sizing() const {
  return {typed_.powerClass, FlowRead(), PressureRead()};
}

std::string_view CalculationInputs::Separator() const { return AsView(separator_); }
std::string_view CalculationInputs::FlowRead() const { return AsView(flowRead_); }
std::string_view CalculationInputs::PressureRead() const { return AsView(pressureRead_); }

Calculation::Calculation(CalculationInputs read, const sizing::SizingState& stored)
    : inputs(std::move(read)),
      state(stored),
      reading(sizing::ReadingOf(inputs.Typed().kind, inputs.Sizing(), state, inputs.Separator())),
      notes(sizing::NotesOn(inputs.Typed().kind, inputs.Sizing(), state, reading,
                            inputs.Separator())),
      madeAt(QDateTime::currentMSecsSinceEpoch()) {
  // Beyond single precision there is no volume to show, and an earlier
  // result left standing would be read as this one.
  if (state.StorageVolume) {
    result = QString::fromStdString(
        sizing::FormatByPattern(*state.StorageVolume, sizing::kVolumePattern, inputs.Separator()));
  }
  explanation = ExplainSizing(*this);
}

}  // namespace velmora
