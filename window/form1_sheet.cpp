#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "calculation_sheet.h"
#include "form1.h"

// Ctrl+S and the result's menu. The sheet is the click's, whatever the
// fields hold by the time the dialog closes; with no result there is
// nothing to file.
void Form1::SaveCalculationSheet() {
  const std::optional<velmora::CalculationSheet> shown = ShownSheet();
  if (!shown) return;
  const velmora::CalculationSheet& sheet = *shown;
  QFileDialog dialog(this, QStringLiteral("Hesap Föyünü Kaydet"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog.selectFile(velmora::SheetFileName(sheet.madeAt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  QString failure;
  if (!velmora::WriteSheetPdf(sheet, path, &failure)) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("Hesap föyü kaydedilemedi:\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), failure));
  }
}

// Ctrl+P and the result's menu: the platform's print dialog, then the same
// page the PDF holds.
void Form1::PrintCalculationSheet() {
  const std::optional<velmora::CalculationSheet> shown = ShownSheet();
  if (!shown) return;
  const velmora::CalculationSheet& sheet = *shown;
  QPrinter printer(QPrinter::HighResolution);
  // Printed to a file, the sheet is named as a saved one.
  printer.setDocName(velmora::SheetFileName(sheet.madeAt));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Yazdır"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!velmora::PrintSheet(sheet, printer)) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("Hesap föyü yazdırılamadı: %1").arg(printer.printerName()));
  }
}
