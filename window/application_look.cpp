#include "application_look.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

#include "dialog_font.h"
#include "window_style.h"

namespace velmora {
namespace {

// Keeps the buttons and the tooltips in the window's palette.
//
// Qt's Windows platform in dark mode gives buttons a palette of their own:
// option buttons and check boxes with a base of the accent blue, so that
// every unchecked circle looks chosen, and push buttons a grey face that
// leaves their white captions under 4.5:1. They keep the window's palette
// instead, now and after every change of theme, which hands out those
// palettes again.
//
// Tooltips keep the palette the platform theme gave them at start-up, while
// a theme such as qt6ct changes only the application's palette when its
// scheme is changed; every tooltip shown after that would still be in the
// old scheme. On a palette change they take the new one. Where a change of
// theme comes with a tooltip palette of its own (Windows), Qt sets that one
// right after, so it still wins.
class WindowPalette : public QObject {
 public:
  static constexpr const char* kName = "velmoraWindowPalette";

  explicit WindowPalette(QObject* parent) : QObject(parent) {
    setObjectName(QLatin1String(kName));
    KeepButtonPalettes();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
      KeepButtonPalettes();
      QToolTip::setPalette(QApplication::palette());
    }
    return false;
  }

 private:
  static void KeepButtonPalettes() {
    const QPalette window = QApplication::palette();
    for (const char* name : {"QAbstractButton", "QRadioButton", "QCheckBox"}) {
      const QPalette own = QApplication::palette(name);
      if (own.color(QPalette::Base) != window.color(QPalette::Base) ||
          own.color(QPalette::Button) != window.color(QPalette::Button)) {
        QApplication::setPalette(window, name);
      }
    }
  }
};

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
  if (qApp->findChild<QObject*>(QLatin1String(WindowPalette::kName)) == nullptr) {
    qApp->installEventFilter(new WindowPalette(qApp));
  }
}

}  // namespace velmora
