#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <array>
#include <string_view>

#include "calculation_sheet.h"
#include "calculation_text.h"
#include "form1.h"
#include "pressure_box.h"
#include "result_label.h"
#include "sizing/format_by_pattern.h"
#include "sizing/size_receiver.h"
#include "sizing_explanation.h"

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
  ShowStorageVolume(velmora::sizing::CompressorKind::Screw);
}

void Form1::Command2_Click() {
  ComputePistonVolume();
  ShowStorageVolume(velmora::sizing::CompressorKind::Piston);
}

void Form1::ComputeScrewVolume() { ComputeVolume(velmora::sizing::CompressorKind::Screw); }

void Form1::ComputePistonVolume() { ComputeVolume(velmora::sizing::CompressorKind::Piston); }

void Form1::ComputeVolume(velmora::sizing::CompressorKind kind) {
  const velmora::TypedInputs typed = ReadTypedInputs(kind);
  // Read as the user sees them: digits of any script, blanks of any kind.
  const QByteArray flow = velmora::CalculationBytes(typed.flowText);
  const QByteArray pressure = velmora::CalculationBytes(typed.pressureText);
  const QByteArray separator = typed.decimalSeparator.toUtf8();
  SizingState_ = velmora::sizing::SizeReceiver(
      kind, {typed.powerClass, AsView(flow), AsView(pressure)}, AsView(separator));
}

velmora::TypedInputs Form1::ReadTypedInputs(velmora::sizing::CompressorKind kind) const {
  const QRadioButton* selected = SelectedOption();
  return {kind,          SelectedPowerClass(),  selected == nullptr ? QString() : selected->text(),
          Text1->text(), Combo1->currentText(), UserDecimalSeparator()};
}

// The explanation is built from the same stored values and the same label
// text, so the two can never disagree.
void Form1::ShowStorageVolume(velmora::sizing::CompressorKind kind) {
  // Beyond single precision there is no volume to show, and an earlier
  // result left standing would be read as this one.
  const QString result =
      SizingState_.StorageVolume
          ? QString::fromStdString(velmora::sizing::FormatByPattern(
                *SizingState_.StorageVolume, "#0.0#", AsView(UserDecimalSeparator().toUtf8())))
          : QString();
  const velmora::SizingExplanation explanation =
      velmora::ExplainSizing(ReadTypedInputs(kind), SizingState_, result);
  Label8->ShowResult(result, explanation.text, explanation.hasNotes);
  sheet_ = result.isEmpty() ? nullptr
                            : std::make_unique<velmora::CalculationSheet>(velmora::CalculationSheet{
                                  QDateTime::currentDateTime(), result, explanation.text});
  resultInputs_ = CurrentInputs();
  DescribeResult();
}

Form1::ResultInputs Form1::CurrentInputs() const {
  return {SelectedOption(), Text1->text(), Combo1->currentText()};
}

// Any change of an input after a result voids it until the next click; the
// inputs put back exactly as they were make it good again.
void Form1::FollowInputChanges() {
  if (!resultInputs_) return;
  const bool outOfDate = CurrentInputs() != *resultInputs_;
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
