// Everyday use: the keyboard, the clipboard, the pressure list, assistive
// tools and high-contrast schemes.
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <optional>

#include "form1_driver.h"
#include "high_contrast.h"

using velmora::testing::Form1Driver;

namespace {

// Right-clicks a control and hands the menu that opens to inspect before it
// is closed again.
template <typename Inspect>
void RightClick(QWidget* control, Inspect inspect) {
  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    opened = menu != nullptr;
    if (menu != nullptr) {
      inspect(*menu);
      menu->close();
    }
  });
  const QPoint at = control->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
  QApplication::sendEvent(control, &event);
  QApplication::processEvents();
  QVERIFY2(opened, "no menu opened");
}

// How far apart two colours are in lightness, 0 to 255.
int LightnessGap(QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)); }

// Pixels along a control's left edge (and one in) that stand out from the
// window's background.
int VisibleEdgePixels(const QImage& window, const QRect& control, QRgb background) {
  int visible = 0;
  for (int y = control.top() + 3; y <= control.bottom() - 3; ++y) {
    const bool stands = LightnessGap(window.pixel(control.left(), y), background) >= 128 ||
                        LightnessGap(window.pixel(control.left() + 1, y), background) >= 128;
    visible += stands ? 1 : 0;
  }
  return visible;
}

QRect IndicatorOf(const QRadioButton* option) {
  QStyleOptionButton styleOption;
  styleOption.initFrom(option);
  const QRect local =
      option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
  return local.translated(option->pos());
}

QImage Region(const QImage& image, const QRect& rect) { return image.copy(rect); }

}  // namespace

class Form1EverydayTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { window_.reset(); }

  void enterOnAFocusedButtonPressesItOnce_data();
  void enterOnAFocusedButtonPressesItOnce();
  void resultCanBeCopiedWhole_data();
  void resultCanBeCopiedWhole();
  void noResultHasNothingToCopy();
  void pressureListStepsFromWhatTheBoxShows_data();
  void pressureListStepsFromWhatTheBoxShows();
  void pressureListOpensOnTheEntryShown();
  void wheelChangesThePressureOnlyWithTheFocus();
  void assistiveToolsHearWhatEachControlAnswers_data();
  void assistiveToolsHearWhatEachControlAnswers();
  void highContrastKeepsEveryEdgeVisible_data();
  void highContrastKeepsEveryEdgeVisible();

 private:
  std::optional<Form1Driver> window_;
};

void Form1EverydayTest::enterOnAFocusedButtonPressesItOnce_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("result");
  // clang-format off
  QTest::newRow("Return on Command1") << "Command1" << int(Qt::Key_Return) << "5.0";
  QTest::newRow("keypad Enter on Command1") << "Command1" << int(Qt::Key_Enter) << "5.0";
  QTest::newRow("Return on Command2") << "Command2" << int(Qt::Key_Return) << "15.0";
  QTest::newRow("keypad Enter on Command2") << "Command2" << int(Qt::Key_Enter) << "15.0";
  // clang-format on
}

void Form1EverydayTest::enterOnAFocusedButtonPressesItOnce() {
  QFETCH(QString, button);
  QFETCH(int, key);
  QFETCH(QString, result);
  window_.emplace("en_US");
  QVERIFY(window_->IsActive());
  window_->Enter(QStringLiteral("Option3"), QStringLiteral("10"), QStringLiteral("0.5"));
  auto* command = window_->Find<QPushButton>(button);
  command->setFocus();
  QSignalSpy clicks(command, &QPushButton::clicked);
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  // A key held down repeats; it is still one press.
  QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(window_->Shown(), result);
  QVERIFY(!command->isDefault());
}

void Form1EverydayTest::resultCanBeCopiedWhole_data() {
  QTest::addColumn<QString>("flow");
  QTest::addColumn<QString>("result");
  QTest::addColumn<bool>("selectable");
  // clang-format off
  QTest::newRow("fits its box") << "10" << "15,0" << true;
  QTest::newRow("shown shortened") << "100000000" << "150000000,0" << false;
  // clang-format on
}

void Form1EverydayTest::resultCanBeCopiedWhole() {
  QFETCH(QString, flow);
  QFETCH(QString, result);
  QFETCH(bool, selectable);
  window_.emplace("tr_TR");
  window_->Enter(QStringLiteral("Option5"), flow, QStringLiteral("1"));
  window_->Click(QStringLiteral("Command2"));
  QCOMPARE(window_->Shown(), result);
  QApplication::clipboard()->clear();
  auto* label = window_->Find<QLabel>(QStringLiteral("Label8"));
  RightClick(label, [&](QMenu& menu) {
    auto* copy = menu.findChild<QAction*>(QStringLiteral("copyResult"));
    auto* selectAll = menu.findChild<QAction*>(QStringLiteral("selectAllResult"));
    QVERIFY(copy != nullptr && selectAll != nullptr);
    QVERIFY(copy->isEnabled());
    QCOMPARE(selectAll->isEnabled(), selectable);
    copy->trigger();
  });
  QCOMPARE(QApplication::clipboard()->text(), result);
  RightClick(label, [](QMenu& menu) {
    auto* copyCalculation = menu.findChild<QAction*>(QStringLiteral("copyCalculation"));
    QVERIFY(copyCalculation != nullptr);
    QCOMPARE(copyCalculation->text(), QStringLiteral("Hesabı Kopyala"));
    QCOMPARE(menu.actions().indexOf(copyCalculation), 1);  // right after Copy
    QVERIFY(copyCalculation->isEnabled());
    copyCalculation->trigger();
  });
  QCOMPARE(QApplication::clipboard()->text(), label->toolTip());
  QCOMPARE(QApplication::clipboard()->text().count(u'\n'), 3);
  QCOMPARE(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse), selectable);
  QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void Form1EverydayTest::noResultHasNothingToCopy() {
  window_.emplace("tr_TR");
  RightClick(window_->Find(QStringLiteral("Label8")), [](QMenu& menu) {
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("copyResult"))->isEnabled());
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("selectAllResult"))->isEnabled());
    QVERIFY(!menu.findChild<QAction*>(QStringLiteral("copyCalculation"))->isEnabled());
  });
}

void Form1EverydayTest::pressureListStepsFromWhatTheBoxShows_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("shown");
  // clang-format off
  QTest::newRow("Down from the opening 1") << "tr_TR" << "1" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Up from the opening 1") << "tr_TR" << "1" << int(Qt::Key_Up) << "0,9";
  QTest::newRow("Page Down from 1") << "tr_TR" << "1" << int(Qt::Key_PageDown) << "1,1";
  QTest::newRow("Down from 1,0") << "tr_TR" << "1,0" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Down from 1.0 under a comma") << "tr_TR" << "1.0" << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Down from a blank-padded 1") << "tr_TR" << " 1 " << int(Qt::Key_Down) << "1,1";
  QTest::newRow("Up from 2,1") << "tr_TR" << "2,1" << int(Qt::Key_Up) << "2,0";
  QTest::newRow("Down from 1 under a point") << "en_US" << "1" << int(Qt::Key_Down) << "1.1";
  QTest::newRow("no entry: Qt's own step") << "tr_TR" << "1,05" << int(Qt::Key_Down) << "0,5";
  QTest::newRow("comma under a point is no entry") << "en_US" << "1,0" << int(Qt::Key_Down)
                                                    << "0.5";
  // clang-format on
}

void Form1EverydayTest::pressureListStepsFromWhatTheBoxShows() {
  QFETCH(QString, locale);
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(QString, shown);
  window_.emplace(qPrintable(locale));
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->setEditText(typed);
  box->setFocus();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  QCOMPARE(window_->Pressure(), shown);
}

void Form1EverydayTest::pressureListOpensOnTheEntryShown() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  box->showPopup();
  QCOMPARE(box->view()->currentIndex().data().toString(), QStringLiteral("1,0"));
  box->hidePopup();
  QCOMPARE(window_->Pressure(), QStringLiteral("1"));
  QCOMPARE(box->currentIndex(), -1);
}

void Form1EverydayTest::wheelChangesThePressureOnlyWithTheFocus() {
  window_.emplace("tr_TR");
  auto* box = window_->Find<QComboBox>(QStringLiteral("Combo1"));
  const auto turnDown = [box] {
    const QPointF at = box->rect().center();
    QWheelEvent wheel(at, box->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  };
  window_->Find(QStringLiteral("Text1"))->setFocus();
  turnDown();
  QCOMPARE(window_->Pressure(), QStringLiteral("1"));
  box->setFocus();
  turnDown();
  QCOMPARE(window_->Pressure(), QStringLiteral("1,1"));
}

void Form1EverydayTest::assistiveToolsHearWhatEachControlAnswers_data() {
  QTest::addColumn<QString>("description");
  // clang-format off
  for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
    QTest::newRow(option) << "Kompresör Gücü";
  }
  QTest::newRow("Text1") << "m3/dk";
  QTest::newRow("Combo1") << "bar";
  QTest::newRow("Label8") << "Toplam Depolama Hacmi >= m3  (tank+borular)";
  // clang-format on
}

void Form1EverydayTest::assistiveToolsHearWhatEachControlAnswers() {
  QFETCH(QString, description);
  window_.emplace("tr_TR");
  QWidget* control = window_->Find(QLatin1String(QTest::currentDataTag()));
  QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description),
           description);
}

void Form1EverydayTest::highContrastKeepsEveryEdgeVisible_data() {
  QTest::addColumn<QPalette>("palette");
  QTest::newRow("white on black") << velmora::testing::WhiteOnBlack();
  QTest::newRow("black on white") << velmora::testing::BlackOnWhite();
}

void Form1EverydayTest::highContrastKeepsEveryEdgeVisible() {
  QFETCH(QPalette, palette);
  const QPalette ordinary = QApplication::palette();
  QApplication::setPalette(palette);
  window_.emplace("tr_TR");
  const QImage shot = window_->Form().grab().toImage();
  const QRgb background = palette.color(QPalette::Window).rgb();
  for (const char* name : {"Text1", "Combo1", "Command1", "Command2"}) {
    const QRect control = window_->Find(QLatin1String(name))->geometry();
    const int visible = VisibleEdgePixels(shot, control, background);
    QVERIFY2(visible >= (control.height() - 6) / 2,
             qPrintable(QStringLiteral("%1: %2 edge pixels visible").arg(name).arg(visible)));
  }
  const auto* checked = window_->Find<QRadioButton>(QStringLiteral("Option1"));
  const QImage checkedCircle = Region(shot, IndicatorOf(checked));
  for (const char* name : {"Option2", "Option3", "Option4", "Option5"}) {
    const QImage circle =
        Region(shot, IndicatorOf(window_->Find<QRadioButton>(QLatin1String(name))));
    int visible = 0;
    for (int y = 0; y < circle.height(); ++y) {
      for (int x = 0; x < circle.width(); ++x) {
        visible += LightnessGap(circle.pixel(x, y), background) >= 128 ? 1 : 0;
      }
    }
    QVERIFY2(visible >= circle.width(), qPrintable(QStringLiteral("%1's circle").arg(name)));
    QVERIFY2(circle != checkedCircle, "checked and unchecked look alike");
  }
  auto* button = window_->Find<QPushButton>(QStringLiteral("Command2"));
  const QImage released = button->grab().toImage();
  button->setDown(true);
  const QImage pressed = button->grab().toImage();
  button->setDown(false);
  window_.reset();
  QApplication::setPalette(ordinary);
  QVERIFY2(released != pressed, "a pressed button looks like a released one");
}

QTEST_MAIN(Form1EverydayTest)
#include "form1_everyday_test.moc"
