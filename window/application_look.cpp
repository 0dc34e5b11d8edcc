#include "application_look.h"

#include <QApplication>
#include <QStyleFactory>

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
class OneButtonPalette : public QObject {
 public:
  static constexpr const char* kName = "velmoraOneButtonPalette";

  explicit OneButtonPalette(QObject* parent) : QObject(parent) {
    setObjectName(QLatin1String(kName));
    Apply();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) Apply();
    return false;
  }

 private:
  static void Apply() {
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

void UseApplicationLook() {
  if (qobject_cast<WindowStyle*>(QApplication::style()) == nullptr) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
      QApplication::setStyle(new WindowStyle(fusion));
    }
  }
  QApplication::setFont(DialogFont());
  if (qApp->findChild<QObject*>(QLatin1String(OneButtonPalette::kName)) == nullptr) {
    qApp->installEventFilter(new OneButtonPalette(qApp));
  }
}

}  // namespace velmora
