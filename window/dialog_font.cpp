#include "dialog_font.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace velmora {
namespace {

constexpr int kDialogFontPixels = 10;
const char* const kStandInFamily = "Liberation Sans";

#ifdef Q_OS_WIN
// A face of Windows' own. Elsewhere asking fontconfig for it costs start-up
// time for an answer that is always no.
constexpr double kResultFontPoints = 8.25;
const char* const kResultFamily = "MS Sans Serif";

// Windows has no Liberation Sans; the program ships it in fonts/ beside
// itself (SIL Open Font License), so that every caption fits there too.
// Elsewhere the system has it (the Debian package depends on it), and asking
// fontconfig whether it does would cost start-up time for nothing.
void LoadShippedStandIn() {
  if (QFontDatabase::hasFamily(QString::fromLatin1(kStandInFamily))) return;
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/");
  for (const char* face : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
    QFontDatabase::addApplicationFont(folder + QString::fromLatin1(face));
  }
}
#endif

}  // namespace

QFont DialogFont() {
#ifdef Q_OS_WIN
  static const bool shippedFacesLoaded = (LoadShippedStandIn(), true);
  Q_UNUSED(shippedFacesLoaded)
#endif
  QFont font(kStandInFamily);
  font.setPixelSize(kDialogFontPixels);
  // Where Liberation Sans is missing, fontconfig's own metric-compatible
  // substitute for Arial is the next best thing.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont ResultFont() {
#ifdef Q_OS_WIN
  if (QFontDatabase::hasFamily(kResultFamily)) {
    QFont font(kResultFamily);
    font.setPointSizeF(kResultFontPoints);
    font.setWeight(QFont::Bold);
    return font;
  }
#endif
  QFont font = DialogFont();
  font.setWeight(QFont::Bold);
  return font;
}

}  // namespace velmora
