#include "sizing_explanation.h"

#include <QStringList>
#include <algorithm>
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

// A typed text and the same text as the calculation read it (digits of any
// script made ASCII, UTF-8), converted once: a pasted text may be megabytes.
struct ReadText {
  ReadText(const QString& typedText, const QByteArray& separator)
      : typed(typedText), read(WithAsciiDigits(typedText).toUtf8()) {
    const auto blank = [](QChar c) { return c.isSpace(); };
    first = std::find_if_not(typed.cbegin(), typed.cend(), blank) - typed.cbegin();
    last = typed.crend() - std::find_if_not(typed.crbegin(), typed.crend(), blank);
    whole = sizing::IsWholeNumberText(AsView(read), AsView(separator));
  }

  bool IsBlank() const { return first >= last; }

  const QString& typed;
  QByteArray read;
  qsizetype first = 0;  // the typed text without the blanks around it
  qsizetype last = 0;
  bool whole = false;
};

// The typed text as a user recognises it on one line: blanks around it
// trimmed, line breaks and other control characters inside it shown as
// blanks, and a very long one shortened.
QString Echo(const ReadText& text) {
  const qsizetype length = text.last - text.first;
  QString echo = length > kLongestEcho
                     ? text.typed.mid(text.first, kLongestEcho - 1) + QChar(0x2026)
                     : text.typed.mid(text.first, length);
  for (QChar& c : echo) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator) {
      c = u' ';
    }
  }
  return echo;
}

// "10 m3/dk", with what was typed where it is not just that number.
QString InputLine(const QString& label, float used, const QString& unit, const ReadText& text,
                  const QByteArray& separator, bool rounded) {
  QString line = QStringLiteral("%1: %2 %3").arg(label, Digits(used, separator), unit);
  if (text.IsBlank()) return line + QStringLiteral(" (boş)");
  if (!text.whole || rounded) {
    line += QStringLiteral(" (yazılan \"%1\"").arg(Echo(text));
    if (rounded) line += QStringLiteral(", bir ondalığa yuvarlandı");
    line += u')';
  }
  return line;
}

// Only the screw variant rounds, and only a text that is a number can have
// been rounded.
bool PressureWasRounded(sizing::CompressorKind kind, const ReadText& pressure,
                        const sizing::SizingState& state, const QByteArray& separator) {
  return kind == sizing::CompressorKind::Screw && pressure.whole &&
         sizing::ParseLeadingSingle(AsView(pressure.read), AsView(separator)) !=
             state.PressureDifference;
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
  const ReadText flow(inputs.flowText, separator);
  const ReadText pressure(inputs.pressureText, separator);
  lines << InputLine(QStringLiteral("Debi"), state.FreeAirDelivery, QStringLiteral("m3/dk"), flow,
                     separator, false);
  lines << InputLine(QStringLiteral("Basınç farkı"), state.PressureDifference,
                     QStringLiteral("bar"), pressure, separator,
                     PressureWasRounded(inputs.kind, pressure, state, separator));
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
