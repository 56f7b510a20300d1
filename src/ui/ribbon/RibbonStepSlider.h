// The ribbon's volume slider. A press on the track moves the position exactly one step toward the
// pointer; dragging the thumb follows the pointer. Every change made by the user is reported with
// PositionCommand(); positions set by the program are not. From the keyboard, the arrows step by
// one, PgUp/PgDn by a tenth of the range, Home/End go to the ends.
#pragma once

#include <QWidget>
#include <optional>

namespace v7 {

class RibbonStepSlider : public QWidget {
  Q_OBJECT

 public:
  RibbonStepSlider(int controlId, int width, int minimum, int maximum, QWidget* parent = nullptr);

  int ControlId() const;
  int Position() const { return position_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  // Moves the thumb without issuing the command; the value is clamped to the range.
  void SetPosition(int position);
  // Issues the command with the current position, as a wheel notch does after moving the thumb.
  void IssueCommand();

  QRect ThumbRect() const;
  QRect TrackRect() const;
  QSize sizeHint() const override;

 signals:
  void PositionCommand(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int PositionAt(int x) const;
  int XOf(int position) const;
  bool MoveTo(int position);
  // The position a key moves to; none for a key the slider does not use.
  std::optional<int> PositionForKey(int key) const;

  int minimum_;
  int maximum_;
  int position_ = 0;
  int width_;
  bool dragging_ = false;
};

}  // namespace v7
