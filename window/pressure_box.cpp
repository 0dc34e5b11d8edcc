#include "pressure_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>
#include <QWheelEvent>
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
    if (ok) return value;
  }
  return std::nullopt;
}

bool IsStep(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      // Alt+Down opens the popup; Ctrl+arrows belong to the text.
      return !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    default:
      return false;
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

void PressureBox::StartFromEntryShown() {
  const int entry = EntryShown();
  if (entry >= 0 && entry != currentIndex()) setCurrentIndex(entry);
}

void PressureBox::showPopup() {
  const int entry = EntryShown();
  QComboBox::showPopup();
  // Highlighted only: the box keeps the text the user typed until a pick.
  if (entry >= 0) view()->setCurrentIndex(model()->index(entry, modelColumn(), rootModelIndex()));
}

void PressureBox::keyPressEvent(QKeyEvent* event) {
  if (IsStep(event)) StartFromEntryShown();
  QComboBox::keyPressEvent(event);
}

void PressureBox::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  StartFromEntryShown();
  QComboBox::wheelEvent(event);
}

}  // namespace velmora
