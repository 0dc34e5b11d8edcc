#include "sizing_explanation.h"

#include <QStringList>
#include <string_view>

#include "ascii_digits.h"
#include "sizing/parse_leading_number.h"
#include "sizing/shortest_digits.h"

namespace velmora {
namespace {

// A pasted megabyte would make a tooltip of a megabyte; what is echoed is
// enough to recognise the text by.
constexpr qsizetype kLongestEcho = 40;

std::string_view AsView(const QByteArray& utf8) {
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

QString Digits(float value, const QByteArray& separator) {
  return QString::fromStdString(sizing::ShortestDigits(value, AsView(separator)));
}

// The typed text as a user recognises it on one line: blanks around it
// trimmed, line breaks and other control characters inside it shown as
// blanks, and a very long one shortened.
QString Echo(const QString& typed) {
  QString echo = typed.trimmed();
  if (echo.size() > kLongestEcho) echo = echo.left(kLongestEcho - 1) + QChar(0x2026);
  for (QChar& c : echo) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator) {
      c = u' ';
    }
  }
  return echo;
}

// "10 m3/dk", with what was typed where it is not just that number.
QString InputLine(const QString& label, float used, const QString& unit, const QString& typed,
                  const QByteArray& separator, bool rounded) {
  QString line = QStringLiteral("%1: %2 %3").arg(label, Digits(used, separator), unit);
  const QByteArray ascii = WithAsciiDigits(typed).toUtf8();
  if (typed.trimmed().isEmpty()) return line + QStringLiteral(" (boş)");
  if (!sizing::IsWholeNumberText(AsView(ascii), AsView(separator)) || rounded) {
    line += QStringLiteral(" (yazılan \"%1\"").arg(Echo(typed));
    if (rounded) line += QStringLiteral(", bir ondalığa yuvarlandı");
    line += u')';
  }
  return line;
}

// Only the screw variant rounds, and only a text that is a number can have
// been rounded.
bool PressureWasRounded(const TypedInputs& inputs, const sizing::SizingState& state,
                        const QByteArray& separator) {
  if (inputs.kind != sizing::CompressorKind::Screw) return false;
  const QByteArray ascii = WithAsciiDigits(inputs.pressureText).toUtf8();
  return sizing::IsWholeNumberText(AsView(ascii), AsView(separator)) &&
         sizing::ParseLeadingSingle(AsView(ascii), AsView(separator)) != state.PressureDifference;
}

}  // namespace

QString ExplainSizing(const TypedInputs& inputs, const sizing::SizingState& state,
                      const QString& shownResult) {
  const QByteArray separator = inputs.decimalSeparator.toUtf8();
  const QString kind = inputs.kind == sizing::CompressorKind::Screw
                           ? QStringLiteral("Vidalı kompresör")
                           : QStringLiteral("Pistonlu kompresör");
  QStringList lines{QStringLiteral("%1, %2: güç katsayısı %3")
                        .arg(kind, inputs.powerClassCaption)
                        .arg(state.PowerClassFactor)};
  if (!state.StorageVolume) {
    lines << QStringLiteral("Değerler hesaplanabilecek aralığın dışında: sonuç yok");
    return lines.join(u'\n');
  }
  lines << InputLine(QStringLiteral("Debi"), state.FreeAirDelivery, QStringLiteral("m3/dk"),
                     inputs.flowText, separator, false);
  lines << InputLine(QStringLiteral("Basınç farkı"), state.PressureDifference,
                     QStringLiteral("bar"), inputs.pressureText, separator,
                     PressureWasRounded(inputs, state, separator));
  if (state.PressureDifference <= 0.0F) {
    lines << QStringLiteral("Basınç farkı sıfırdan büyük değil: hacim 0");
  } else {
    lines << QStringLiteral("Hacim = %1 × %2 ÷ (%3 × %4) = %5 m3")
                 .arg(Digits(state.FreeAirDelivery, separator))
                 .arg(sizing::KindConstantOf(inputs.kind))
                 .arg(state.PowerClassFactor)
                 .arg(Digits(state.PressureDifference, separator), shownResult);
  }
  return lines.join(u'\n');
}

}  // namespace velmora
