#include "dialog_font.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace velmora {
namespace {

constexpr int kDialogFontPixels = 10;
const char* const kStandInFamily = "Liberation Sans";

#ifdef Q_OS_WIN
// Faces of Windows' own. Elsewhere asking fontconfig for them costs start-up
// time for an answer that is always no.
constexpr double kResultFontPoints = 8.25;
const char* const kResultFamily = "MS Sans Serif";
// Its scalable counterpart, drawn from the same design.
const char* const kScalableResultFamily = "Microsoft Sans Serif";

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

void LoadShippedStandInOnce() {
  static const bool loaded = (LoadShippedStandIn(), true);
  Q_UNUSED(loaded)
}

QFont ResultFace(const char* family) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(kResultFontPoints);
  font.setWeight(QFont::Bold);
  return font;
}

// Whether Qt draws the face as it is asked for, at this display scale. A
// scalable face it draws at any size. A raster face has a few fixed sizes:
// Qt scales whatever it draws by the display's factor, which turns a raster
// face's pixels into blurred blocks, and it matches a size asked for against
// the sizes' cell heights while Windows takes it as the height of the
// characters, so that 8.25 points (11 pixels at 96 dpi) come out as the
// next larger size. A raster face is used only where its size asked for is
// the size drawn, unscaled.
bool DrawnAsAsked(const QFont& font, qreal devicePixelRatio) {
  if (!QFontDatabase::hasFamily(font.family())) return false;
  if (QFontDatabase::isSmoothlyScalable(font.family())) return true;
  QFont scalable = DialogFont();
  scalable.setPointSizeF(font.pointSizeF());
  return qFuzzyCompare(devicePixelRatio, 1.0) &&
         QFontInfo(font).pixelSize() == QFontInfo(scalable).pixelSize();
}
#endif

}  // namespace

QFont DialogFont() {
#ifdef Q_OS_WIN
  LoadShippedStandInOnce();
#endif
  QFont font(kStandInFamily);
  font.setPixelSize(kDialogFontPixels);
  // Where Liberation Sans is missing, fontconfig's own metric-compatible
  // substitute for Arial is the next best thing.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont ResultFont(qreal devicePixelRatio) {
#ifdef Q_OS_WIN
  LoadShippedStandInOnce();
  // The stand-in last, at the same size: at 10 pixels Windows' hinting
  // draws its bold strokes as thin as the regular ones.
  for (const char* family : {kResultFamily, kScalableResultFamily, kStandInFamily}) {
    const QFont font = ResultFace(family);
    if (DrawnAsAsked(font, devicePixelRatio)) return font;
  }
#else
  Q_UNUSED(devicePixelRatio)
#endif
  QFont font = DialogFont();
  font.setWeight(QFont::Bold);
  return font;
}

}  // namespace velmora
