#include "form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringBuilder>
#include <algorithm>
#include <iterator>
#include <limits>

#include "application_look.h"
#include "calculation.h"
#include "calculation_sheet.h"
#include "command_button.h"
#include "dialog_font.h"
#include "pressure_box.h"
#include "result_frame.h"
#include "result_label.h"
#include "twips.h"
#include "user_guide.h"
#include "velmora_icon_rgb.h"
#include "velmora_version.h"

namespace {

using velmora::FromTwips;

template <typename Control>
Control* Place(Control* control, const char* name, QRect geometry) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  return control;
}

template <typename Label = QLabel>
Label* PlaceLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* label = Place(new Label(caption, parent), name, geometry);
  // Captions and results are never markup, whatever a user might paste.
  label->setTextFormat(Qt::PlainText);
  return label;
}

QRadioButton* PlaceOption(QWidget* parent, const char* name, const QString& caption,
                          QRect geometry) {
  return Place(new QRadioButton(caption, parent), name, geometry);
}

velmora::CommandButton* PlaceButton(QWidget* parent, const char* name, const QString& caption,
                                    QRect geometry) {
  auto* button = Place(new velmora::CommandButton(caption, parent), name, geometry);
  // Enter in a field must never start a calculation behind the user's back.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Velmora"));
  setWindowIcon(
      QIcon(QPixmap::fromImage(QImage(kVelmoraIconRgb, kVelmoraIconSize, kVelmoraIconSize,
                                      qsizetype{kVelmoraIconSize} * 3, QImage::Format_RGB888))));
  // Fixed size, no maximise button: the controls keep their places.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(FromTwips(0, 0, 7440, 2085).size());
  // The application's font is set before the window is built; the window
  // keeps this one of its own too, because a platform theme (qt6ct, say)
  // may set the application's font again once the program runs, and the
  // fixed boxes are measured for this one.
  setFont(velmora::DialogFont());

  CreateControls();
  SetUpControls();
  SetTabOrder();
  DescribeForAssistiveTools();
  Option1->setFocus();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  Label3 = PlaceLabel(this, "Label3", QStringLiteral("Kompresör Gücü :"),
                      FromTwips(120, 240, 1335, 255));
  Option1 =
      PlaceOption(this, "Option1", QStringLiteral("4-7.5 kW"), FromTwips(1560, 240, 975, 255));
  Option2 =
      PlaceOption(this, "Option2", QStringLiteral("11-22 kW"), FromTwips(2640, 240, 1095, 255));
  Option3 =
      PlaceOption(this, "Option3", QStringLiteral("30-55 kW"), FromTwips(3720, 240, 1095, 255));
  Option4 =
      PlaceOption(this, "Option4", QStringLiteral("60-90 kW"), FromTwips(4800, 240, 1095, 255));
  Option5 =
      PlaceOption(this, "Option5", QStringLiteral("110-160 KW"), FromTwips(6000, 240, 1215, 255));
  Label4 = PlaceLabel(this, "Label4", QStringLiteral("Kompresörün Serbest Hava Debisi (FAD) :"),
                      FromTwips(120, 600, 3015, 255));
  Text1 = Place(new QLineEdit(this), "Text1", FromTwips(3240, 600, 615, 285));
  Label5 = PlaceLabel(this, "Label5", QStringLiteral("m3/dk"), FromTwips(4080, 600, 495, 255));
  Label6 = PlaceLabel(this, "Label6", QStringLiteral("Kesme ve Yükleme Basınçları Farkı :"),
                      FromTwips(120, 960, 2655, 255));
  Combo1 = Place(new velmora::PressureBox(this), "Combo1", FromTwips(3240, 960, 855, 315));
  Label7 = PlaceLabel(this, "Label7", QStringLiteral("bar"), FromTwips(4200, 960, 615, 255));
  Frame1 = Place(new velmora::ResultFrame(QStringLiteral("Toplam Depolama Hacmi >="), this),
                 "Frame1", FromTwips(4920, 600, 2415, 615));
  Label8 =
      PlaceLabel<velmora::ResultLabel>(Frame1, "Label8", QString(), FromTwips(120, 240, 735, 255));
  Label9 = PlaceLabel(Frame1, "Label9", QStringLiteral("m3  (tank+borular)"),
                      FromTwips(960, 240, 1335, 255));
  Command1 = PlaceButton(this, "Command1", QStringLiteral("Vidalı Kompresör için Hesapla"),
                         FromTwips(4680, 1440, 2655, 375));
  Command2 = PlaceButton(this, "Command2", QStringLiteral("Pistonlu Kompresör için Hesapla"),
                         FromTwips(120, 1440, 2655, 375));
  Label25 = PlaceLabel(this, "Label25", QStringLiteral("Velmora " VELMORA_VERSION),
                       FromTwips(2880, 1560, 1695, 255));
}

void Form1::SetUpControls() {
  auto* powerClasses = new QButtonGroup(this);
  powerClasses->setExclusive(true);
  for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5}) {
    powerClasses->addButton(option);
  }
  Option1->setChecked(true);

  Text1->setMaxLength(std::numeric_limits<int>::max());

  // Editable through a field of its own: setEditable(true) would also build
  // the list's popup, which waits here until the list is first opened.
  Combo1->setLineEdit(new QLineEdit(Combo1));
  Combo1->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setCompleter(nullptr);
  // Not Qt's wheel focus: a wheel turned over the window changes no input.
  Combo1->setFocusPolicy(Qt::StrongFocus);
  Combo1->setEditText(QStringLiteral("1"));

  Label4->setBuddy(Text1);
  Label6->setBuddy(Combo1);

  // The result's caution sign may stand in the frame between the box and
  // the unit, never over the unit's text.
  Label8->SetSignReach(Label9->x() - 1);
  Label25->setToolTip(QStringLiteral(
      "Hacim = Debi × K ÷ (Sınıf katsayısı (z) × Basınç farkı); vidalı K = 5, pistonlu K = 15"));

  // The result never takes the focus, so Ctrl+C would never reach its
  // selection; the fields pass it on when they have none of their own.
  Text1->installEventFilter(this);
  Combo1->installEventFilter(this);
  for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5}) {
    option->installEventFilter(this);
  }

  connect(powerClasses, &QButtonGroup::buttonToggled, this, &Form1::FollowInputChanges);
  connect(Text1, &QLineEdit::textChanged, this, &Form1::FollowInputChanges);
  connect(Combo1, &QComboBox::editTextChanged, this, &Form1::FollowInputChanges);
  connect(Label8, &velmora::ResultLabel::SaveSheetRequested, this, &Form1::SaveCalculationSheet);
  connect(Label8, &velmora::ResultLabel::PrintSheetRequested, this, &Form1::PrintCalculationSheet);
  // From anywhere in the window, as in any program that saves and prints.
  new QShortcut(QKeySequence::Save, this, this, &Form1::SaveCalculationSheet);
  new QShortcut(QKeySequence::Print, this, this, &Form1::PrintCalculationSheet);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {Option1, Option2, Option3,  Option4, Option5,
                            Text1,   Combo1,  Command1, Command2};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// A screen reader reads a control's name and then its description: each
// option says which question it answers, each field its unit, and the result
// what it is and in what unit, all in the captions the window shows.
void Form1::DescribeForAssistiveTools() {
  const QString question = Label3->text().chopped(1).trimmed();  // without " :"
  for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5}) {
    option->setAccessibleDescription(question);
  }
  Text1->setAccessibleDescription(Label5->text());
  Combo1->setAccessibleDescription(Label7->text());
  DescribeResult();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (CopyResultSelection(watched, key) || MoveBetweenPowerClasses(watched, key)) return true;
  }
  return QWidget::eventFilter(watched, event);
}

// Ctrl+C in a field without a selection of its own copies the result's
// selection; a field's own selection keeps priority.
bool Form1::CopyResultSelection(QObject* watched, const QKeyEvent* event) const {
  if (!event->matches(QKeySequence::Copy) || (watched != Text1 && watched != Combo1)) return false;
  const QLineEdit* field = watched == Combo1 ? Combo1->lineEdit() : Text1;
  return !field->hasSelectedText() && Label8->CopySelection();
}

// Up and Down move between the power classes as Left and Right do, as on
// Windows; Qt looks for a class above or below, where there is none.
bool Form1::MoveBetweenPowerClasses(QObject* watched, const QKeyEvent* event) {
  if (SelectedOption() != watched || (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)) {
    return false;
  }
  QKeyEvent sideways(event->type(), event->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                     event->modifiers());
  QCoreApplication::sendEvent(watched, &sideways);
  return true;
}

// The way round by Tab: the selected class, the two fields, the two
// buttons, and back. Qt finds its way backwards through the focus chain on
// its own and, from the selected class, skips the buttons.
bool Form1::focusNextPrevChild(bool next) {
  QWidget* const order[] = {SelectedOption(), Text1, Combo1, Command1, Command2};
  QWidget* focused = focusWidget();
  if (focused != nullptr && focused->parentWidget() == Combo1) focused = Combo1;
  const auto* here = std::find(std::begin(order), std::end(order), focused);
  if (here == std::end(order) || order[0] == nullptr) return QWidget::focusNextPrevChild(next);
  const auto count = static_cast<std::ptrdiff_t>(std::size(order));
  const std::ptrdiff_t step = next ? 1 : count - 1;
  QWidget* target = order[(here - std::begin(order) + step) % count];
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void Form1::keyPressEvent(QKeyEvent* event) {
  // On an option or a button, Ctrl+C comes here unhandled.
  if (event->matches(QKeySequence::Copy) && Label8->CopySelection()) return;
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    velmora::OpenUserGuide();
    return;
  }
  // Shift+F10 asks for the focused control's menu, as the menu key does;
  // Windows makes it a menu request itself, X11 leaves it a key.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    if (QWidget* focused = QApplication::focusWidget()) {
      const QPoint inside = focused->rect().center();
      QContextMenuEvent request(QContextMenuEvent::Keyboard, inside, focused->mapToGlobal(inside));
      QCoreApplication::sendEvent(focused, &request);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

// The result never takes the focus, so a keyboard user asks for its menu
// from an option or a button, whose own menus are empty; the fields keep
// theirs.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Keyboard) {
    QWidget::contextMenuEvent(event);
    return;
  }
  Label8->ShowContextMenu(Label8->mapToGlobal(QPoint(0, Label8->height())));
}

// The window is told of every change of the application's palette; the
// buttons' and tooltips' palettes, which Qt keeps apart, follow from here.
// A change of the regional settings can change the decimal mark, which
// makes the same texts read as other numbers. Qt tells of one where the
// platform does; Windows' WM_SETTINGCHANGE for "intl" Qt 6 keeps to
// itself, but the user changes the settings in another window, so the mark
// is looked at again whenever the window is activated.
void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) velmora::FollowApplicationPalette();
  if (event->type() == QEvent::LocaleChange || event->type() == QEvent::ActivationChange) {
    FollowInputChanges();
  }
  QWidget::changeEvent(event);
}

// A screen reader reaches the result's explanation through the description,
// which a tooltip would not give it beside one of its own.
void Form1::DescribeResult() {
  const QString explanation = Label8->Explanation();
  const QString caption = Frame1->title() % u' ' % Label9->text();
  Label8->setAccessibleDescription(explanation.isEmpty() ? caption : caption % u'\n' % explanation);
}
