#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

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

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  LoadQtTranslations(app);
}

}  // namespace velmora
