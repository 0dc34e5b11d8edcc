#include <QApplication>

#include "application.h"
#include "command_line.h"
#include "form1.h"
#include "startup_failure.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = velmora::AnswerCommandLine(argc, argv)) return *status;
  velmora::StartupFailureGuard startupGuard;
  QApplication app(argc, argv);
  startupGuard.Release();
  velmora::SetUpApplication(app);
  Form1 window;
  window.show();
  return QApplication::exec();
}
