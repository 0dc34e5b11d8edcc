#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <array>
#include <memory>
#include <string_view>
#include <utility>

#include "calculation.h"
#include "calculation_sheet.h"
#include "calculation_text.h"
#include "form1.h"
#include "pressure_box.h"
#include "result_label.h"
#include "sizing/format_by_pattern.h"
#include "sizing/size_receiver.h"

namespace {

using velmora::AsView;

// The separator of the regional settings as they stand now; the user may
// change them while the window is open.
QString UserDecimalSeparator() { return QLocale().decimalPoint(); }

}  // namespace

void Form1::Form_Load() {
  const QString typedText = Combo1->currentText();
  const QByteArray separator = UserDecimalSeparator().toUtf8();
  for (int tenths = 5; tenths <= 21; ++tenths) {
    const auto pressure = static_cast<float>(tenths / 10.0);
    Combo1->addItem(QString::fromStdString(
        velmora::sizing::FormatByPattern(pressure, "#0.0", AsView(separator))));
  }
  // Adding to an empty list selects its first entry; the box is to keep
  // showing what it showed, with nothing selected.
  Combo1->setCurrentIndex(-1);
  Combo1->setEditText(typedText);
}

void Form1::Command1_Click() {
  ComputeScrewVolume();
  ShowStorageVolume();
}

void Form1::Command2_Click() {
  ComputePistonVolume();
  ShowStorageVolume();
}

void Form1::ComputeScrewVolume() { ComputeVolume(velmora::sizing::CompressorKind::Screw); }

void Form1::ComputePistonVolume() { ComputeVolume(velmora::sizing::CompressorKind::Piston); }

// The controls are read once, and read as the user sees them: digits of any
// script, blanks of any kind. Everything the click shows comes from the
// record made here.
void Form1::ComputeVolume(velmora::sizing::CompressorKind kind) {
  velmora::CalculationInputs inputs(ReadTypedInputs(kind));
  SizingState_ = velmora::sizing::SizeReceiver(kind, inputs.Sizing(), inputs.Separator());
  calculation_ = std::make_unique<const velmora::Calculation>(std::move(inputs), SizingState_);
}

velmora::TypedInputs Form1::ReadTypedInputs(velmora::sizing::CompressorKind kind) const {
  const QRadioButton* selected = SelectedOption();
  return {kind,          SelectedPowerClass(),  selected == nullptr ? QString() : selected->text(),
          Text1->text(), Combo1->currentText(), UserDecimalSeparator()};
}

void Form1::ShowStorageVolume() {
  const velmora::Calculation& calculation = *calculation_;
  Label8->ShowResult(calculation.result, calculation.explanation, !calculation.notes.empty());
  DescribeResult();
}

std::optional<velmora::CalculationSheet> Form1::ShownSheet() const {
  if (!calculation_ || calculation_->result.isEmpty()) return std::nullopt;
  return velmora::CalculationSheet{QDateTime::fromMSecsSinceEpoch(calculation_->madeAt),
                                   calculation_->result, calculation_->explanation};
}

// The regional settings count as an input: another decimal mark reads the
// same texts as other numbers.
bool Form1::ControlsHold(const velmora::TypedInputs& typed) const {
  return SelectedPowerClass() == typed.powerClass && Text1->text() == typed.flowText &&
         Combo1->currentText() == typed.pressureText &&
         UserDecimalSeparator() == typed.decimalSeparator;
}

// Any change of an input after a result voids it until the next click; the
// inputs put back exactly as they were make it good again.
void Form1::FollowInputChanges() {
  if (!calculation_) return;
  const bool outOfDate = !ControlsHold(calculation_->inputs.Typed());
  if (outOfDate == Label8->IsOutOfDate()) return;
  Label8->SetOutOfDate(outOfDate);
  DescribeResult();
}

std::array<std::pair<QRadioButton*, velmora::sizing::PowerClass>, 5> Form1::PowerClassOptions()
    const {
  return {{
      {Option1, velmora::sizing::PowerClass::Class1},
      {Option2, velmora::sizing::PowerClass::Class2},
      {Option3, velmora::sizing::PowerClass::Class3},
      {Option4, velmora::sizing::PowerClass::Class4},
      {Option5, velmora::sizing::PowerClass::Class5},
  }};
}

QRadioButton* Form1::SelectedOption() const {
  for (const auto& [option, powerClass] : PowerClassOptions()) {
    if (option->isChecked()) return option;
  }
  return nullptr;
}

velmora::sizing::PowerClass Form1::SelectedPowerClass() const {
  for (const auto& [option, powerClass] : PowerClassOptions()) {
    if (option->isChecked()) return powerClass;
  }
  return velmora::sizing::PowerClass::None;
}
