#pragma once

#include <QDateTime>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace velmora {

struct PrintJob;

// One calculation as it is filed: what the window showed at the click that
// made it, never the fields as they stand later.
struct CalculationSheet {
  QDateTime madeAt;
  // As the result's box shows it, in the user's decimal mark.
  QString result;
  // The explanation's lines as they were at the click, notes included.
  QString explanation;
};

// One page to sign and file: a title, the date and time in the user's
// format, the program and its version; the explanation's lines (kind,
// class and factor, the notes, each input as typed and as used, the rule
// with its numbers); the result as the window shows it; what the rule
// assumes; and blank lines for the plant, the compressor, who prepared and
// who checked it, the date and a signature. Real text in the program's own
// face, which a PDF embeds.
// False where the device cannot be painted on (a printer that failed).
bool DrawCalculationSheet(QPagedPaintDevice& page, const CalculationSheet& sheet);

// The user's paper: Letter where the regional settings use it, A4 elsewhere.
QPageSize UserPaperSize();

// "Velmora hesabı 2026-12-09 14.30.pdf": sorts by date, and holds no
// character Windows forbids in a file name.
QString SheetFileName(const QDateTime& madeAt);

// Writes the sheet as a one-page PDF/A-1b with its title and author set.
// The file appears whole or not at all; on failure, the reason.
bool WriteSheetPdf(const CalculationSheet& sheet, const QString& path, QString* failure);

// The sheet as the printing module prints it: the same page.
PrintJob SheetPrintJob(const CalculationSheet& sheet);

}  // namespace velmora
