#pragma once

#include <QLabel>

class QMenu;

namespace velmora {

// The result field. Its box is fixed and holds about eight bold digits; a
// larger volume cut off at the box's edge would read as a different number,
// so a result that does not fit ends in "…". Its tooltip explains the
// result, the whole number included. text() always holds the whole result,
// for assistive tools and the clipboard: engineers copy results into
// reports, so a right-click offers Copy (the whole result, no selection
// needed) and Copy Calculation (the explanation), and the mouse selects a
// result that shows whole. It never takes the focus.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  ResultLabel(const QString& text, QWidget* parent);

  void ShowResult(const QString& result, const QString& explanation);
  QString Explanation() const { return explanation_; }

  // Puts the part of the result selected with the mouse on the clipboard;
  // false, and nothing copied, when no part of it is selected.
  bool CopySelection() const;

  // What a right-click opens: Copy, enabled while there is a result, Copy
  // Calculation, enabled once there was a calculation, and Select All,
  // enabled while the result shows whole.
  QMenu* CreateContextMenu();
  void ShowContextMenu(const QPoint& globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString ShownText() const;
  bool ShowsWhole() const;
  bool CanBeSelected() const;
  void BecomeSelectable();
  void CopyResult() const;
  void CopyExplanation() const;

  QString explanation_;
};

}  // namespace velmora
