#include "user_guide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace velmora {

QStringList UserGuideFileNames() {
  const QLocale::Language language = QLocale().language();
  if (language == QLocale::Turkish || language == QLocale::C || language == QLocale::AnyLanguage) {
    return {QStringLiteral("Kullanım Kılavuzu.html"), QStringLiteral("Kullanim Kilavuzu.html")};
  }
  return {QStringLiteral("User Guide.html")};
}

QStringList UserGuideFolders() {
  const QString program = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
  // Above an unpacked zip (C:\velmora-1.00-windows-x64) lies C:\share, which
  // any user of the machine may create and fill.
  return {program};
#else
  return {program, QDir::cleanPath(program + QStringLiteral("/../share/doc/velmora"))};
#endif
}

bool OpenUserGuide() {
  for (const QString& folder : UserGuideFolders()) {
    for (const QString& name : UserGuideFileNames()) {
      const QFileInfo guide(QDir(folder), name);
      if (guide.isFile()) return QDesktopServices::openUrl(QUrl::fromLocalFile(guide.filePath()));
    }
  }
  return false;
}

}  // namespace velmora
