#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace velmora {

// Qt 6.4's Windows platform follows Windows' app mode "Dark" (window,
// menus, tooltips, the title bar, and live when the user switches) only
// when asked to: -platform windows:darkmode=2. The request is added unless
// the user chose a platform, on the command line or in QT_QPA_PLATFORM,
// in which case theirs stands.
QStringList WithDarkModeRequest(const QStringList& arguments, bool platformInEnvironment);

// argc and argv for QApplication, which keeps referring to them: main's own
// on other systems, with the dark-mode request on Windows.
class ApplicationArguments {
 public:
  ApplicationArguments(int& argc, char** argv);

  int& Count() { return count_; }
  char** Values() { return pointers_.data(); }

 private:
  std::vector<QByteArray> values_;
  std::vector<char*> pointers_;
  int count_ = 0;
};

}  // namespace velmora
