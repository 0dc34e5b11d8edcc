#include "calculation_text.h"

#include <QChar>
#include <optional>

namespace velmora {
namespace {

// The full-width forms of East Asian input (U+FF01 to U+FF5E) stand this far
// from the ASCII characters they look like: "１．５" is "1.5".
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kFirstFullWidth = 0xFF01;
constexpr char32_t kLastFullWidth = 0xFF5E;
// The Arabic decimal separator, "١٫٥": a decimal mark whatever the settings,
// so it is read as the user's own, which every reading takes as one.
constexpr char32_t kArabicDecimalSeparator = 0x066B;

// ASCII control characters (a NUL, an escape) are shown as blanks, so they
// are read as blanks too: what the explanation echoes is what was read.
bool IsAsciiControl(char16_t unit) { return unit < 0x20 || unit == 0x7F; }

bool IsPlainAscii(const QString& text) {
  const auto* const units = text.utf16();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (units[i] >= 0x80 || IsAsciiControl(units[i])) return false;
  }
  return true;
}

// What a code point other than plain ASCII and the Arabic decimal separator
// reads as: an ASCII digit, mark or space; a null character where it is
// dropped; nothing where it stands as it is.
std::optional<QChar> ReadAs(char32_t codePoint) {
  if (codePoint >= kFirstFullWidth && codePoint <= kLastFullWidth) {
    return QLatin1Char(static_cast<char>(codePoint - kFullWidthOffset));
  }
  switch (QChar::category(codePoint)) {
    case QChar::Number_DecimalDigit:
      return QLatin1Char(static_cast<char>('0' + QChar::digitValue(codePoint)));
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
      return QLatin1Char(' ');
    case QChar::Other_Format:
      return QChar();
    default:
      return std::nullopt;
  }
}

}  // namespace

QString CalculationText(const QString& text, const QString& decimalSeparator) {
  // Almost every text is plain ASCII already; it is handed on without a copy.
  if (IsPlainAscii(text)) return text;
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    // Some scripts' digits and some format characters lie beyond the first
    // plane (Mathematical digits, Adlam, tags ...) and arrive as two units.
    const bool pair = unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t codePoint = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
    if (codePoint == kArabicDecimalSeparator) {
      plain += decimalSeparator.isEmpty() ? QStringLiteral(".") : decimalSeparator;
      continue;
    }
    const std::optional<QChar> read =
        codePoint < 0x80 && !IsAsciiControl(unit.unicode()) ? std::nullopt : ReadAs(codePoint);
    if (!read) {
      plain += unit;
      if (pair) plain += text[i + 1];
    } else if (!read->isNull()) {
      plain += *read;
    }
    if (pair) ++i;
  }
  return plain;
}

QByteArray CalculationBytes(const QString& text, const QString& decimalSeparator) {
  return CalculationText(text, decimalSeparator).toUtf8();
}

}  // namespace velmora
