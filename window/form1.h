#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "sizing/compressor_kind.h"
#include "sizing/power_class.h"
#include "sizing/sizing_state.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace velmora {
struct Calculation;
struct CalculationSheet;
class CommandButton;
class PressureBox;
class ResultLabel;
struct TypedInputs;
}  // namespace velmora

// The calculator's one window. Its controls are named as the product's
// documentation, tests and bug reports name them (Option1 to Option5, Text1,
// Combo1, Command1 ...), so that all of them speak of the same thing.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // The last click's record, which everything that shows its result reads;
  // none before the first click.
  const velmora::Calculation* LastCalculation() const { return calculation_.get(); }
  // The sheet that documents the result on screen; none while none shows.
  std::optional<velmora::CalculationSheet> ShownSheet() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void SetUpControls();
  void SetTabOrder();
  void DescribeForAssistiveTools();
  void DescribeResult();
  bool CopyResultSelection(QObject* watched, const QKeyEvent* event) const;
  bool MoveBetweenPowerClasses(QObject* watched, const QKeyEvent* event);

  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void ComputeScrewVolume();
  void ComputePistonVolume();
  void ComputeVolume(velmora::sizing::CompressorKind kind);
  void ShowStorageVolume();
  velmora::TypedInputs ReadTypedInputs(velmora::sizing::CompressorKind kind) const;
  bool ControlsHold(const velmora::TypedInputs& typed) const;
  void FollowInputChanges();
  void SaveCalculationSheet();
  void PrintCalculationSheet();
  std::array<std::pair<QRadioButton*, velmora::sizing::PowerClass>, 5> PowerClassOptions() const;
  QRadioButton* SelectedOption() const;
  velmora::sizing::PowerClass SelectedPowerClass() const;

  velmora::sizing::SizingState SizingState_;
  // The click that made SizingState_: its inputs as typed and as read, the
  // notes and the result as shown.
  std::unique_ptr<const velmora::Calculation> calculation_;

  QLabel* Label3 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QRadioButton* Option4 = nullptr;
  QRadioButton* Option5 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  velmora::PressureBox* Combo1 = nullptr;
  QLabel* Label7 = nullptr;
  QGroupBox* Frame1 = nullptr;
  velmora::ResultLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  velmora::CommandButton* Command1 = nullptr;
  velmora::CommandButton* Command2 = nullptr;
  QLabel* Label25 = nullptr;
};
