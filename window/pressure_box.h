#pragma once

#include <QComboBox>

namespace velmora {

// The pressure list. It opens showing a typed "1" with no entry selected, so
// Qt's own stepping would jump from there to the first entry (0.5 bar),
// halving the pressure unnoticed, and from a typed 3 it would step from
// whatever entry was picked last. Here the arrows, Page Up/Down and the
// wheel step from where the value the box shows sits in the list: from 0,55
// down to 0,6 and up to 0,5; a text that is no number steps as from before
// the first entry. The popup opens on the entry shown. The wheel turns it
// only while it has the focus, so scrolling over the window never changes
// an input.
class PressureBox : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

  void showPopup() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The entry whose value the box's text reads as ("1", "1,0", " 1.0 "), or -1.
  int EntryShown() const;
  // The entry one step down (towards larger values) or up from the value
  // shown, or -1 where the list ends.
  int EntryAfterStep(bool down) const;
  void Step(bool down);
};

}  // namespace velmora
