#pragma once

#include <QComboBox>

namespace velmora {

// The pressure list. It opens showing a typed "1" with no entry selected, so
// Qt's own stepping would jump from there to the first entry (0.5 bar),
// halving the pressure unnoticed. Here the arrows, Page Up/Down and the wheel
// step from the entry whose value the box shows, and the popup opens on it.
// The wheel turns it only while it has the focus, so scrolling over the
// window never changes an input.
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
  void StartFromEntryShown();
};

}  // namespace velmora
