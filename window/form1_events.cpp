#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <array>
#include <string_view>

#include "form1.h"
#include "pressure_box.h"
#include "result_label.h"
#include "sizing/format_by_pattern.h"
#include "sizing/size_receiver.h"

namespace {

std::string_view AsView(const QByteArray& utf8) {
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

// The separator of the regional settings as they stand now; the user may
// change them while the window is open.
QByteArray UserDecimalSeparator() { return QLocale().decimalPoint().toUtf8(); }

}  // namespace

void Form1::Form_Load() {
  const QString typedText = Combo1->currentText();
  const QByteArray separator = UserDecimalSeparator();
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

void Form1::ComputeVolume(velmora::sizing::CompressorKind kind) {
  const velmora::sizing::PowerClass powerClass = SelectedPowerClass();
  const QByteArray flow = Text1->text().toUtf8();
  const QByteArray pressure = Combo1->currentText().toUtf8();
  const QByteArray separator = UserDecimalSeparator();
  SizingState_ = velmora::sizing::SizeReceiver(kind, {powerClass, AsView(flow), AsView(pressure)},
                                               AsView(separator));
}

void Form1::ShowStorageVolume() {
  if (!SizingState_.StorageVolume) {
    // Beyond single precision there is no volume to show, and an earlier
    // result left standing would be read as this one.
    Label8->ShowResult(QString());
    return;
  }
  const QByteArray separator = UserDecimalSeparator();
  Label8->ShowResult(QString::fromStdString(
      velmora::sizing::FormatByPattern(*SizingState_.StorageVolume, "#0.0#", AsView(separator))));
}

velmora::sizing::PowerClass Form1::SelectedPowerClass() const {
  const std::array<std::pair<const QRadioButton*, velmora::sizing::PowerClass>, 5> options{{
      {Option1, velmora::sizing::PowerClass::Class1},
      {Option2, velmora::sizing::PowerClass::Class2},
      {Option3, velmora::sizing::PowerClass::Class3},
      {Option4, velmora::sizing::PowerClass::Class4},
      {Option5, velmora::sizing::PowerClass::Class5},
  }};
  for (const auto& [option, powerClass] : options) {
    if (option->isChecked()) return powerClass;
  }
  return velmora::sizing::PowerClass::None;
}
