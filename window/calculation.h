#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <string_view>
#include <vector>

#include "sizing/compressor_kind.h"
#include "sizing/power_class.h"
#include "sizing/sizing_inputs.h"
#include "sizing/sizing_notes.h"
#include "sizing/sizing_state.h"

namespace velmora {

// One calculation as the user set it up, as the window's controls held it:
// the texts as typed, before the window made their digits ASCII.
struct TypedInputs {
  sizing::CompressorKind kind = sizing::CompressorKind::Screw;
  sizing::PowerClass powerClass = sizing::PowerClass::None;
  QString powerClassCaption;
  QString flowText;
  QString pressureText;
  // The regional settings' decimal mark at the click.
  QString decimalSeparator;
};

// The typed inputs, and the same texts as the calculation reads them
// (calculation_text.h), each converted once: a pasted text may be megabytes.
class CalculationInputs {
 public:
  explicit CalculationInputs(TypedInputs typed);

  const TypedInputs& Typed() const { return typed_; }
  // UTF-8, as the core takes them; valid while this lives.
  sizing::SizingInputs Sizing() const;
  std::string_view Separator() const;
  std::string_view FlowRead() const;
  std::string_view PressureRead() const;

 private:
  TypedInputs typed_;
  QByteArray flowRead_;
  QByteArray pressureRead_;
  QByteArray separator_;
};

// What one click made: the inputs, typed and read, the state the rule
// stored, how it read the texts, the notes on it and the result as the
// result's box shows it. The box and its marks, the explanation, the screen
// reader's description and the calculation sheet are all made from this
// one record, so none of them can read the fields another way.
struct Calculation {
  Calculation(CalculationInputs read, const sizing::SizingState& stored);

  CalculationInputs inputs;
  sizing::SizingState state;
  sizing::SizingReading reading;
  std::vector<sizing::SizingNote> notes;
  // In the volume pattern and the user's decimal mark; empty where there is
  // no volume.
  QString result;
  // The result explained, as its tooltip and the sheet give it.
  QString explanation;
  // When the click came, in milliseconds since the epoch: read cheaply
  // here, and made a date only when a sheet is drawn.
  qint64 madeAt = 0;
};

}  // namespace velmora
