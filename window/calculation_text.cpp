#include "calculation_text.h"

#include <QChar>
#include <optional>

namespace velmora {
namespace {

bool IsAscii(const QString& text) {
  const auto* const units = text.utf16();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (units[i] >= 0x80) return false;
  }
  return true;
}

// What a code point other than ASCII reads as: an ASCII digit or a space;
// a null character where it is dropped; nothing where it stands as it is.
std::optional<QChar> ReadAs(char32_t codePoint) {
  switch (QChar::category(codePoint)) {
    case QChar::Number_DecimalDigit:
      return QLatin1Char(static_cast<char>('0' + QChar::digitValue(codePoint)));
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return QLatin1Char(' ');
    case QChar::Other_Format:
      return QChar();
    default:
      return std::nullopt;
  }
}

}  // namespace

QString CalculationText(const QString& text) {
  // Almost every text is ASCII already; it is handed on without a copy.
  if (IsAscii(text)) return text;
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    // Some scripts' digits and some format characters lie beyond the first
    // plane (Mathematical digits, Adlam, tags ...) and arrive as two units.
    const bool pair = unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t codePoint = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
    const std::optional<QChar> read = codePoint < 0x80 ? std::nullopt : ReadAs(codePoint);
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

QByteArray CalculationBytes(const QString& text) { return CalculationText(text).toUtf8(); }

}  // namespace velmora
