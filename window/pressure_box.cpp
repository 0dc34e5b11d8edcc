#include "pressure_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>
#include <QWheelEvent>

#include "calculation_text.h"
#include "sizing/parse_leading_number.h"

namespace velmora {
namespace {

// The value a text reads as when it is wholly one number by the
// calculation's rules: only to find it in the list, never to calculate with.
std::optional<double> ValueOf(const QString& text) {
  const QString decimalPoint = QLocale().decimalPoint();
  const QByteArray read = CalculationBytes(text, decimalPoint);
  const QByteArray separator = decimalPoint.toUtf8();
  if (!sizing::IsWholeNumberText(AsView(read), AsView(separator))) return std::nullopt;
  return sizing::ParseLeadingNumber(AsView(read), AsView(separator));
}

enum class KeyAction { None, StepUp, StepDown, OpenList };

KeyAction ActionOf(const QKeyEvent* event) {
  const int key = event->key();
  const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
  if (!arrow && key != Qt::Key_PageUp && key != Qt::Key_PageDown) return KeyAction::None;
  if (arrow && (event->modifiers() & Qt::AltModifier)) return KeyAction::OpenList;
  if (arrow && (event->modifiers() & Qt::ControlModifier)) return KeyAction::None;
  return key == Qt::Key_Up || key == Qt::Key_PageUp ? KeyAction::StepUp : KeyAction::StepDown;
}

bool ClosesTheList(const QKeyEvent* event) {
  return event->key() == Qt::Key_Up && (event->modifiers() & Qt::AltModifier);
}

bool IsReturn(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

std::optional<double> PressureBox::ValueShown() const { return ValueOf(currentText()); }

std::optional<double> PressureBox::ValueOfEntry(int entry) const {
  return ValueOf(itemText(entry));
}

// Entries keep the separator of the settings the window opened under; after
// the user changes it they no longer read, and are passed over rather than
// taken for the smallest of values.
int PressureBox::EntryAtOrBelowShown() const {
  const std::optional<double> shown = ValueShown();
  if (!shown) return -1;
  for (int entry = count() - 1; entry >= 0; --entry) {
    const std::optional<double> value = ValueOfEntry(entry);
    if (value && *value <= *shown) return entry;
  }
  return -1;
}

int PressureBox::EntryAfterStep(bool down) const {
  const std::optional<double> shown = ValueShown();
  if (down) {
    for (int entry = 0; entry < count(); ++entry) {
      const std::optional<double> value = ValueOfEntry(entry);
      if (value && (!shown || *value > *shown)) return entry;
    }
  } else if (shown) {
    for (int entry = count() - 1; entry >= 0; --entry) {
      const std::optional<double> value = ValueOfEntry(entry);
      if (value && *value < *shown) return entry;
    }
  }
  return -1;
}

void PressureBox::Step(bool down) {
  const int entry = EntryAfterStep(down);
  if (entry >= 0) setCurrentIndex(entry);
}

void PressureBox::showPopup() {
  const int entry = EntryAtOrBelowShown();
  QComboBox::showPopup();
  // Highlighted only: the box keeps the text the user typed until a pick.
  // Qt would highlight the entry picked last, however long ago.
  view()->setCurrentIndex(entry >= 0 ? model()->index(entry, modelColumn(), rootModelIndex())
                                     : QModelIndex());
  view()->installEventFilter(this);
}

// Keys that reach the open list: Qt closes it on Alt+Down and F4 only, and
// a Return with nothing highlighted would leave it open.
bool PressureBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (ClosesTheList(key) || (IsReturn(key) && !view()->currentIndex().isValid())) {
      hidePopup();
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void PressureBox::keyPressEvent(QKeyEvent* event) {
  const KeyAction action = ActionOf(event);
  switch (action) {
    case KeyAction::None:
      QComboBox::keyPressEvent(event);
      return;
    case KeyAction::OpenList:
      showPopup();
      break;
    case KeyAction::StepUp:
    case KeyAction::StepDown:
      Step(action == KeyAction::StepDown);
      break;
  }
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
