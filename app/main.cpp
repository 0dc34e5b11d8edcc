#include <QApplication>

#include "form1.h"
#include "velmora_version.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  Form1 window;
  window.show();
  return QApplication::exec();
}
