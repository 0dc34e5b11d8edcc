#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "application_look.h"
#include "velmora_version.h"

namespace velmora {
namespace {

// Qt's standard texts (a field's Undo, Cut, Copy, Paste ...) come from Qt's
// own catalogue for the user's UI languages. Without it, they stay English.
void LoadQtTranslations(QApplication& app) {
  // Qt's own texts are English already; loading a catalogue costs start-up.
  if (QLocale().language() == QLocale::English) return;
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) return;
  translator->setParent(&app);
  QApplication::installTranslator(translator.release());
}

// Only the standard menus and dialogs speak Qt's texts, so its catalogue is
// read when the first of them is asked for, by a right-click, the menu key
// or a shortcut (Ctrl+S's save dialog, Ctrl+P's print dialog), and not at
// start-up, where it cost a file, its pages and the look-up of the user's
// languages before the window could show.
class TranslationsOnFirstMenu : public QObject {
 public:
  explicit TranslationsOnFirstMenu(QApplication& app) : QObject(&app), app_(app) {
    app.installEventFilter(this);
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::ContextMenu || event->type() == QEvent::Shortcut) {
      app_.removeEventFilter(this);
      LoadQtTranslations(app_);
      deleteLater();
    }
    return false;
  }

 private:
  QApplication& app_;
};

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  UseApplicationLook();
  new TranslationsOnFirstMenu(app);
  // Qt's catalogue for a right-to-left language (Arabic, Hebrew, Persian ...)
  // turns the whole application right to left, and with it every caption and
  // option circle of a window whose texts are Turkish and whose geometry is
  // fixed: "30-55 kW" would stand next to the circle of "60-90 kW". Set
  // explicitly, the direction stays as it is through later language changes,
  // and Qt's -reverse is overruled too.
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace velmora
