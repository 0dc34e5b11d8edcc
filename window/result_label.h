#pragma once

#include <QLabel>

class QMenu;
class QPainter;

namespace velmora {

// The result field. Its box is fixed and holds about eight bold digits; a
// larger volume cut off at the box's edge would read as a different number,
// so a result that does not fit ends in "…". Its tooltip explains the
// result, the whole number included. text() always holds the whole result,
// for assistive tools and the clipboard: engineers copy results into
// reports, so a right-click offers Copy (the whole result, no selection
// needed) and Copy Calculation (the explanation), and the mouse selects a
// result that shows whole. It never takes the focus.
//
// Two marks are drawn with the result, never written into its text, so
// that copying and screen readers keep the number itself; both are drawn in
// the text's own colour, so they stand out wherever the text does, and by
// shape, not by colour alone. Neither takes room from the digits: a result
// that fits the box shows whole with its marks.
// - out of date: the result is struck through while the inputs differ from
//   those it was computed from, and the explanation begins by saying so;
// - notes: a caution sign right after the digits while the explanation
//   holds a note. Where the digits leave it too little of the box, it goes
//   on past the box's end, up to the reach it is given, smaller if it must;
//   the frame around the label paints it there (ResultFrame).
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  ResultLabel(const QString& text, QWidget* parent);

  void ShowResult(const QString& result, const QString& explanation, bool hasNotes);
  void SetOutOfDate(bool outOfDate);
  bool IsOutOfDate() const { return outOfDate_; }
  bool HasNotes() const { return hasNotes_; }
  // The explanation as the tooltip, the clipboard and a screen reader give
  // it: first the out-of-date line while the result is out of date.
  QString Explanation() const;

  static QString OutOfDateLine();

  // How far the caution sign may reach, in the parent's pixels: up to the
  // control that follows the box, never over its text.
  void SetSignReach(int parentRight);
  // Where the caution sign stands, in the parent's pixels; empty without a
  // note.
  QRect NoteSignRect() const;
  // Paints the caution sign with a painter of the parent's.
  void DrawNoteSign(QPainter& painter) const;

  // Puts the part of the result selected with the mouse on the clipboard;
  // false, and nothing copied, when no part of it is selected.
  bool CopySelection() const;

  // What a right-click opens: Copy, enabled while there is a result, Copy
  // Calculation, enabled once there was a calculation, Select All, enabled
  // while the result shows whole, and the calculation sheet's Save and
  // Print, enabled while there is a result.
  QMenu* CreateContextMenu();
  void ShowContextMenu(const QPoint& globalPosition);

 signals:
  // The calculation sheet's entries of the menu, which the window answers.
  void SaveSheetRequested();
  void PrintSheetRequested();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  QString ShownText() const;
  bool ShowsWhole() const;
  bool CanBeSelected() const;
  void BecomeSelectable();
  void FollowTextWithCursor();
  void CopyResult() const;
  void CopyExplanation() const;
  void ExplainInToolTip(const QString& before);
  QRect ShownTextRect() const;
  int SignReach() const;
  int FullSignRoom() const;
  void DrawStrike(QPainter& painter) const;
  void ChooseFontForScreen();
  void RepaintMarks(const QRect& signBefore);

  QString explanation_;
  int signReach_ = -1;
  bool hasNotes_ = false;
  bool outOfDate_ = false;
  bool cursorFollowsText_ = true;
};

}  // namespace velmora
