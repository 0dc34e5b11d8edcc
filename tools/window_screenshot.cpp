// Renders the window to a PNG, as it opens or with a calculation shown, so
// that what users see can be looked at without a display.
//   window_screenshot OUT.png [--locale L]
//                     [--palette white-on-black|black-on-white|aquatic|night-sky|dark]
//                     [--flow F --pressure P --option OptionN --press CommandN]
//                     [--then-flow F] [--menu Text1|Label8] [--tooltip Label8]
//   window_screenshot --captions [--locale L]
//   window_screenshot --explain [--locale L] --flow F --pressure P --option OptionN
//                     --press CommandN
//   window_screenshot --sheet OUT.pdf --made-at 2026-12-09T14:30 [--locale L] --flow F
//                     --pressure P --option OptionN --press CommandN
// --then-flow types another flow after the press, as a user who goes on
// editing does, so the result shows out of date.
// The second form prints every text the window shows, one a line: captions,
// the frame's title and the result's menu, for checking what the user's
// guide quotes against the window itself; the third prints the result's
// explanation, for checking the guide's worked examples against it; the
// fourth writes the result's calculation sheet as made at a given time, so
// that its picture is the same every time.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <optional>

#include "application.h"
#include "calculation.h"
#include "calculation_sheet.h"
#include "form1.h"
#include "high_contrast.h"

namespace {

// The window's picture with a popup painted in where it stands on screen,
// the picture growing to hold it.
QPixmap WithPopup(const QWidget& window, QWidget* popup, const QPixmap& picture) {
  const QRect popupRect(window.mapFromGlobal(popup->pos()), popup->size());
  const QRect canvas = QRect(QPoint(0, 0), picture.size()).united(popupRect);
  QPixmap combined(canvas.size());
  combined.fill(Qt::transparent);
  QPainter painter(&combined);
  painter.drawPixmap(-canvas.topLeft(), picture);
  painter.drawPixmap(popupRect.topLeft() - canvas.topLeft(), popup->grab());
  return combined;
}

// Right-clicks a control and paints the menu it opened into the picture.
QPixmap WithOpenMenu(QWidget& window, QWidget* control, const QPixmap& picture) {
  QPixmap combined;
  QTimer::singleShot(0, [&] {
    QWidget* menu = QApplication::activePopupWidget();
    if (menu == nullptr) return;
    combined = WithPopup(window, menu, picture);
    menu->close();
  });
  const QPoint at(control->width() / 2, control->height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
  QApplication::sendEvent(control, &event);
  // A field's own menu opens without blocking; its picture is taken here.
  QApplication::processEvents();
  return combined.isNull() ? picture : combined;
}

// The user's guide shows pictures at their own size up to its column's
// width, in pixels; a wider one would be scaled and blur.
constexpr int kGuideColumnWidth = 640;

// Shows a control's tooltip as a resting mouse would and paints it into the
// picture; a tooltip that would reach past the guide's column is moved left.
QPixmap WithToolTip(QWidget& window, QWidget* control, const QPixmap& picture) {
  QToolTip::showText(control->mapToGlobal(QPoint(control->width() / 2, control->height())),
                     control->toolTip(), control);
  QApplication::processEvents();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->inherits("QTipLabel") || !top->isVisible()) continue;
    const int columnEnd = window.mapToGlobal(QPoint(kGuideColumnWidth, 0)).x();
    if (top->geometry().right() >= columnEnd) {
      top->move(std::max(window.x(), columnEnd - top->width()), top->y());
    }
    return WithPopup(window, top, picture);
  }
  return picture;
}

void PrintCaptions(QWidget& window) {
  QStringList texts;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) texts << button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) texts << frame->title();
  }
  QTimer::singleShot(0, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      // Without the keys a menu shows after a tab.
      for (const QAction* action : menu->actions()) {
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
      }
      menu->close();
    }
  });
  QWidget* result = window.findChild<QWidget*>(QStringLiteral("Label8"));
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1),
                          result->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(result, &event);
  texts.removeAll(QString());
  QTextStream(stdout) << texts.join(u'\n') << '\n';
}

QPalette NamedPalette(const QString& name) {
  using velmora::testing::PaletteOf;
  if (name == QLatin1String("white-on-black")) return velmora::testing::WhiteOnBlack();
  if (name == QLatin1String("black-on-white")) return velmora::testing::BlackOnWhite();
  if (name == QLatin1String("dark")) return velmora::testing::WindowsDarkMode();
  // Windows 11's contrast themes, as Qt on Windows hands them to the window.
  if (name == QLatin1String("aquatic"))
    return PaletteOf({"#202020", "#FFFFFF", "#202020", "#FFFFFF", "#8EE3F0", "#263B50"});
  if (name == QLatin1String("night-sky"))
    return PaletteOf({"#000000", "#FFFFFF", "#292929", "#FFEE32", "#D6B4FD", "#2B2B2B"});
  return QApplication::palette();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The PNG to write."));
  parser.addOption(QCommandLineOption(QStringLiteral("captions")));
  parser.addOption(QCommandLineOption(QStringLiteral("explain")));
  for (const char* name : {"locale", "palette", "flow", "pressure", "option", "press", "then-flow",
                           "menu", "tooltip", "sheet", "made-at"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("x")));
  }
  parser.process(app);
  const bool captions = parser.isSet(QStringLiteral("captions"));
  const bool explain = parser.isSet(QStringLiteral("explain"));
  const bool sheet = parser.isSet(QStringLiteral("sheet"));
  if (parser.positionalArguments().size() != (captions || explain || sheet ? 0 : 1)) {
    parser.showHelp(2);
  }
  if (parser.isSet(QStringLiteral("locale"))) {
    QLocale::setDefault(QLocale(parser.value(QStringLiteral("locale"))));
  }
  velmora::SetUpApplication(app);
  QApplication::setPalette(NamedPalette(parser.value(QStringLiteral("palette"))));

  Form1 window;
  window.show();
  if (captions) {
    // As a user's right-click comes after the window's first events, where
    // Qt's catalogue is read.
    QApplication::processEvents();
    PrintCaptions(window);
    return 0;
  }
  if (parser.isSet(QStringLiteral("flow"))) {
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(parser.value(QStringLiteral("flow")));
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))
        ->setEditText(parser.value(QStringLiteral("pressure")));
    window.findChild<QRadioButton*>(parser.value(QStringLiteral("option")))->setChecked(true);
    QTest::mouseClick(window.findChild<QPushButton*>(parser.value(QStringLiteral("press"))),
                      Qt::LeftButton);
  }
  if (parser.isSet(QStringLiteral("then-flow"))) {
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(parser.value(QStringLiteral("then-flow")));
  }
  QApplication::processEvents();
  // What the window made of the click, as its result's tooltip and its
  // sheet are made of it.
  const velmora::Calculation* calculation = window.LastCalculation();
  if (explain) {
    if (calculation == nullptr) return 1;
    QTextStream(stdout) << calculation->explanation << '\n';
    return 0;
  }
  if (sheet) {
    std::optional<velmora::CalculationSheet> made = window.ShownSheet();
    if (!made) {
      QTextStream(stderr) << "no result, so no sheet\n";
      return 1;
    }
    made->madeAt = QDateTime::fromString(parser.value(QStringLiteral("made-at")), Qt::ISODate);
    QString failure;
    if (velmora::WriteSheetPdf(*made, parser.value(QStringLiteral("sheet")), &failure)) return 0;
    QTextStream(stderr) << failure << '\n';
    return 1;
  }
  QPixmap picture = window.grab();
  if (parser.isSet(QStringLiteral("menu"))) {
    picture = WithOpenMenu(window, window.findChild<QWidget*>(parser.value(QStringLiteral("menu"))),
                           picture);
  }
  if (parser.isSet(QStringLiteral("tooltip"))) {
    picture = WithToolTip(
        window, window.findChild<QWidget*>(parser.value(QStringLiteral("tooltip"))), picture);
  }
  return picture.save(parser.positionalArguments().first()) ? 0 : 1;
}
