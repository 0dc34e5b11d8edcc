#pragma once

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace velmora::testing {

// What the screen holds of a control, in device pixels: its window's
// backing store as last painted, which is what the offscreen platform
// shows, with the paints already asked for done first. Unlike
// QWidget::grab(), which paints the control afresh, it shows a repaint that
// never happened. (The platform's own QScreen::grabWindow() hands over only
// the window's size in pixels where the display is scaled.)
inline QImage OnScreen(const QWidget* control, const QRect& area) {
  QWidget* window = control->window();
  QApplication::processEvents();
  QBackingStore* store = window->backingStore();
  QPaintDevice* device = store == nullptr ? nullptr : store->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return {};
  const auto* painted = static_cast<const QImage*>(device);
  const qreal scale = painted->devicePixelRatio();
  const QRect inWindow(control->mapTo(window, area.topLeft()), area.size());
  return painted->copy(
      QRectF(QPointF(inWindow.topLeft()) * scale, QSizeF(inWindow.size()) * scale).toRect());
}

inline QImage OnScreen(const QWidget* control) { return OnScreen(control, control->rect()); }

}  // namespace velmora::testing
