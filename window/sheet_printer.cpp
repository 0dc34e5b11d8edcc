#include "sheet_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QStringList>

namespace velmora {

SheetPrinter* LoadSheetPrinter(QString* failure) {
  // The folder is relative to the program's, so that an installed tree
  // works wherever it was installed, and the build tree, laid out alike,
  // works too.
  const QString own = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/" VELMORA_PRINTING_FOLDER));
  QPluginLoader beside(own + QStringLiteral("/" VELMORA_PRINTING_MODULE));
  if (auto* printer = qobject_cast<SheetPrinter*>(beside.instance())) return printer;
  // A bare name: Qt looks in each of its library paths.
  QPluginLoader anywhere(QStringLiteral(VELMORA_PRINTING_MODULE));
  if (auto* printer = qobject_cast<SheetPrinter*>(anywhere.instance())) return printer;
  *failure = QStringLiteral("%1: %2\n%3: %4")
                 .arg(QDir::toNativeSeparators(own), beside.errorString(),
                      QDir::toNativeSeparators(QCoreApplication::libraryPaths().join(u';')),
                      anywhere.errorString());
  return nullptr;
}

}  // namespace velmora
