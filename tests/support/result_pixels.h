#pragma once

#include <QImage>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QString>

#include "contrast.h"

namespace velmora::testing {

// A pixel that stands out from the background at all: a glyph's faintest
// antialiased edge does. A mark's body stands out fully.
inline bool Inked(const QImage& image, int x, int y, const QColor& background, double ratio = 1.5) {
  return velmora::ContrastRatio(image.pixelColor(x, y), background) >= ratio;
}

// The box around every inked pixel of a region, leaving out the rows given.
inline QRect InkBox(const QImage& image, const QRect& region, const QColor& background,
                    const QList<int>& skippedRows = {}) {
  QRect box;
  const QRect inside = region.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    if (skippedRows.contains(y)) continue;
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (Inked(image, x, y, background)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// How many pixels of a row are inked from one column to another.
inline int InkedInRow(const QImage& image, int y, int left, int right, const QColor& background,
                      double ratio = 1.5) {
  int inked = 0;
  for (int x = left; x <= right; ++x) inked += Inked(image, x, y, background, ratio);
  return inked;
}

// How a plain label draws a text in another label's font, box, palette and
// style, in the device pixels of the screen it is on.
inline QImage PlainlyDrawn(const QLabel& like, const QString& text) {
  QLabel plain(text, like.parentWidget());
  plain.setTextFormat(Qt::PlainText);
  plain.setFont(like.font());
  plain.setStyle(like.style());
  plain.setPalette(like.palette());
  plain.setGeometry(like.geometry());
  return plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a result's box shows, read off its pixels.
struct ResultReading {
  QString text;       // empty when it is neither the text nor a start of it with "…"
  QRect ink;          // of that text, in the box's device pixels
  QList<int> struck;  // rows inked 3:1 from the text's first inked column to its last
};

// Which text a result's box shows: its whole text, or the longest start of
// it followed by "…", whichever a plain label draws to the same pixels up
// to the text's last inked column, apart from the rows a strike runs
// through.
inline ResultReading ReadResult(const QImage& shown, const QLabel& label, const QString& text) {
  const QColor background = label.palette().color(label.backgroundRole());
  for (qsizetype length = text.size(); length >= 0; --length) {
    const QString candidate = length == text.size() ? text : text.left(length) + QChar(0x2026);
    const QImage plain = PlainlyDrawn(label, candidate);
    if (plain.size() != shown.size()) return {};
    const QRect ink = InkBox(plain, plain.rect(), background);
    if (ink.isEmpty()) continue;
    QList<int> struck;
    for (int y = 0; y < shown.height(); ++y) {
      if (InkedInRow(shown, y, ink.left(), ink.right(), background, 3.0) == ink.width()) {
        struck << y;
      }
    }
    bool same = true;
    for (int y = 0; y < shown.height() && same; ++y) {
      if (struck.contains(y)) continue;
      for (int x = 0; x <= ink.right() && same; ++x) same = shown.pixel(x, y) == plain.pixel(x, y);
    }
    if (same) return {candidate, ink, struck};
  }
  return {};
}

}  // namespace velmora::testing
