#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "velmora_version.h"

namespace velmora {
namespace {

// Qt's standard texts (a field's Undo, Cut, Copy, Paste ...) come from Qt's
// own catalogue for the user's UI languages. Without it, they stay English.
void LoadQtTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  LoadQtTranslations(app);
}

}  // namespace velmora
