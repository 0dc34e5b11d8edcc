#include "result_frame.h"

#include <QPainter>

#include "result_label.h"

namespace velmora {

void ResultFrame::paintEvent(QPaintEvent* event) {
  QGroupBox::paintEvent(event);
  QPainter painter(this);
  for (const ResultLabel* result : findChildren<ResultLabel*>(Qt::FindDirectChildrenOnly)) {
    if (result->isVisible()) result->DrawNoteSign(painter);
  }
}

}  // namespace velmora
