#include "sizing_explanation.h"

#include <QStringBuilder>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <string_view>

#include "sizing/format_by_pattern.h"
#include "sizing/shortest_digits.h"
#include "sizing/sizing_notes.h"
#include "sizing/volume_pattern.h"

namespace velmora {
namespace {

using sizing::SizingNote;
using sizing::SizingNoteKind;

// A pasted megabyte would make a tooltip of a megabyte; what is echoed is
// enough to recognise the text by.
constexpr qsizetype kLongestEcho = 40;

QString Digits(float value, std::string_view separator) {
  return QString::fromStdString(sizing::ShortestDigits(value, separator));
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

// Fifteen hundred as the user meant it: the grouping marks left out, and
// cut as an echo is (a pasted "1" and twenty thousand ".000" is one line).
QString WithoutGrouping(std::string_view read, char mark) {
  QString digits;
  for (const char c : read) {
    if (digits.size() > kLongestEcho) break;
    if (c != mark && c != ' ') digits += QLatin1Char(c);
  }
  return Echo(digits);
}

// "10 m³/dk", with what was typed where it is not just that number.
QString InputLine(const QString& label, float used, const QString& unit, const QString& typed,
                  const sizing::TextReading& reading, std::string_view separator, bool rounded) {
  QString line = label % QStringLiteral(": ") % Digits(used, separator) % u' ' % unit;
  if (reading.blank) return line % QStringLiteral(" (boş)");
  if (reading.whole && !rounded) return line;
  line += QStringLiteral(" (yazılan \"") % Echo(typed) % u'"';
  if (rounded) line += QStringLiteral(", bir ondalığa yuvarlandı");
  return line % u')';
}

// Notes are one line each, short enough for a tooltip beside the window.
QString NotAWholeNumberNote(const QString& field, const SizingNote& note, float used,
                            const QString& unit, std::string_view separator) {
  if (!note.numberRead) {
    return QStringLiteral("Dikkat: ") % field %
           QStringLiteral(" bir sayıyla başlamıyor; 0 sayıldı.");
  }
  if (note.commaEndedNumber) {
    return QStringLiteral("Dikkat: ") % field %
           QStringLiteral(" metnindeki virgül sayıyı bitirdi; yalnızca ") %
           Digits(used, separator) % QStringLiteral(" okundu. Ondalıkları noktayla yazın.");
  }
  return QStringLiteral("Dikkat: ") % field % QStringLiteral(" metninden yalnızca baştaki sayı (") %
         Digits(used, separator) % QStringLiteral(") okundu; birimsiz, ") % unit %
         QStringLiteral(" olarak yazın.");
}

QString ScrewPressureNote(const SizingNote& note) {
  if (note.commaEndedNumber) {
    return QStringLiteral(
        "Dikkat: vidalı hesap basınç farkını yalnızca tamamı sayıysa okur; virgül burada ondalık "
        "ayırıcısı değil, 0 sayıldı. Ondalıkları noktayla yazın.");
  }
  return QStringLiteral(
      "Dikkat: vidalı hesap basınç farkını yalnızca tamamı sayıysa okur; 0 sayıldı. Birimsiz "
      "yazın.");
}

QString GroupedThousandsNote(const SizingNote& note, const Calculation& calculation) {
  const std::string_view separator = calculation.inputs.Separator();
  const QString read = QStringLiteral("Dikkat: \"") % Echo(calculation.inputs.Typed().flowText) %
                       QStringLiteral("\", ") %
                       Digits(calculation.state.FreeAirDelivery, separator) %
                       QStringLiteral(" olarak okundu; binlikler ayırıcısız");
  const QString ungrouped = WithoutGrouping(calculation.inputs.FlowRead(), note.groupingMark);
  // Only a comma that is no decimal mark may have been meant as one.
  if (note.groupingMark != ',') return read % QStringLiteral(" yazılır: ") % ungrouped % u'.';
  return read % QStringLiteral(", ondalıklar noktayla yazılır: ") % ungrouped % u'.';
}

// Above the band a unit slipped (m³/h, l/s); below it no such slip
// explains the flow, a class picked wrongly may.
QString UnusualFlowNote(const SizingNote& note, const Calculation& calculation) {
  const std::string_view separator = calculation.inputs.Separator();
  const QString unusual = QStringLiteral("Dikkat: debi bu sınıf için olağan dışı (") %
                          calculation.inputs.Typed().powerClassCaption % QStringLiteral(": ") %
                          Digits(note.band.lowest, separator) % u'–' %
                          Digits(note.band.highest, separator) % QStringLiteral(" m³/dk); ");
  if (calculation.state.FreeAirDelivery < note.band.lowest) {
    return unusual % QStringLiteral("güç sınıfını ve debiyi kontrol edin.");
  }
  return unusual % QStringLiteral("m³/h ise 60'a bölün, l/s ise ") % Digits(0.06F, separator) %
         QStringLiteral(" ile çarpın.");
}

QString NoteLine(const SizingNote& note, const Calculation& calculation) {
  const std::string_view separator = calculation.inputs.Separator();
  const sizing::SizingState& state = calculation.state;
  switch (note.kind) {
    case SizingNoteKind::NegativeVolume:
      return QStringLiteral(
          "Dikkat: debi negatif, bu yüzden hacim de negatif; debiyi pozitif yazın.");
    case SizingNoteKind::NegativeFlow:
      return QStringLiteral("Dikkat: debi negatif; debiyi pozitif yazın.");
    case SizingNoteKind::UnusualFlow:
      return UnusualFlowNote(note, calculation);
    case SizingNoteKind::FlowWithGroupedThousands:
      return GroupedThousandsNote(note, calculation);
    case SizingNoteKind::FlowNotWhollyANumber:
      return NotAWholeNumberNote(QStringLiteral("debi"), note, state.FreeAirDelivery,
                                 QStringLiteral("m³/dk"), separator);
    case SizingNoteKind::PressureNotWhollyANumber:
      return NotAWholeNumberNote(QStringLiteral("basınç farkı"), note, state.PressureDifference,
                                 QStringLiteral("bar"), separator);
    case SizingNoteKind::ScrewPressureNotANumber:
      return ScrewPressureNote(note);
    case SizingNoteKind::OperatingPressureTyped:
      return QStringLiteral("Dikkat: ") % Digits(state.PressureDifference, separator) %
             QStringLiteral(
                 " bar çalışma basıncına benziyor; buraya kesme ile yükleme basıncının farkı "
                 "yazılır (") %
             Digits(8.5F, separator) % QStringLiteral(" − ") % Digits(7.5F, separator) %
             QStringLiteral(" = 1).");
    case SizingNoteKind::NarrowPressureBand:
      return QStringLiteral("Dikkat: basınç farkı ") % Digits(state.PressureDifference, separator) %
             QStringLiteral(" bar, olağan dışı dar; kontrol edin.");
    case SizingNoteKind::RoundingShrankVolume:
      return QStringLiteral("Dikkat: basınç farkı ") % Digits(state.PressureDifference, separator) %
             QStringLiteral(" bar'a yuvarlandığı için hacim küçüldü; yazılan ") %
             Digits(note.typedPressure, separator) % QStringLiteral(" bar için hacim ") %
             QString::fromStdString(sizing::FormatByPattern(note.typedPressureVolume,
                                                            sizing::kVolumePattern, separator)) %
             QStringLiteral(" m³.");
  }
  return {};
}

}  // namespace

QString ExplainSizing(const Calculation& calculation) {
  const TypedInputs& typed = calculation.inputs.Typed();
  const sizing::SizingState& state = calculation.state;
  const std::string_view separator = calculation.inputs.Separator();
  // Four lines and a note or two, in one allocation.
  constexpr qsizetype kUsualLength = 384;
  QString text;
  text.reserve(kUsualLength);
  text += (typed.kind == sizing::CompressorKind::Screw ? QStringLiteral("Vidalı kompresör")
                                                       : QStringLiteral("Pistonlu kompresör")) %
          QStringLiteral(", ") % typed.powerClassCaption %
          QStringLiteral(": sınıf katsayısı (z) ") % QString::number(state.PowerClassFactor);
  if (!state.StorageVolume) {
    return text % QStringLiteral("\nDeğerler hesaplanabilecek aralığın dışında: sonuç yok");
  }
  for (const SizingNote& note : calculation.notes) text += u'\n' % NoteLine(note, calculation);
  text += u'\n' % InputLine(QStringLiteral("Debi"), state.FreeAirDelivery, QStringLiteral("m³/dk"),
                            typed.flowText, calculation.reading.flow, separator, false);
  text += u'\n' % InputLine(QStringLiteral("Basınç farkı"), state.PressureDifference,
                            QStringLiteral("bar"), typed.pressureText, calculation.reading.pressure,
                            separator, calculation.reading.pressureRounded);
  if (state.PressureDifference <= 0.0F) {
    return text % QStringLiteral("\nBasınç farkı sıfırdan büyük değil: hacim 0");
  }
  return text % QStringLiteral("\nHacim = ") % Digits(state.FreeAirDelivery, separator) %
         QStringLiteral(" × ") % QString::number(sizing::KindConstantOf(typed.kind)) %
         QStringLiteral(" ÷ (") % QString::number(state.PowerClassFactor) % QStringLiteral(" × ") %
         Digits(state.PressureDifference, separator) % QStringLiteral(") = ") % calculation.result %
         QStringLiteral(" m³");
}

}  // namespace velmora
