// The printing module: all the program asks of Qt Print Support.
#include <QObject>
#include <QPrintDialog>
#include <QPrinter>

#include "sheet_printer.h"

namespace velmora {

class QtSheetPrinter : public QObject, public SheetPrinter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VELMORA_SHEET_PRINTER_IID)
  Q_INTERFACES(velmora::SheetPrinter)

 public:
  PrintOutcome Print(QWidget* parent, const PrintJob& job, QString* printer) override {
    QPrinter device(QPrinter::HighResolution);
    device.setDocName(job.documentName);
    device.setCreator(job.creator);
    QPrintDialog dialog(&device, parent);
    dialog.setWindowTitle(job.dialogTitle);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    // Measured on the paper of the printer the dialog has chosen.
    device.setPageMargins(job.marginsMillimetres, QPageLayout::Millimeter);
    *printer = device.printerName();
    const bool printed = job.draw(device) && device.printerState() != QPrinter::Error;
    return printed ? PrintOutcome::Printed : PrintOutcome::Failed;
  }
};

}  // namespace velmora

#include "qt_sheet_printer.moc"
