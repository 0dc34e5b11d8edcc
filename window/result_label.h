#pragma once

#include <QLabel>

namespace velmora {

// The result field. Its box is fixed and holds about eight bold digits; a
// larger volume cut off at the box's edge would read as a different number,
// so a result that does not fit ends in "…" and shows whole in its tooltip.
// text() always holds the whole result, for tests and assistive tools.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  void ShowResult(const QString& result);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString ShownText() const;
};

}  // namespace velmora
