#include "dialog_font.h"

#include <QFontDatabase>

namespace velmora {
namespace {

constexpr int kDialogFontPixels = 10;
constexpr double kResultFontPoints = 8.25;
const char* const kStandInFamily = "Liberation Sans";
const char* const kResultFamily = "MS Sans Serif";

}  // namespace

QFont DialogFont() {
  QFont font(kStandInFamily);
  font.setPixelSize(kDialogFontPixels);
  // Where Liberation Sans is missing, fontconfig's own metric-compatible
  // substitute for Arial is the next best thing.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont ResultFont() {
  if (QFontDatabase::hasFamily(kResultFamily)) {
    QFont font(kResultFamily);
    font.setPointSizeF(kResultFontPoints);
    font.setWeight(QFont::Bold);
    return font;
  }
  QFont font = DialogFont();
  font.setWeight(QFont::Bold);
  return font;
}

}  // namespace velmora
