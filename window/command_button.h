#pragma once

#include <QPushButton>

namespace velmora {

// A command button that, while it has the focus, answers Enter as well as
// Space, as command buttons do on Windows and in GTK and Qt dialogs. It is
// never the window's default: Enter elsewhere in the window starts nothing.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velmora
