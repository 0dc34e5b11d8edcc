#include <QApplication>

#include "application.h"
#include "application_look.h"
#include "command_line.h"
#include "form1.h"
#include "platform_arguments.h"
#include "startup_failure.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = velmora::AnswerCommandLine(argc, argv)) return *status;
  velmora::ApplicationArguments arguments(argc, argv);
  velmora::StartupFailureGuard startupGuard;
  velmora::ChooseWindowStyleBeforeStart();
  QApplication app(arguments.Count(), arguments.Values());
  startupGuard.Release();
  velmora::SetUpApplication(app);
  Form1 window;
  window.show();
  return QApplication::exec();
}
