#include "result_label.h"

#include <QPainter>
#include <QStyle>

namespace velmora {

void ResultLabel::ShowResult(const QString& result) {
  setText(result);
  setToolTip(ShownText() == result ? QString() : result);
}

QString ResultLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ResultLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

}  // namespace velmora
