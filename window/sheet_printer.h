#pragma once

#include <QMarginsF>
#include <QString>
#include <QtPlugin>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

// A page to print: drawn by the program on whatever printer the user picks,
// under a name for the print queue and for a file printed to.
struct PrintJob {
  QString dialogTitle;
  QString documentName;
  QString creator;
  QMarginsF marginsMillimetres;
  std::function<bool(QPagedPaintDevice&)> draw;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Printing is a module of its own, loaded the first time the user prints:
// Qt Print Support then costs a start-up nothing.
class SheetPrinter {
 public:
  SheetPrinter() = default;
  SheetPrinter(const SheetPrinter&) = delete;
  SheetPrinter& operator=(const SheetPrinter&) = delete;
  virtual ~SheetPrinter() = default;

  // The platform's print dialog over parent, then the job on the printer
  // chosen, whose name is left in printer.
  virtual PrintOutcome Print(QWidget* parent, const PrintJob& job, QString* printer) = 0;
};

// The printing module, loaded once and kept: from the program's own
// folders (beside it on Windows, its private library folder elsewhere),
// then from Qt's library paths. Null, with what each place said, where
// none has it.
SheetPrinter* LoadSheetPrinter(QString* failure);

}  // namespace velmora

#define VELMORA_SHEET_PRINTER_IID "io.github.velmora.Velmora.SheetPrinter/1"
Q_DECLARE_INTERFACE(velmora::SheetPrinter, VELMORA_SHEET_PRINTER_IID)
