// Renders the window to a PNG, as it opens or with a calculation shown, so
// that what users see can be looked at without a display.
//   window_screenshot OUT.png [--locale L] [--palette white-on-black|black-on-white]
//                     [--flow F --pressure P --option OptionN --press CommandN]
//                     [--menu Text1|Label8]
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "application.h"
#include "form1.h"
#include "high_contrast.h"

namespace {

// Right-clicks a control and paints the menu it opened into the window's
// picture where it stands on screen, the picture growing to hold it.
QPixmap WithOpenMenu(QWidget& window, QWidget* control, const QPixmap& picture) {
  QPixmap combined;
  QTimer::singleShot(0, [&] {
    QWidget* menu = QApplication::activePopupWidget();
    if (menu == nullptr) return;
    const QRect menuRect(window.mapFromGlobal(menu->pos()), menu->size());
    const QRect canvas = QRect(QPoint(0, 0), picture.size()).united(menuRect);
    combined = QPixmap(canvas.size());
    combined.fill(Qt::transparent);
    QPainter painter(&combined);
    painter.drawPixmap(-canvas.topLeft(), picture);
    painter.drawPixmap(menuRect.topLeft() - canvas.topLeft(), menu->grab());
    menu->close();
  });
  const QPoint at(control->width() / 2, control->height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
  QApplication::sendEvent(control, &event);
  // A field's own menu opens without blocking; its picture is taken here.
  QApplication::processEvents();
  return combined.isNull() ? picture : combined;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The PNG to write."));
  for (const char* name : {"locale", "palette", "flow", "pressure", "option", "press", "menu"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("x")));
  }
  parser.process(app);
  if (parser.positionalArguments().size() != 1) parser.showHelp(2);
  if (parser.isSet(QStringLiteral("locale"))) {
    QLocale::setDefault(QLocale(parser.value(QStringLiteral("locale"))));
  }
  velmora::SetUpApplication(app);
  const QString palette = parser.value(QStringLiteral("palette"));
  if (palette == QLatin1String("white-on-black"))
    QApplication::setPalette(velmora::testing::WhiteOnBlack());
  if (palette == QLatin1String("black-on-white"))
    QApplication::setPalette(velmora::testing::BlackOnWhite());

  Form1 window;
  window.show();
  if (parser.isSet(QStringLiteral("flow"))) {
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(parser.value(QStringLiteral("flow")));
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))
        ->setEditText(parser.value(QStringLiteral("pressure")));
    window.findChild<QRadioButton*>(parser.value(QStringLiteral("option")))->setChecked(true);
    QTest::mouseClick(window.findChild<QPushButton*>(parser.value(QStringLiteral("press"))),
                      Qt::LeftButton);
  }
  QApplication::processEvents();
  QPixmap picture = window.grab();
  if (parser.isSet(QStringLiteral("menu"))) {
    picture = WithOpenMenu(window, window.findChild<QWidget*>(parser.value(QStringLiteral("menu"))),
                           picture);
  }
  return picture.save(parser.positionalArguments().first()) ? 0 : 1;
}
