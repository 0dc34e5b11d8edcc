#include "sizing_explanation.h"

#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <string_view>
#include <vector>

#include "calculation_text.h"
#include "sizing/parse_leading_number.h"
#include "sizing/shortest_digits.h"
#include "sizing/sizing_notes.h"

namespace velmora {
namespace {

// A pasted megabyte would make a tooltip of a megabyte; what is echoed is
// enough to recognise the text by.
constexpr qsizetype kLongestEcho = 40;

QString Digits(float value, const QByteArray& separator) {
  return QString::fromStdString(sizing::ShortestDigits(value, AsView(separator)));
}

// The typed text as a user recognises it on one line: invisible format
// characters left out (an override would turn the explanation's own words
// around, in the tooltip and wherever it is pasted), line breaks and other
// control characters shown as blanks, blanks around it trimmed, and a long
// one cut on a whole character (never half of an emoji, never a combining
// mark without its letter). It stops reading once it knows the text is too
// long: a pasted text may be megabytes.
QString Echo(const QString& typed) {
  QString echo;
  qsizetype pendingBlanks = 0;
  for (qsizetype i = 0; i < typed.size() && echo.size() <= kLongestEcho; ++i) {
    const bool pair =
        typed[i].isHighSurrogate() && i + 1 < typed.size() && typed[i + 1].isLowSurrogate();
    const char32_t codePoint =
        pair ? QChar::surrogateToUcs4(typed[i], typed[i + 1]) : typed[i].unicode();
    const QChar::Category category = QChar::category(codePoint);
    const bool blank = QChar::isSpace(codePoint) || category == QChar::Other_Control;
    if (blank) {
      if (!echo.isEmpty()) ++pendingBlanks;
    } else if (category != QChar::Other_Format) {
      // Blanks beyond the cut are never seen, however many were pasted.
      echo += QString(std::min(pendingBlanks, kLongestEcho + 1), u' ');
      echo += QStringView(typed).mid(i, pair ? 2 : 1);
      pendingBlanks = 0;
    }
    if (pair) ++i;
  }
  if (echo.size() <= kLongestEcho) return echo;
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, echo);
  characters.setPosition(kLongestEcho - 1);
  if (!characters.isAtBoundary()) characters.toPreviousBoundary();
  return echo.left(characters.position()) + QChar(0x2026);
}

// A typed text and the same text as the calculation read it (digits of any
// script made ASCII, blanks of any kind made spaces, format characters
// dropped, UTF-8), converted once: a pasted text may be megabytes.
struct ReadText {
  ReadText(const QString& typedText, const QByteArray& separator)
      : echo(Echo(typedText)),
        read(CalculationBytes(typedText)),
        whole(sizing::IsWholeNumberText(AsView(read), AsView(separator))) {}

  bool IsBlank() const { return echo.isEmpty(); }

  QString echo;
  QByteArray read;
  bool whole = false;
};

// "10 m3/dk", with what was typed where it is not just that number.
QString InputLine(const QString& label, float used, const QString& unit, const ReadText& text,
                  const QByteArray& separator, bool rounded) {
  QString line = QStringLiteral("%1: %2 %3").arg(label, Digits(used, separator), unit);
  if (text.IsBlank()) return line + QStringLiteral(" (boş)");
  if (!text.whole || rounded) {
    line += QStringLiteral(" (yazılan \"%1\"").arg(text.echo);
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

// Fifteen hundred as the user meant it: the grouping points left out.
QString WithoutGrouping(const QByteArray& read) {
  return QString::fromUtf8(read).trimmed().remove(u'.');
}

// Notes are one line each, short enough for a tooltip beside the window.
QString NotAWholeNumberNote(const QString& field, const sizing::SizingNote& note, float used,
                            const QString& unit, const QByteArray& separator) {
  if (!note.numberRead) {
    return QStringLiteral("Dikkat: %1 bir sayıyla başlamıyor; 0 sayıldı.").arg(field);
  }
  return QStringLiteral(
             "Dikkat: %1 metninden yalnızca baştaki sayı (%2) okundu; birimsiz, %3 olarak yazın.")
      .arg(field, Digits(used, separator), unit);
}

QString NoteLine(const sizing::SizingNote& note, const TypedInputs& inputs,
                 const sizing::SizingState& state, const ReadText& flow,
                 const QByteArray& separator) {
  using Kind = sizing::SizingNoteKind;
  const QString pressure = Digits(state.PressureDifference, separator);
  switch (note.kind) {
    case Kind::NegativeFlow:
      return QStringLiteral(
          "Dikkat: debi negatif, bu yüzden hacim de negatif; debiyi pozitif yazın.");
    case Kind::UnusualFlow:
      return QStringLiteral(
                 "Dikkat: olağan dışı debi; %1 kompresör genellikle %2–%3 m3/dk verir. m3/h'yi "
                 "60'a bölün, l/s'yi %4 ile çarpın.")
          .arg(inputs.powerClassCaption, Digits(note.band.lowest, separator),
               Digits(note.band.highest, separator), Digits(0.06F, separator));
    case Kind::FlowWithGroupedThousands:
      return QStringLiteral("Dikkat: \"%1\" %2 okundu; binlikler ayırıcısız yazılır: %3.")
          .arg(flow.echo, Digits(state.FreeAirDelivery, separator), WithoutGrouping(flow.read));
    case Kind::FlowNotWhollyANumber:
      return NotAWholeNumberNote(QStringLiteral("debi"), note, state.FreeAirDelivery,
                                 QStringLiteral("m3/dk"), separator);
    case Kind::PressureNotWhollyANumber:
      if (inputs.kind == sizing::CompressorKind::Screw) {
        return QStringLiteral(
            "Dikkat: vidalı hesap basınç farkını yalnızca tamamı sayıysa okur; 0 sayıldı. "
            "Birimsiz yazın.");
      }
      return NotAWholeNumberNote(QStringLiteral("basınç farkı"), note, state.PressureDifference,
                                 QStringLiteral("bar"), separator);
    case Kind::OperatingPressureTyped:
      return QStringLiteral(
                 "Dikkat: %1 bar çalışma basıncına benziyor; buraya kesme ile yükleme basıncının "
                 "farkı yazılır (%2 − %3 = 1).")
          .arg(pressure, Digits(8.5F, separator), Digits(7.5F, separator));
    case Kind::NarrowPressureBand:
      return QStringLiteral(
                 "Dikkat: %1 bar, kompresörlerin devreye girip çıktığı farktan (en az %2 bar) dar; "
                 "hacim bu yüzden büyük.")
          .arg(pressure, Digits(sizing::kNarrowestSwitchingBand, separator));
  }
  return {};
}

}  // namespace

SizingExplanation ExplainSizing(const TypedInputs& inputs, const sizing::SizingState& state,
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
    return {lines.join(u'\n'), false};
  }
  const ReadText flow(inputs.flowText, separator);
  const ReadText pressure(inputs.pressureText, separator);
  const std::vector<sizing::SizingNote> notes =
      sizing::NotesOn(inputs.kind, {inputs.powerClass, AsView(flow.read), AsView(pressure.read)},
                      state, AsView(separator));
  for (const sizing::SizingNote& note : notes) {
    lines << NoteLine(note, inputs, state, flow, separator);
  }
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
  return {lines.join(u'\n'), !notes.empty()};
}

}  // namespace velmora
