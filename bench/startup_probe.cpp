// Starts the way the program does, and ends as soon as the window has been
// shown and its first events handled; timing the process from outside gives
// launch-to-window. Built twice: with Form1, and with a bare one-label window
// as the baseline.
#include <QApplication>
#include <QTimer>

#ifdef VELMORA_BARE_WINDOW
#include <QLabel>
#else
#include "application.h"
#include "form1.h"
#endif

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#ifdef VELMORA_BARE_WINDOW
  QLabel window(QStringLiteral("Velmora"));
#else
  velmora::SetUpApplication(app);
  Form1 window;
#endif
  window.show();
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
