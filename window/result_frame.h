#pragma once

#include <QGroupBox>

namespace velmora {

// The frame around the result. It paints, beneath its result labels (which
// are transparent), each one's caution sign: a sign that follows the digits
// may reach past the label's fixed box into the frame, which no label can
// paint.
class ResultFrame : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
