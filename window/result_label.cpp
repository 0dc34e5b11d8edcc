#include "result_label.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "dialog_font.h"

namespace velmora {

namespace {

// How much taller than the digits the note's sign stands, in pixels, so
// that its point and its base clear them.
constexpr int kNoteMarkOvershoot = 3;
// Between the digits and the sign, where there is room for it.
constexpr int kSignGap = 2;
// A smaller sign is a plain triangle: an exclamation mark cut out of it
// would leave too little of the triangle to read as one.
constexpr int kSmallestSignWithMark = 8;

// How far the digits stand above the baseline, from a digit's own outline:
// a raster face's cap height, as Qt reads it, can be taller than the face.
int DigitHeight(const QFontMetrics& metrics) { return -metrics.boundingRect(u'0').top(); }

}  // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
  ChooseFontForScreen();
}

// The face depends on the display's scale (dialog_font.h).
void ResultLabel::ChooseFontForScreen() { setFont(ResultFont(devicePixelRatioF())); }

bool ResultLabel::event(QEvent* event) {
  const bool handled = QLabel::event(event);
  // Qt's only word to a widget that its window moved to another screen.
  if (event->type() == QEvent::ScreenChangeInternal) ChooseFontForScreen();
  return handled;
}

void ResultLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  // Another face moves the sign, partly painted outside the box.
  if (event->type() == QEvent::FontChange && parentWidget() != nullptr) parentWidget()->update();
}

QString ResultLabel::OutOfDateLine() {
  return QStringLiteral("Girdiler bu sonuçtan sonra değişti: yeniden hesaplayın.");
}

QString ResultLabel::Explanation() const {
  if (!outOfDate_ || explanation_.isEmpty()) return explanation_;
  return OutOfDateLine() + u'\n' + explanation_;
}

// A tooltip left open over the result (pressed by keyboard while the mouse
// rests here) would go on explaining what no longer holds.
void ResultLabel::ExplainInToolTip(const QString& before) {
  const QString now = Explanation();
  if (QToolTip::isVisible() && QToolTip::text() == before) {
    QToolTip::showText(QCursor::pos(), now, this);
  }
  setToolTip(now);
}

void ResultLabel::ShowResult(const QString& result, const QString& explanation, bool hasNotes) {
  const QString before = Explanation();
  const QRect signBefore = NoteSignRect();
  // A selectable label keeps a text document and rebuilds it on every new
  // text, which costs a click more than all the rest of it; the result
  // becomes selectable only when the mouse is pressed on it.
  setTextInteractionFlags(Qt::NoTextInteraction);
  explanation_ = explanation;
  hasNotes_ = hasNotes;
  outOfDate_ = false;
  setText(result);
  // The same text again repaints nothing, while a mark may have come or gone.
  RepaintMarks(signBefore);
  ExplainInToolTip(before);
  // The cursor tells whether the result can be selected, which takes
  // measuring the text, the most of a click's work: it is told when the
  // mouse comes, at once where it is here already.
  cursorFollowsText_ = false;
  if (underMouse()) FollowTextWithCursor();
}

void ResultLabel::FollowTextWithCursor() {
  cursorFollowsText_ = true;
  if (CanBeSelected()) {
    setCursor(Qt::IBeamCursor);
  } else {
    unsetCursor();
  }
}

void ResultLabel::enterEvent(QEnterEvent* event) {
  if (!cursorFollowsText_) FollowTextWithCursor();
  QLabel::enterEvent(event);
}

// An elided text cannot be selected in part: what is seen is not the text.
bool ResultLabel::CanBeSelected() const { return !text().isEmpty() && ShowsWhole(); }

void ResultLabel::BecomeSelectable() {
  if (textInteractionFlags() != Qt::NoTextInteraction || !CanBeSelected()) return;
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selectable labels take the focus on a click; this one stays out of it.
  setFocusPolicy(Qt::NoFocus);
}

void ResultLabel::mousePressEvent(QMouseEvent* event) {
  BecomeSelectable();
  QLabel::mousePressEvent(event);
}

QMenu* ResultLabel::CreateContextMenu() {
  auto* menu = new QMenu(this);
  // Qt's own words for these, so the menu speaks the fields' menus' language.
  QAction* copy = menu->addAction(QCoreApplication::translate("QLineEdit", "&Copy"), this,
                                  &ResultLabel::CopyResult);
  copy->setObjectName(QStringLiteral("copyResult"));
  copy->setEnabled(!text().isEmpty());
  QAction* copyExplanation =
      menu->addAction(QStringLiteral("Hesabı Kopyala"), this, &ResultLabel::CopyExplanation);
  copyExplanation->setObjectName(QStringLiteral("copyCalculation"));
  copyExplanation->setEnabled(!explanation_.isEmpty());
  QAction* selectAll =
      menu->addAction(QCoreApplication::translate("QLineEdit", "Select All"), this, [this] {
        BecomeSelectable();
        setSelection(0, static_cast<int>(text().size()));
      });
  selectAll->setObjectName(QStringLiteral("selectAllResult"));
  selectAll->setEnabled(CanBeSelected());
  menu->addSeparator();
  // After a tab, a menu shows the keys that do the same from the window.
  const auto withKeys = [](const char* text, QKeySequence::StandardKey keys) {
    return QString::fromUtf8(text) + u'\t' + QKeySequence(keys).toString(QKeySequence::NativeText);
  };
  QAction* saveSheet = menu->addAction(withKeys("Hesap Föyünü Kaydet…", QKeySequence::Save), this,
                                       &ResultLabel::SaveSheetRequested);
  saveSheet->setObjectName(QStringLiteral("saveSheet"));
  QAction* printSheet = menu->addAction(withKeys("Yazdır…", QKeySequence::Print), this,
                                        &ResultLabel::PrintSheetRequested);
  printSheet->setObjectName(QStringLiteral("printSheet"));
  for (QAction* sheet : {saveSheet, printSheet}) sheet->setEnabled(!text().isEmpty());
  return menu;
}

void ResultLabel::ShowContextMenu(const QPoint& globalPosition) {
  const std::unique_ptr<QMenu> menu(CreateContextMenu());
  menu->exec(globalPosition);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
  ShowContextMenu(event->globalPos());
}

// A result shortened anyway is shortened a little more where it has a note,
// so that the sign keeps its size.
QString ResultLabel::ShownText() const {
  if (ShowsWhole()) return text();
  int room = contentsRect().width();
  if (hasNotes_) room = std::min(room, SignReach() - contentsRect().left() - FullSignRoom());
  return fontMetrics().elidedText(text(), Qt::ElideRight, room);
}

bool ResultLabel::ShowsWhole() const {
  return fontMetrics().horizontalAdvance(text()) <= contentsRect().width();
}

void ResultLabel::CopyResult() const { QGuiApplication::clipboard()->setText(text()); }

bool ResultLabel::CopySelection() const {
  if (!hasSelectedText()) return false;
  QGuiApplication::clipboard()->setText(selectedText());
  return true;
}

void ResultLabel::CopyExplanation() const { QGuiApplication::clipboard()->setText(Explanation()); }

void ResultLabel::SetOutOfDate(bool outOfDate) {
  if (outOfDate_ == outOfDate || explanation_.isEmpty()) return;
  const QString before = Explanation();
  outOfDate_ = outOfDate;
  ExplainInToolTip(before);
  update();
}

void ResultLabel::RepaintMarks(const QRect& signBefore) {
  update();
  if (parentWidget() != nullptr) parentWidget()->update(signBefore.united(NoteSignRect()));
}

void ResultLabel::SetSignReach(int parentRight) {
  const QRect signBefore = NoteSignRect();
  signReach_ = parentRight;
  RepaintMarks(signBefore);
}

int ResultLabel::SignReach() const { return (signReach_ < 0 ? x() + width() : signReach_) - x(); }

// What a sign of full size takes after the digits, its gap included.
int ResultLabel::FullSignRoom() const {
  return DigitHeight(fontMetrics()) + kNoteMarkOvershoot + kSignGap;
}

QRect ResultLabel::ShownTextRect() const {
  return style()->itemTextRect(fontMetrics(), contentsRect(), static_cast<int>(alignment()),
                               isEnabled(), ShownText());
}

// A caution sign as tall as the digits and a little more, right after them,
// centred on the digits' line; where the reach leaves less room, closer and
// smaller.
QRect ResultLabel::NoteSignRect() const {
  if (!hasNotes_) return {};
  const QFontMetrics metrics = fontMetrics();
  const QRect digits = ShownTextRect();
  const int room = SignReach() - (digits.right() + 1);
  const int gap = room >= FullSignRoom() ? kSignGap : 1;
  const int side = std::min(FullSignRoom() - kSignGap, room - gap);
  if (side <= 0) return {};
  const int middle = digits.top() + metrics.ascent() - DigitHeight(metrics) / 2;
  return QRect(digits.right() + 1 + gap, middle - side / 2, side, side).translated(pos());
}

void ResultLabel::DrawNoteSign(QPainter& painter) const {
  const QRectF sign = NoteSignRect();
  if (sign.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(foregroundRole()));
  // A filled triangle with the exclamation mark left in the background's
  // colour: the caution sign of machine plates and road signs alike.
  painter.drawPolygon(
      QPolygonF{QPointF(sign.center().x(), sign.top()), sign.bottomRight(), sign.bottomLeft()});
  const double side = sign.width();
  if (side >= kSmallestSignWithMark) {
    const QColor paper = palette().color(backgroundRole());
    const double stroke = std::max(1.5, side / 7.0);
    const double x = sign.center().x() - stroke / 2;
    painter.fillRect(QRectF(x, sign.top() + side * 0.35, stroke, side * 0.35), paper);
    painter.fillRect(QRectF(x, sign.top() + side * 0.77, stroke, stroke), paper);
  }
  painter.restore();
}

// Through the middle of the digits, a little thicker than the font's own
// strike, which a bold digit's strokes would swallow.
void ResultLabel::DrawStrike(QPainter& painter) const {
  const QFontMetrics metrics = fontMetrics();
  const QRect drawn = ShownTextRect();
  const int middle = drawn.top() + metrics.ascent() - DigitHeight(metrics) / 2;
  const int thickness = std::max(2, metrics.lineWidth() + 1);
  painter.fillRect(QRect(drawn.left() - 1, middle - thickness / 2, drawn.width() + 2, thickness),
                   palette().color(foregroundRole()));
}

void ResultLabel::paintEvent(QPaintEvent* event) {
  if (ShowsWhole()) {
    QLabel::paintEvent(event);  // draws the mouse selection too
  } else {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
  }
  if (!outOfDate_ || text().isEmpty()) return;
  QPainter painter(this);
  DrawStrike(painter);
}

}  // namespace velmora
