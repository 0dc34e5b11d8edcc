#include "command_button.h"

#include <QKeyEvent>

namespace velmora {

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  // A held key repeats; the calculation runs once per press.
  if (!event->isAutoRepeat()) click();
  event->accept();
}

}  // namespace velmora
