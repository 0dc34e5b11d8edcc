#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace velmora::testing {

// Right-clicks a control as a user does (a context-menu event through the
// application) and hands the menu that opens to inspect before it is
// closed again. False when no menu opened.
template <typename Inspect>
bool RightClick(QWidget* control, Inspect inspect) {
  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    opened = menu != nullptr;
    if (menu != nullptr) {
      inspect(*menu);
      menu->close();
    }
  });
  const QPoint at = control->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
  QApplication::sendEvent(control, &event);
  QApplication::processEvents();
  return opened;
}

}  // namespace velmora::testing
