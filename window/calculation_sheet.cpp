#include "calculation_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>
#include <array>

#include "pdfa_metadata.h"
#include "sheet_printer.h"
#include "velmora_version.h"

namespace velmora {
namespace {

const QString kProgram = QStringLiteral("Velmora " VELMORA_VERSION);
constexpr QMarginsF kSheetMargins(20, 20, 20, 20);

QString Title() { return QStringLiteral("Basınçlı Hava Depolama Hacmi Hesabı"); }

// The face the program ships and lays its window out in.
QFont SheetFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(10.5);
  return font;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString MadeAt(const QDateTime& madeAt) {
  const QLocale locale;
  return locale.toString(madeAt.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(madeAt.time(), QLocale::ShortFormat);
}

QString ExplanationHtml(const QString& explanation) {
  QString html;
  for (const QString& line : explanation.split(u'\n')) {
    // The notes are what a checker must not miss.
    const bool note = line.startsWith(QStringLiteral("Dikkat: "));
    html +=
        QStringLiteral("<p%1>%2</p>")
            .arg(note ? QStringLiteral(" style=\"font-weight:bold\"") : QString(), Escaped(line));
  }
  return html;
}

// What the one who signs the sheet must know holds: the rule is only as
// good as these.
QString AssumptionsHtml() {
  return QStringLiteral(
      "<p>Kompresör yükte/boşta ya da dur/kalk kontrolle çalışır; değişken devirli kompresör en "
      "düşük devirdeki debisiyle hesaplanır: bu debinin altında o da yükte/boşta ya da dur/kalk "
      "çalışır. Debi, ISO 1217'ye göre serbest hava debisidir (FAD): çıkışta ölçülür, emiş "
      "koşullarına indirgenir. Kesme ile yükleme basıncı arasındaki bandın tamamı "
      "kullanılabilir.</p>"
      "<p>Sınıf katsayısı (z): pistonlu hesap (K = 15), çevrimlerin en sık olduğu tüketimde "
      "(debinin yarısı) saatte z dur/kalk çevrimi verir; z, motorun saatte izin verilen kalkış "
      "sayısıdır. Vidalı hesap (K = 5) bunun üçte biri kadar hacim verir: kompresör saatte en çok "
      "3z kez yüke girip boşa geçer, motor aralarda boşta döner. Üreticinin sınırı saatte N motor "
      "kalkışıysa sonuç × z ÷ N alınır; saatte N yükte/boşta çevrimiyse hacim = 15 × debi ÷ (N × "
      "basınç farkı) olur. Bu güçlerdeki standart motorlar saatte z'den az doğrudan kalkışa izin "
      "verir; dur/kalk çalışmada her çevrim bir kalkıştır: motorun ve üreticinin sınırlarından "
      "küçük olanı saatte N çevrim olarak alınır.</p>"
      "<p>Hacim, kompresörden sonraki hava tankı ile araya kapatma vanası girmeyen boru hattının "
      "toplamıdır. Tankın izin verilen en yüksek basıncı (PS), kesme basıncının emniyet "
      "ventilinin açma payı kadar üstünde olmalı; tankta kondens tahliyesi bulunmalıdır. Hava "
      "tankı basınçlı ekipmandır: Basit Basınçlı Kaplar Yönetmeliği (2014/29/AB) ya da Basınçlı "
      "Ekipmanlar Yönetmeliği (2014/68/AB) kapsamındadır.</p>");
}

QString SignaturesHtml() {
  static const std::array<const char*, 6> kBlanks{"Tesis",        "Kompresör", "Hazırlayan",
                                                  "Kontrol eden", "Tarih",     "İmza"};
  QString rows;
  for (const char* blank : kBlanks) {
    rows += QStringLiteral(
                "<tr><td width=\"25%\" style=\"padding:18px 4px 2px 0\">%1:</td>"
                "<td style=\"border-bottom:1px solid black\">&nbsp;</td></tr>")
                .arg(QString::fromUtf8(blank));
  }
  return QStringLiteral("<table width=\"100%\" cellspacing=\"0\">%1</table>").arg(rows);
}

QString SheetHtml(const CalculationSheet& sheet) {
  return QStringLiteral(
             "<h2>%1</h2>"
             "<p>Hesap tarihi: %2 &nbsp;·&nbsp; %3</p>"
             "<h3>Hesap</h3>%4"
             "<p style=\"font-size:large; font-weight:bold; margin-top:12px\">"
             "Toplam Depolama Hacmi &gt;= %5 m³ (tank+borular)</p>"
             "<h3>Hesap kabulleri</h3>%6"
             "<h3>Onay</h3>%7")
      .arg(Escaped(Title()), Escaped(MadeAt(sheet.madeAt)), kProgram,
           ExplanationHtml(sheet.explanation), Escaped(sheet.result), AssumptionsHtml(),
           SignaturesHtml());
}

// The author of a filed calculation is whoever is signed in; the sheet's
// blanks say who prepared and checked it.
QString Author() {
  for (const char* name : {"USERNAME", "USER", "LOGNAME"}) {
    QString user = qEnvironmentVariable(name);
    if (!user.isEmpty()) return user;
  }
  return kProgram;
}

// The sheet as Qt writes it, into memory: the metadata is completed
// before anything reaches the disk.
bool RenderedPdf(const CalculationSheet& sheet, QByteArray* pdf) {
  QBuffer buffer(pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
  writer.setTitle(Title());
  writer.setCreator(kProgram);
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
  writer.setAuthor(Author());
#endif
  writer.setPageSize(UserPaperSize());
  writer.setPageMargins(kSheetMargins, QPageLayout::Millimeter);
  writer.setDocumentXmpMetadata(ReservedXmpPacket());
  return DrawCalculationSheet(writer, sheet);
}

}  // namespace

bool DrawCalculationSheet(QPagedPaintDevice& page, const CalculationSheet& sheet) {
  QPainter painter;
  if (!painter.begin(&page)) return false;
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&page);
  document.setDefaultFont(SheetFont());
  document.setHtml(SheetHtml(sheet));
  const QRectF area = page.pageLayout().paintRectPixels(page.logicalDpiX());
  document.setPageSize(area.size());
  document.drawContents(&painter);
  return painter.end();
}

QPageSize UserPaperSize() {
  // Where Letter is the paper of the office.
  static constexpr std::array kLetter{QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,
                                      QLocale::Philippines,  QLocale::Chile,     QLocale::Colombia,
                                      QLocale::Venezuela,    QLocale::PuertoRico};
  const QLocale locale;
  const bool letter =
      std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end() ||
      locale.measurementSystem() == QLocale::ImperialUSSystem;
  return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QString SheetFileName(const QDateTime& madeAt) {
  return QStringLiteral("Velmora hesabı %1.pdf")
      .arg(madeAt.toString(QStringLiteral("yyyy-MM-dd HH.mm")));
}

bool WriteSheetPdf(const CalculationSheet& sheet, const QString& path, QString* failure) {
  QByteArray pdf;
  if (!RenderedPdf(sheet, &pdf)) {
    *failure = QStringLiteral("Sayfa çizilemedi.");
    return false;
  }
  if (!CompleteXmpPacket(pdf, Author(), failure)) return false;
  // Written beside the earlier file and moved over it once whole: a full
  // disk or a crash half way leaves the earlier one as it was.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
    *failure = file.errorString();
    return false;
  }
  return true;
}

PrintJob SheetPrintJob(const CalculationSheet& sheet) {
  // Printed to a file, the sheet is named as a saved one; the PDF's
  // margins, room to punch and file the page, where the printer can print
  // that close to the edge at all.
  return {QStringLiteral("Yazdır"), SheetFileName(sheet.madeAt), kProgram, kSheetMargins,
          [sheet](QPagedPaintDevice& page) { return DrawCalculationSheet(page, sheet); }};
}

}  // namespace velmora
