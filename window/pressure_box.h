#pragma once

#include <QComboBox>
#include <optional>

namespace velmora {

// The pressure list. It opens showing a typed "1" with no entry selected, so
// Qt's own stepping would jump from there to the first entry (0.5 bar),
// halving the pressure unnoticed, and from a typed 3 it would step from
// whatever entry was picked last. Here the arrows and Page Up/Down, with or
// without a modifier, and the wheel step from where the value the box shows
// sits in the list: from 0,55 down to 0,6 and up to 0,5. The value is read
// by the calculation's own rules (digits of any script, the user's separator
// or the point, blanks around it); a text that is not wholly a number steps
// as from before the first entry. Alt+Down, Alt+Up and F4 open and close the
// list, which opens on the entry the closed list steps from; Ctrl+Up and
// Ctrl+Down are the text's. The wheel turns it only while it has the focus,
// so scrolling over the window never changes an input.
class PressureBox : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

  void showPopup() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  std::optional<double> ValueShown() const;
  std::optional<double> ValueOfEntry(int entry) const;
  // The last entry whose value is at most the value shown, or -1.
  int EntryAtOrBelowShown() const;
  // The entry one step down (towards larger values) or up from the value
  // shown, or -1 where the list ends.
  int EntryAfterStep(bool down) const;
  void Step(bool down);
};

}  // namespace velmora
