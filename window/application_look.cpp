#include "application_look.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>
#include <optional>

#include "dialog_font.h"
#include "window_style.h"

namespace velmora {
namespace {

// Qt's Windows platform in dark mode gives buttons a palette of their own:
// option buttons and check boxes with a base of the accent blue, so that
// every unchecked circle looks chosen, and push buttons a grey face that
// leaves their white captions under 4.5:1. They keep the window's palette
// instead, now and after every change of theme, which hands out those
// palettes again.
void KeepButtonPalettes() {
  const QPalette window = QApplication::palette();
  for (const char* name : {"QAbstractButton", "QRadioButton", "QCheckBox"}) {
    const QPalette own = QApplication::palette(name);
    if (own.color(QPalette::Base) != window.color(QPalette::Base) ||
        own.color(QPalette::Button) != window.color(QPalette::Button)) {
      QApplication::setPalette(window, name);
    }
  }
}

// The tooltips' palette as last seen here. Tooltips keep the palette the
// platform theme gave them at start-up, while a theme such as qt6ct changes
// only the application's palette when its scheme is changed; every tooltip
// shown after that would still be in the old scheme. Where a change of
// theme comes with a tooltip palette of its own (Windows), Qt has set that
// one by the time the window hears of the change, and it is kept.
std::optional<QPalette>& TipPaletteSeen() {
  static std::optional<QPalette> seen;
  return seen;
}

void KeepTipsInStep() {
  std::optional<QPalette>& seen = TipPaletteSeen();
  if (seen && QToolTip::palette() == *seen) QToolTip::setPalette(QApplication::palette());
  seen = QToolTip::palette();
}

}  // namespace

void ChooseWindowStyleBeforeStart() {
  // Fusion is built into Qt, so no plugin is looked for before there is an
  // application to say where.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(new WindowStyle(fusion));
  }
}

void UseApplicationLook() {
  if (qobject_cast<WindowStyle*>(QApplication::style()) == nullptr) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
      QApplication::setStyle(new WindowStyle(fusion));
    }
  }
  QApplication::setFont(DialogFont());
  KeepButtonPalettes();
  TipPaletteSeen() = QToolTip::palette();
}

void FollowApplicationPalette() {
  KeepButtonPalettes();
  KeepTipsInStep();
}

}  // namespace velmora
