// Starts the way the program does, and ends as soon as the window has been
// shown and its first events handled; timing the process from outside gives
// launch-to-window. Built twice: with Form1, and with a bare one-label window
// as the baseline. On Windows it prints its peak working set, which under
// Wine is the program's own memory without Wine's.
#include <QApplication>
#include <QTimer>

#ifdef VELMORA_BARE_WINDOW
#include <QLabel>
#else
#include "application.h"
#include "application_look.h"
#include "form1.h"
#endif

#ifdef Q_OS_WIN
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdio>

void PrintPeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) != 0) {
    std::printf("peak-working-set-kib %llu\n",
                static_cast<unsigned long long>(counters.PeakWorkingSetSize / 1024));
  }
}
#else
void PrintPeakWorkingSet() {}
#endif

int main(int argc, char* argv[]) {
  int status = 0;
  {
#ifndef VELMORA_BARE_WINDOW
    velmora::ChooseWindowStyleBeforeStart();
#endif
    QApplication app(argc, argv);
#ifdef VELMORA_BARE_WINDOW
    QLabel window(QStringLiteral("Velmora"));
#else
    velmora::SetUpApplication(app);
    Form1 window;
#endif
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    status = QApplication::exec();
  }
  PrintPeakWorkingSet();
  return status;
}
