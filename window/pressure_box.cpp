#include "pressure_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>
#include <QWheelEvent>
#include <cmath>
#include <optional>

namespace velmora {
namespace {

// The value a text reads as in the user's format or with the point, without
// grouping: only to recognise an entry, never to calculate with.
std::optional<double> ValueOf(const QString& text) {
  const QString trimmed = text.trimmed();
  for (QLocale locale : {QLocale(), QLocale::c()}) {
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (ok && std::isfinite(value)) return value;
  }
  return std::nullopt;
}

enum class KeyStep { None, Up, Down };

KeyStep StepOf(const QKeyEvent* event) {
  // Alt+Down opens the popup; Ctrl+arrows belong to the text.
  if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return KeyStep::None;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      return KeyStep::Up;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      return KeyStep::Down;
    default:
      return KeyStep::None;
  }
}

}  // namespace

int PressureBox::EntryShown() const {
  const std::optional<double> shown = ValueOf(currentText());
  if (!shown) return -1;
  for (int entry = 0; entry < count(); ++entry) {
    if (ValueOf(itemText(entry)) == shown) return entry;
  }
  return -1;
}

int PressureBox::EntryAfterStep(bool down) const {
  const std::optional<double> shown = ValueOf(currentText());
  if (down) {
    for (int entry = 0; entry < count(); ++entry) {
      if (!shown || ValueOf(itemText(entry)) > shown) return entry;
    }
  } else if (shown) {
    for (int entry = count() - 1; entry >= 0; --entry) {
      if (ValueOf(itemText(entry)) < shown) return entry;
    }
  }
  return -1;
}

void PressureBox::Step(bool down) {
  const int entry = EntryAfterStep(down);
  if (entry >= 0) setCurrentIndex(entry);
}

void PressureBox::showPopup() {
  const int entry = EntryShown();
  QComboBox::showPopup();
  // Highlighted only: the box keeps the text the user typed until a pick.
  if (entry >= 0) view()->setCurrentIndex(model()->index(entry, modelColumn(), rootModelIndex()));
}

void PressureBox::keyPressEvent(QKeyEvent* event) {
  const KeyStep step = StepOf(event);
  if (step == KeyStep::None) {
    QComboBox::keyPressEvent(event);
    return;
  }
  Step(step == KeyStep::Down);
  event->accept();
}

void PressureBox::wheelEvent(QWheelEvent* event) {
  const int turn = event->angleDelta().y();
  if (!hasFocus() || turn == 0) {
    event->ignore();
    return;
  }
  // Turned away from the user, the wheel moves up the list, as Qt's does.
  Step(turn < 0);
  event->accept();
}

}  // namespace velmora
