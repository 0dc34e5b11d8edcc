// Renders the window to a PNG, as it opens or with a calculation shown, so
// that what users see can be looked at without a display.
//   window_screenshot OUT.png [LOCALE [FLOW PRESSURE OPTION BUTTON]]
// e.g. window_screenshot result.png tr_TR 10 0,5 Option3 Command1
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 2 && args.size() != 3 && args.size() != 7) {
    std::fputs("usage: window_screenshot OUT.png [LOCALE [FLOW PRESSURE OPTION BUTTON]]\n", stderr);
    return 2;
  }
  if (args.size() >= 3) QLocale::setDefault(QLocale(args[2]));
  Form1 window;
  window.show();
  if (args.size() == 7) {
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(args[3]);
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(args[4]);
    window.findChild<QRadioButton*>(args[5])->setChecked(true);
    QTest::mouseClick(window.findChild<QPushButton*>(args[6]), Qt::LeftButton);
  }
  QApplication::processEvents();
  return window.grab().save(args[1]) ? 0 : 1;
}
