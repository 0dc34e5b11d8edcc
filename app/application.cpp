#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <mutex>
#include <tuple>

#include "application_look.h"
#include "velmora_version.h"

namespace velmora {
namespace {

// Qt's standard texts (a field's Undo, Cut, Copy, Paste, a dialog's
// buttons ...) come from Qt's own catalogue for the user's UI languages;
// without it they stay English. Only the standard menus and dialogs ask for
// them, so the catalogue is read the first time Qt asks for a text, and not
// at start-up, where it cost a file, its pages and the look-up of the
// user's languages before the window could show. Nothing is looked at
// before then: no event, no file.
class QtCatalogueOnFirstText : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    // Qt asks from whichever thread needs a text (a file dialog's helper
    // threads among them); the catalogue is read once, by the first.
    std::call_once(read_, [this] {
      // Without a catalogue for the user's language, Qt's texts stay English.
      std::ignore = catalogue_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return catalogue_.translate(context, sourceText, disambiguation, n);
  }

 private:
  mutable std::once_flag read_;
  mutable QTranslator catalogue_;
};

void OfferQtTranslations(QApplication& app) {
  // Qt's own texts are English already.
  if (QLocale().language() == QLocale::English) return;
  // Empty until read, so installing it sends no change of language through
  // a window that has none to make.
  QApplication::installTranslator(new QtCatalogueOnFirstText(&app));
}

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  UseApplicationLook();
  // Qt's catalogue for a right-to-left language (Arabic, Hebrew, Persian ...)
  // turns the whole application right to left, and with it every caption and
  // option circle of a window whose texts are Turkish and whose geometry is
  // fixed: "30-55 kW" would stand next to the circle of "60-90 kW". Set
  // explicitly, the direction stays as it is through later language changes,
  // and Qt's -reverse is overruled too.
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  OfferQtTranslations(app);
}

}  // namespace velmora
