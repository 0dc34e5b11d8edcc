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

namespace velmora {

namespace {

// How much taller than the digits the note's sign stands, in pixels, so
// that its point and its base clear them.
constexpr int kNoteMarkOvershoot = 3;

}  // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
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
  // A selectable label keeps a text document and rebuilds it on every new
  // text, which costs a click more than all the rest of it; the result
  // becomes selectable only when the mouse is pressed on it.
  setTextInteractionFlags(Qt::NoTextInteraction);
  explanation_ = explanation;
  hasNotes_ = hasNotes;
  outOfDate_ = false;
  // The note mark takes the box's right end, and a long result is shortened
  // before it rather than drawn under it.
  setContentsMargins(0, 0, hasNotes ? NoteMarkRect().width() + 2 : 0, 0);
  setText(result);
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

QString ResultLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
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

// A warning sign as tall as the digits and a little more, at the box's
// right end, centred on the digits' line.
QRect ResultLabel::NoteMarkRect() const {
  const int side = fontMetrics().capHeight() + kNoteMarkOvershoot;
  return {width() - side, (height() - side) / 2, side, side};
}

void ResultLabel::DrawMarks(QPainter& painter) const {
  const QColor ink = palette().color(foregroundRole());
  painter.setRenderHint(QPainter::Antialiasing);
  if (outOfDate_ && !text().isEmpty()) {
    const QFontMetrics metrics = fontMetrics();
    const QRect drawn = style()->itemTextRect(metrics, contentsRect(),
                                              static_cast<int>(alignment()), true, ShownText());
    // Through the middle of the digits, a little thicker than the font's
    // own strike, which a bold digit's strokes would swallow.
    const int middle = drawn.top() + metrics.ascent() - metrics.capHeight() / 2;
    const int thickness = std::max(2, metrics.lineWidth() + 1);
    painter.fillRect(QRect(drawn.left() - 1, middle - thickness / 2, drawn.width() + 2, thickness),
                     ink);
  }
  if (hasNotes_) {
    // A filled triangle with the exclamation mark left in the background's
    // colour: the caution sign of machine plates and road signs alike.
    const QRectF sign = NoteMarkRect();
    const double side = sign.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygonF{QPointF(sign.center().x(), sign.top()), sign.bottomRight(), sign.bottomLeft()});
    const QColor paper = palette().color(backgroundRole());
    const double stroke = std::max(1.5, side / 7.0);
    const double x = sign.center().x() - stroke / 2;
    painter.fillRect(QRectF(x, sign.top() + side * 0.35, stroke, side * 0.35), paper);
    painter.fillRect(QRectF(x, sign.top() + side * 0.77, stroke, stroke), paper);
  }
}

void ResultLabel::paintEvent(QPaintEvent* event) {
  if (ShowsWhole()) {
    QLabel::paintEvent(event);  // draws the mouse selection too
  } else {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
  }
  if (!outOfDate_ && !hasNotes_) return;
  QPainter painter(this);
  DrawMarks(painter);
}

}  // namespace velmora
