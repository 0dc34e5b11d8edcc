#pragma once

#include <QLabel>

class QMenu;

namespace velmora {

// The result field. Its box is fixed and holds about eight bold digits; a
// larger volume cut off at the box's edge would read as a different number,
// so a result that does not fit ends in "…" and shows whole in its tooltip.
// text() always holds the whole result, for assistive tools and the
// clipboard: engineers copy results into reports, so a right-click offers
// Copy (the whole result, no selection needed) and the mouse selects a
// result that shows whole. It never takes the focus.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  ResultLabel(const QString& text, QWidget* parent);

  void ShowResult(const QString& result);

  // What a right-click opens: Copy, enabled while there is a result, and
  // Select All, enabled while the result shows whole.
  QMenu* CreateContextMenu();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString ShownText() const;
  bool ShowsWhole() const;
  void CopyResult() const;
};

}  // namespace velmora
