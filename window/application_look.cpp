#include "application_look.h"

#include <QApplication>
#include <QStyleFactory>

#include "dialog_font.h"
#include "window_style.h"

namespace velmora {

void UseApplicationLook() {
  if (qobject_cast<WindowStyle*>(QApplication::style()) == nullptr) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
      QApplication::setStyle(new WindowStyle(fusion));
    }
  }
  QApplication::setFont(DialogFont());
}

}  // namespace velmora
