#include "ascii_digits.h"

#include <QChar>

namespace velmora {
namespace {

bool IsAscii(const QString& text) {
  const auto* const units = text.utf16();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (units[i] >= 0x80) return false;
  }
  return true;
}

// The ASCII digit for a code point that is a decimal digit of another
// script, or none.
QChar AsciiDigitOf(char32_t codePoint) {
  if (codePoint < 0x80 || QChar::category(codePoint) != QChar::Number_DecimalDigit) return {};
  return QLatin1Char(static_cast<char>('0' + QChar::digitValue(codePoint)));
}

}  // namespace

QString WithAsciiDigits(const QString& text) {
  // Almost every text is ASCII already; it is handed on without a copy.
  if (IsAscii(text)) return text;
  QString ascii;
  ascii.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    // Some scripts' digits lie beyond the first plane (Mathematical digits,
    // Adlam ...) and arrive as two UTF-16 units.
    const bool pair = unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t codePoint = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
    const QChar digit = AsciiDigitOf(codePoint);
    if (!digit.isNull()) {
      ascii += digit;
    } else {
      ascii += unit;
      if (pair) ascii += text[i + 1];
    }
    if (pair) ++i;
  }
  return ascii;
}

}  // namespace velmora
