#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "calculation_sheet.h"
#include "form1.h"
#include "sheet_printer.h"

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
  QString failure;
  velmora::SheetPrinter* printing = velmora::LoadSheetPrinter(&failure);
  if (printing == nullptr) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("Yazdırma desteği yüklenemedi:\n%1").arg(failure));
    return;
  }
  QString printer;
  if (printing->Print(this, velmora::SheetPrintJob(sheet), &printer) ==
      velmora::PrintOutcome::Failed) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("Hesap föyü yazdırılamadı: %1").arg(printer));
  }
}
