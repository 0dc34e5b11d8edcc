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
#include <memory>

namespace velmora {

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ResultLabel::ShowResult(const QString& result, const QString& explanation) {
  // A selectable label keeps a text document and rebuilds it on every new
  // text, which costs a click more than all the rest of it; the result
  // becomes selectable only when the mouse is pressed on it.
  setTextInteractionFlags(Qt::NoTextInteraction);
  setText(result);
  // A tooltip left open over the result (pressed by keyboard while the mouse
  // rests here) would go on explaining the result before.
  if (QToolTip::isVisible() && QToolTip::text() == explanation_) {
    QToolTip::showText(QCursor::pos(), explanation, this);
  }
  explanation_ = explanation;
  setToolTip(explanation);
  if (CanBeSelected()) {
    setCursor(Qt::IBeamCursor);
  } else {
    unsetCursor();
  }
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

void ResultLabel::CopyExplanation() const { QGuiApplication::clipboard()->setText(explanation_); }

void ResultLabel::paintEvent(QPaintEvent* event) {
  if (ShowsWhole()) {
    QLabel::paintEvent(event);  // draws the mouse selection too
    return;
  }
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

}  // namespace velmora
