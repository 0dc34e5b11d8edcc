#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <optional>

#include "contrast.h"
#include "dialog_font.h"
#include "form1_driver.h"
#include "on_screen.h"
#include "result_label.h"
#include "result_pixels.h"
#include "twips.h"

using velmora::testing::Form1Driver;
using velmora::testing::InkBox;

namespace {

QString CaptionOf(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  return {};
}

// An option's size hint adds a margin above and below for the focus frame,
// which the classic 17-pixel row never had room for; what must fit is the
// indicator, the gap, the caption and the focus frame beside it.
QSize NeededForOption(const QRadioButton* option) {
  QStyleOptionButton styleOption;
  styleOption.initFrom(option);
  styleOption.text = option->text();
  const QStyle* style = option->style();
  const QRect indicator =
      style->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
  const QRect contents =
      style->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option);
  const QSize caption = option->fontMetrics().size(Qt::TextSingleLine, option->text());
  const int focusMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &styleOption, option);
  return {contents.left() + caption.width() + focusMargin,
          std::max(indicator.bottom() + 1, caption.height())};
}

// What the control needs to show its caption whole, decorations included:
// the radio indicator, button margins, the frame's title margins.
QSize NeededSize(const QWidget* control) {
  if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
    return NeededForOption(option);
  }
  if (qobject_cast<const QGroupBox*>(control) != nullptr) return control->minimumSizeHint();
  return control->sizeHint();
}

}  // namespace

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private slots:
#ifdef VELMORA_RASTER_FACE
  void initTestCase() { QFontDatabase::addApplicationFont(QStringLiteral(VELMORA_RASTER_FACE)); }
#endif
  void init() { window_.emplace(); }
  void cleanup() { window_.reset(); }

  void controlsStandAsDesigned_data();
  void controlsStandAsDesigned();
  void captionsShowWhole_data() { controlsStandAsDesigned_data(); }
  void captionsShowWhole();
  void resultShowsWholeBesideItsMarks_data();
  void resultShowsWholeBesideItsMarks();
  void resultDigitsFollowTheScale_data();
  void resultDigitsFollowTheScale();
  void windowIsFixedAndNamed();
  void tabOrderFollowsTheTabIndex();
  void onlyInputsTakeTheFocus();
  void focusStartsOnTheSelectedOption();
  void tabGoesRoundBothWays_data();
  void tabGoesRoundBothWays();
  void arrowsMoveBetweenPowerClasses_data();
  void arrowsMoveBetweenPowerClasses();
  void opensInItsInitialState();
  void inputsKeepNoQtDefaultsTheyShouldNot();
  void oneOptionIsSelectedAtATime_data();
  void oneOptionIsSelectedAtATime();
  void enterAndEscapeStartNothing_data();
  void enterAndEscapeStartNothing();
  void fontsAreTheDialogStandIn();
  void fieldsAreAnnouncedWithTheirCaptions();
  void closingTheWindowEndsTheProgram();

 private:
  template <typename Control>
  Control* Find(const char* name) const {
    return window_->Find<Control>(QLatin1String(name));
  }

  std::optional<Form1Driver> window_;
};

void Form1LayoutTest::controlsStandAsDesigned_data() {
  QTest::addColumn<QString>("className");
  QTest::addColumn<QString>("container");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("twips");

  const auto row = [](const char* name, const char* className, const char* container,
                      const QString& caption, QRect twips) {
    // clang-format off
    QTest::newRow(name) << className << container << caption << twips;
    // clang-format on
  };
  row("Label3", "QLabel", "Form1", "Kompresör Gücü :", {120, 240, 1335, 255});
  row("Option1", "QRadioButton", "Form1", "4-7.5 kW", {1560, 240, 975, 255});
  row("Option2", "QRadioButton", "Form1", "11-22 kW", {2640, 240, 1095, 255});
  row("Option3", "QRadioButton", "Form1", "30-55 kW", {3720, 240, 1095, 255});
  row("Option4", "QRadioButton", "Form1", "60-90 kW", {4800, 240, 1095, 255});
  row("Option5", "QRadioButton", "Form1", "110-160 KW", {6000, 240, 1215, 255});
  row("Label4", "QLabel", "Form1",
      "Kompresörün Serbest Hava Debisi (FAD) :", {120, 600, 3015, 255});
  row("Text1", "QLineEdit", "Form1", "", {3240, 600, 615, 285});
  row("Label5", "QLabel", "Form1", "m3/dk", {4080, 600, 495, 255});
  row("Label6", "QLabel", "Form1", "Kesme ve Yükleme Basınçları Farkı :", {120, 960, 2655, 255});
  row("Combo1", "QComboBox", "Form1", "1", {3240, 960, 855, 315});
  row("Label7", "QLabel", "Form1", "bar", {4200, 960, 615, 255});
  row("Frame1", "QGroupBox", "Form1", "Toplam Depolama Hacmi >=", {4920, 600, 2415, 615});
  row("Label8", "QLabel", "Frame1", "", {120, 240, 735, 255});
  row("Label9", "QLabel", "Frame1", "m3  (tank+borular)", {960, 240, 1335, 255});
  row("Command1", "QPushButton", "Form1", "Vidalı Kompresör için Hesapla", {4680, 1440, 2655, 375});
  row("Command2", "QPushButton", "Form1", "Pistonlu Kompresör için Hesapla",
      {120, 1440, 2655, 375});
  row("Label25", "QLabel", "Form1", "Velmora 1.00", {2880, 1560, 1695, 255});
}

void Form1LayoutTest::controlsStandAsDesigned() {
  QFETCH(QString, className);
  QFETCH(QString, container);
  QFETCH(QString, caption);
  QFETCH(QRect, twips);

  const auto* control = window_->Form().findChild<QWidget*>(QLatin1String(QTest::currentDataTag()));
  QVERIFY(control != nullptr);
  QVERIFY2(control->inherits(qPrintable(className)), control->metaObject()->className());
  QCOMPARE(control->parentWidget()->objectName(), container);
  QCOMPARE(CaptionOf(control), caption);
  QVERIFY2(!caption.contains(QLatin1Char('&')), "a caption has no access key");
  QCOMPARE(control->geometry(),
           velmora::FromTwips(twips.left(), twips.top(), twips.width(), twips.height()));
}

void Form1LayoutTest::captionsShowWhole() {
  QFETCH(QString, caption);
  const auto* control = window_->Form().findChild<QWidget*>(QLatin1String(QTest::currentDataTag()));
  if (caption.isEmpty() || qobject_cast<const QComboBox*>(control) != nullptr) {
    QSKIP("no caption of its own");
  }
  const QSize needed = NeededSize(control);
  QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
           qPrintable(QStringLiteral("needs %1×%2, has %3×%4")
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(control->width())
                          .arg(control->height())));
}

namespace {

QString FaceName(const QFont& font) {
  const QFontInfo info(font);
  return QStringLiteral("%1 %2px").arg(info.family()).arg(info.pixelSize());
}

// The faces the result is drawn in: the one chosen for 100 %, the one
// chosen for other scales where that is another, and Windows' raster "MS
// Sans Serif" where a copy of it was at hand (Wine's), wider than both.
QList<QFont> ResultFaces() {
  QList<QFont> faces{velmora::ResultFont(1.0), velmora::ResultFont(2.0)};
  QFont raster(QStringLiteral("MS Sans Serif"));
  raster.setPointSizeF(8.25);
  raster.setBold(true);
  if (QFontDatabase::hasFamily(raster.family())) faces << raster;
  QStringList names;
  for (qsizetype i = 0; i < faces.size();) {
    const QString name = FaceName(faces[i]);
    if (names.contains(name)) {
      faces.removeAt(i);
    } else {
      names << name;
      ++i;
    }
  }
  return faces;
}

}  // namespace

// Marks never take room from the digits: a result that fits its box shows
// whole with them, and one that does not is shortened as without them.
// Read off the screen: the digits as a plain label draws them (the strike's
// rows apart), the strike through all of them, the sign after them and
// before the unit's text, a triangle that stands 3:1, and the unit as it is.
void Form1LayoutTest::resultShowsWholeBesideItsMarks_data() {
  QTest::addColumn<QString>("result");
  QTest::addColumn<bool>("outOfDate");
  QTest::addColumn<bool>("note");
  QTest::addColumn<QFont>("face");
  // The worked runs, a long negative one, the longest that fit, too long.
  const QStringList results{"5,0",      "15,0",     "0,0",       "1,48",       "4,44",
                            "3,13",     "0,63",     "31,25",     "-1234,56",   "12345,67",
                            "-12345,6", "88888,88", "1234567,8", "150000000,0"};
  for (const QFont& face : ResultFaces()) {
    for (const QString& result : results) {
      for (const bool outOfDate : {false, true}) {
        for (const bool note : {false, true}) {
          const QString tag = QStringLiteral("%1%2%3, %4")
                                  .arg(result, outOfDate ? ", out of date" : "",
                                       note ? ", a note" : "", FaceName(face));
          QTest::newRow(qPrintable(tag)) << result << outOfDate << note << face;
        }
      }
    }
  }
}

void Form1LayoutTest::resultShowsWholeBesideItsMarks() {
  QFETCH(QString, result);
  QFETCH(bool, outOfDate);
  QFETCH(bool, note);
  QFETCH(QFont, face);
  auto* label = Find<velmora::ResultLabel>("Label8");
  const auto* frame = Find<QWidget>("Frame1");
  auto* unit = Find<QLabel>("Label9");
  label->setFont(face);
  label->ShowResult(result, QStringLiteral("Vidalı kompresör"), note);
  label->SetOutOfDate(outOfDate);
  const QImage shown = velmora::testing::OnScreen(frame).convertToFormat(QImage::Format_RGB32);
  const qreal scale = label->devicePixelRatioF();
  const auto device = [scale](const QRect& logical) {
    return QRectF(QPointF(logical.topLeft()) * scale, QSizeF(logical.size()) * scale).toRect();
  };
  const QRect box = device(label->geometry());
  const QColor background = label->palette().color(label->backgroundRole());

  const velmora::testing::ResultReading read =
      velmora::testing::ReadResult(shown.copy(box), *label, result);
  QVERIFY2(!read.text.isEmpty(), "the box shows neither the result nor a start of it");
  // The box is the label whole: no margin of its own.
  if (label->fontMetrics().horizontalAdvance(result) <= label->width()) {
    QCOMPARE(read.text, result);
  } else {
    QVERIFY2(read.text.endsWith(QChar(0x2026)), qPrintable(read.text));
  }

  QCOMPARE(!read.struck.isEmpty(), outOfDate);
  for (const int row : read.struck) {
    QVERIFY2(row > read.ink.top() && row < read.ink.bottom(),
             "the strike is not through the digits");
  }
  if (outOfDate) {
    const QRect strike(box.left() + read.ink.left(), box.top() + read.struck.first(),
                       read.ink.width(), 1);
    double most = 1.0;
    for (int x = strike.left(); x <= strike.right(); ++x) {
      most = std::max(most, velmora::ContrastRatio(shown.pixelColor(x, strike.top()), background));
    }
    QVERIFY2(most >= 3.0, qPrintable(QStringLiteral("the strike: %1:1").arg(most)));
  }

  // After the digits' ink and the strike's end, up to the unit.
  QList<int> struckRows;
  for (const int row : read.struck) struckRows << box.top() + row;
  const int after = box.left() + read.ink.right() + 1;
  const QRect beside(after, box.top(), device(unit->geometry()).left() - after, box.height());
  const QRect sign = InkBox(shown, beside, background, struckRows);
  QCOMPARE(!sign.isEmpty(), note);
  if (note) {
    QVERIFY2(sign.height() >= 4 * scale,
             qPrintable(QStringLiteral("%1 pixels high").arg(sign.height())));
    const int top =
        velmora::testing::InkedInRow(shown, sign.top(), sign.left(), sign.right(), background);
    const int base =
        velmora::testing::InkedInRow(shown, sign.bottom(), sign.left(), sign.right(), background);
    QVERIFY2(top < base, "the sign is no triangle standing on its base");
    double most = 1.0;
    for (int y = sign.top(); y <= sign.bottom(); ++y) {
      for (int x = sign.left(); x <= sign.right(); ++x) {
        most = std::max(most, velmora::ContrastRatio(shown.pixelColor(x, y), background));
      }
    }
    QVERIFY2(most >= 3.0, qPrintable(QStringLiteral("the sign: %1:1").arg(most)));
  }
  QCOMPARE(shown.copy(device(unit->geometry())),
           unit->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// At every display scale the result is drawn in proportion to the window:
// its digits as wide as those of 100 %, times the scale, within a fifth.
void Form1LayoutTest::resultDigitsFollowTheScale_data() {
  QTest::addColumn<QString>("result");
  for (const char* result : {"5,0", "15,0", "1,48", "3,13", "31,25", "-1234,56"}) {
    QTest::newRow(result) << QString::fromUtf8(result);
  }
}

void Form1LayoutTest::resultDigitsFollowTheScale() {
  QFETCH(QString, result);
  auto* label = Find<velmora::ResultLabel>("Label8");
  label->ShowResult(result, QStringLiteral("Vidalı kompresör"), false);
  const QColor background = label->palette().color(label->backgroundRole());
  const QImage shown = velmora::testing::OnScreen(label);
  const int width = InkBox(shown, shown.rect(), background).width();

  QImage atOne(label->size(), QImage::Format_RGB32);
  atOne.fill(background);
  QPainter painter(&atOne);
  painter.setFont(velmora::ResultFont(1.0));
  painter.setPen(label->palette().color(label->foregroundRole()));
  painter.drawText(atOne.rect(), Qt::AlignLeft | Qt::AlignVCenter, result);
  painter.end();
  const int widthAtOne = InkBox(atOne, atOne.rect(), background).width();

  const qreal scale = label->devicePixelRatioF();
  const double ratio = width / (widthAtOne * scale);
  QVERIFY2(ratio >= 0.8 && ratio <= 1.2,
           qPrintable(QStringLiteral("%1 pixels in %2 at %3 %, %4 in %5 at 100 %: %6 of the scale")
                          .arg(width)
                          .arg(FaceName(label->font()))
                          .arg(scale * 100)
                          .arg(widthAtOne)
                          .arg(FaceName(velmora::ResultFont(1.0)))
                          .arg(ratio)));
}

void Form1LayoutTest::windowIsFixedAndNamed() {
  QCOMPARE(window_->Form().objectName(), QStringLiteral("Form1"));
  QCOMPARE(window_->Form().windowTitle(), QStringLiteral("Velmora"));
  QCOMPARE(window_->Form().size(), QSize(496, 139));
  QCOMPARE(window_->Form().minimumSize(), window_->Form().maximumSize());
  QVERIFY(!window_->Form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(window_->Form().isWindow());
  QVERIFY(window_->Form().windowIcon().availableSizes().contains(QSize(32, 32)));
}

void Form1LayoutTest::tabOrderFollowsTheTabIndex() {
  const QStringList expected{"Option1", "Option2", "Option3",  "Option4", "Option5",
                             "Text1",   "Combo1",  "Command1", "Command2"};
  QStringList chain;
  QWidget* widget = Find<QWidget>("Option1");
  do {
    if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
      chain << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != Find<QWidget>("Option1"));
  QCOMPARE(chain, expected);
}

void Form1LayoutTest::onlyInputsTakeTheFocus() {
  for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Frame1", "Label8",
                           "Label9", "Label25"}) {
    QCOMPARE(Find<QWidget>(name)->focusPolicy(), Qt::NoFocus);
  }
  for (const char* name : {"Option1", "Text1", "Combo1", "Command1", "Command2"}) {
    QVERIFY(Find<QWidget>(name)->focusPolicy() & Qt::TabFocus);
  }
}

void Form1LayoutTest::focusStartsOnTheSelectedOption() {
  window_->Form().show();
  QVERIFY(QTest::qWaitForWindowActive(&window_->Form()));
  QCOMPARE(QApplication::focusWidget(), Find<QWidget>("Option1"));
}

// Backwards is the exact reverse of forwards, buttons included, from
// whichever option is selected.
void Form1LayoutTest::tabGoesRoundBothWays_data() {
  QTest::addColumn<QString>("selected");
  QTest::addColumn<bool>("backwards");
  QTest::addColumn<QStringList>("visited");
  // clang-format off
  QTest::newRow("Tab from Option1") << "Option1" << false
      << QStringList{"Text1", "Combo1", "Command1", "Command2", "Option1"};
  QTest::newRow("Shift+Tab from Option1") << "Option1" << true
      << QStringList{"Command2", "Command1", "Combo1", "Text1", "Option1"};
  QTest::newRow("Tab from Option4") << "Option4" << false
      << QStringList{"Text1", "Combo1", "Command1", "Command2", "Option4"};
  QTest::newRow("Shift+Tab from Option4") << "Option4" << true
      << QStringList{"Command2", "Command1", "Combo1", "Text1", "Option4"};
  // clang-format on
}

void Form1LayoutTest::tabGoesRoundBothWays() {
  QFETCH(QString, selected);
  QFETCH(bool, backwards);
  QFETCH(QStringList, visited);
  window_->Form().show();
  QVERIFY(QTest::qWaitForWindowActive(&window_->Form()));
  auto* option = Find<QRadioButton>(qPrintable(selected));
  option->setChecked(true);
  option->setFocus();
  QStringList focused;
  for (qsizetype step = 0; step < visited.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QWidget* widget = QApplication::focusWidget();
    // The list's field stands for the list.
    if (widget != nullptr && qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
      widget = widget->parentWidget();
    }
    focused << (widget == nullptr ? QString() : widget->objectName());
  }
  QCOMPARE(focused, visited);
}

// Up and Down move between the classes as Left and Right do, as on Windows.
void Form1LayoutTest::arrowsMoveBetweenPowerClasses_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("to");
  // clang-format off
  QTest::newRow("Down") << "Option1" << int(Qt::Key_Down) << "Option2";
  QTest::newRow("Up") << "Option3" << int(Qt::Key_Up) << "Option2";
  QTest::newRow("Right") << "Option2" << int(Qt::Key_Right) << "Option3";
  QTest::newRow("Left") << "Option2" << int(Qt::Key_Left) << "Option1";
  QTest::newRow("Down to the last") << "Option4" << int(Qt::Key_Down) << "Option5";
  QTest::newRow("Up to the first") << "Option2" << int(Qt::Key_Up) << "Option1";
  // clang-format on
}

void Form1LayoutTest::arrowsMoveBetweenPowerClasses() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(QString, to);
  window_->Form().show();
  QVERIFY(QTest::qWaitForWindowActive(&window_->Form()));
  auto* option = Find<QRadioButton>(qPrintable(from));
  option->setChecked(true);
  option->setFocus();
  QTest::keyClick(option, static_cast<Qt::Key>(key));
  QCOMPARE(QApplication::focusWidget()->objectName(), to);
  QVERIFY(Find<QRadioButton>(qPrintable(to))->isChecked());
}

void Form1LayoutTest::opensInItsInitialState() {
  QVERIFY(Find<QRadioButton>("Option1")->isChecked());
  for (const char* name : {"Option2", "Option3", "Option4", "Option5"}) {
    QVERIFY(!Find<QRadioButton>(name)->isChecked());
  }
  QCOMPARE(Find<QLineEdit>("Text1")->text(), QString());
  QCOMPARE(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("1"));
  QCOMPARE(Find<QLabel>("Label8")->text(), QString());
  // The credit line's tooltip states the rule; a wrong constant there would
  // teach users a wrong rule.
  QCOMPARE(Find<QLabel>("Label25")->toolTip(),
           QStringLiteral("Hacim = Debi × K ÷ (Sınıf katsayısı (z) × Basınç farkı); "
                          "vidalı K = 5, pistonlu K = 15"));
}

void Form1LayoutTest::inputsKeepNoQtDefaultsTheyShouldNot() {
  QCOMPARE(Find<QLineEdit>("Text1")->maxLength(), std::numeric_limits<int>::max());
  const auto* combo = Find<QComboBox>("Combo1");
  QVERIFY(combo->isEditable());
  QCOMPARE(combo->lineEdit()->maxLength(), std::numeric_limits<int>::max());
  QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
  QVERIFY(combo->completer() == nullptr);
  for (const char* name : {"Command1", "Command2"}) {
    QVERIFY(!Find<QPushButton>(name)->isDefault());
    QVERIFY(!Find<QPushButton>(name)->autoDefault());
  }
}

void Form1LayoutTest::oneOptionIsSelectedAtATime_data() {
  QTest::addColumn<QString>("clicked");
  for (const char* name : {"Option5", "Option2", "Option3", "Option4", "Option1"}) {
    // clang-format off
    QTest::newRow(name) << name;
    // clang-format on
  }
}

void Form1LayoutTest::oneOptionIsSelectedAtATime() {
  QFETCH(QString, clicked);
  window_->Form().show();
  QTest::mouseClick(Find<QRadioButton>("Option3"), Qt::LeftButton);
  QTest::mouseClick(window_->Form().findChild<QRadioButton*>(clicked), Qt::LeftButton);
  for (const QRadioButton* option : window_->Form().findChildren<QRadioButton*>()) {
    QCOMPARE(option->isChecked(), option->objectName() == clicked);
  }
}

void Form1LayoutTest::enterAndEscapeStartNothing_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("key");
  // clang-format off
  QTest::newRow("Enter in Text1") << "Text1" << int(Qt::Key_Return);
  QTest::newRow("keypad Enter in Text1") << "Text1" << int(Qt::Key_Enter);
  QTest::newRow("Enter in Combo1") << "Combo1" << int(Qt::Key_Return);
  QTest::newRow("Escape in Text1") << "Text1" << int(Qt::Key_Escape);
  QTest::newRow("Escape on Option1") << "Option1" << int(Qt::Key_Escape);
  // clang-format on
}

void Form1LayoutTest::enterAndEscapeStartNothing() {
  QFETCH(QString, field);
  QFETCH(int, key);
  window_->Form().show();
  QVERIFY(QTest::qWaitForWindowActive(&window_->Form()));
  Find<QLineEdit>("Text1")->setText(QStringLiteral("10"));
  auto* combo = Find<QComboBox>("Combo1");
  // Not one of the list's entries: Enter must not add it.
  combo->setEditText(QStringLiteral("0.75"));
  const int entries = combo->count();
  QWidget* target = window_->Form().findChild<QWidget*>(field);
  target->setFocus();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  QCOMPARE(Find<QLabel>("Label8")->text(), QString());
  QCOMPARE(combo->count(), entries);
  QCOMPARE(combo->currentText(), QStringLiteral("0.75"));
  QVERIFY(window_->Form().isVisible());
}

void Form1LayoutTest::fontsAreTheDialogStandIn() {
  for (const QWidget* control : window_->Form().findChildren<QWidget*>()) {
    if (control->objectName() == QLatin1String("Label8") || control->objectName().isEmpty()) {
      continue;
    }
    const QFontInfo font(control->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), 10);
    QVERIFY(!font.bold());
  }
  const QFontInfo result(Find<QLabel>("Label8")->font());
  QCOMPARE(result.weight(), int(QFont::Bold));
}

void Form1LayoutTest::fieldsAreAnnouncedWithTheirCaptions() {
  window_->Form().show();
  // Over AT-SPI a field's caption travels as its "labelled by" relation.
  const auto labelsOf = [this](const char* name) {
    QStringList captions;
    const auto relations =
        QAccessible::queryAccessibleInterface(Find<QWidget>(name))->relations(QAccessible::Label);
    for (const auto& [label, relation] : relations) captions << label->text(QAccessible::Name);
    return captions;
  };
  QCOMPARE(labelsOf("Text1"), QStringList{"Kompresörün Serbest Hava Debisi (FAD) :"});
  QCOMPARE(labelsOf("Combo1"), QStringList{"Kesme ve Yükleme Basınçları Farkı :"});
  // The result field is read as the result itself, not as a fixed name.
  Find<QLabel>("Label8")->setText(QStringLiteral("5.0"));
  QCOMPARE(QAccessible::queryAccessibleInterface(Find<QWidget>("Label8"))->text(QAccessible::Name),
           QStringLiteral("5.0"));
}

void Form1LayoutTest::closingTheWindowEndsTheProgram() {
  constexpr int kStillRunning = 99;
  window_->Form().show();
  QTimer::singleShot(0, &window_->Form(), &QWidget::close);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(kStillRunning); });
  QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
