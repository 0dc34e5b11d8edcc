#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <atomic>
#include <tuple>

#include "application_look.h"
#include "velmora_version.h"

namespace velmora {
namespace {

// Qt's standard texts (a field's Undo, Cut, Copy, Paste, a dialog's
// buttons ...) come from Qt's own catalogue for the user's UI languages;
// without it they stay English. Only the standard menus and dialogs ask for
// them, so the catalogue is not read at start-up, where it cost a file, its
// pages and the look-up of the user's languages before the window could
// show, but in the event loop's first pass: after the window is shown and
// before any input can reach it, so before any menu, dialog or shortcut
// text. Not where Qt first asks: Qt asks holding its translators' lock for
// reading, loading a catalogue takes that lock again, and a translator
// installed or removed on another thread in between would wait for the
// first and block the second for good.
class QtCatalogue : public QTranslator {
 public:
  explicit QtCatalogue(QObject* parent) : QTranslator(parent) {
    QMetaObject::invokeMethod(this, &QtCatalogue::Read, Qt::QueuedConnection);
  }

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    // Qt asks from whichever thread needs a text (a file dialog's helper
    // threads among them); until the catalogue is read, Qt's English.
    if (!read_.load(std::memory_order_acquire)) return {};
    return catalogue_.translate(context, sourceText, disambiguation, n);
  }

 private:
  void Read() {
    // Without a catalogue for the user's language, Qt's texts stay English.
    std::ignore = catalogue_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    read_.store(true, std::memory_order_release);
  }

  std::atomic<bool> read_{false};
  QTranslator catalogue_;
};

void OfferQtTranslations(QApplication& app) {
  // Qt's own texts are English already.
  if (QLocale().language() == QLocale::English) return;
  // Empty to Qt, which never sees the catalogue inside it: neither
  // installing it nor reading the catalogue sends a change of language
  // through a window that has none to make.
  QApplication::installTranslator(new QtCatalogue(&app));
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
