#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

namespace velmora {

// A typed or pasted text as the calculation is to read it, in the plain
// ASCII the core knows. What a user sees is what counts:
// - every Unicode decimal digit (Arabic-Indic, Persian, Devanagari ...)
//   becomes its ASCII digit: an Arabic keyboard types "١٠";
// - the full-width forms become the ASCII characters they are drawn as
//   ("１．５" is "1.5"), and the Arabic decimal separator the user's own
//   decimal mark, for it is one under every setting ("١٫٥" is 1.5, and
//   "١٫٥٠٠" no fifteen hundred written with a point);
// - every Unicode blank (the no-break space, the narrow no-break space some
//   regional settings group digits with, thin, figure and ideographic
//   spaces, line and paragraph separators) and every control character (a
//   NUL, U+0085) becomes a space, so it counts where a space counts: the
//   explanation shows it as a blank;
// - invisible format characters (direction marks, zero-width spaces and
//   joiners, the byte-order mark, bidirectional embeddings, overrides and
//   isolates) are dropped: a text copied from a web page often carries them.
// Everything else stands as it is.
QString CalculationText(const QString& text, const QString& decimalSeparator);

// The same, as the UTF-8 bytes the core takes.
QByteArray CalculationBytes(const QString& text, const QString& decimalSeparator);

// Bytes as the core takes them, without a copy.
inline std::string_view AsView(const QByteArray& utf8) {
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

}  // namespace velmora
