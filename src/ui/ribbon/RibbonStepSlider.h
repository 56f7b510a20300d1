// The ribbon's volume slider. A press on the track moves the position exactly one step toward the
// pointer; dragging the thumb follows the pointer. Every change made by the user is reported with
// positionCommand(); positions set by the program are not.
#pragma once

#include <QWidget>

namespace v7 {

class RibbonStepSlider : public QWidget {
  Q_OBJECT

 public:
  RibbonStepSlider(int controlId, int width, int minimum, int maximum, QWidget* parent = nullptr);

  int controlId() const;
  int position() const { return position_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // Moves the thumb without issuing the command; the value is clamped to the range.
  void setPosition(int position);
  // Issues the command with the current position, as a wheel notch does after moving the thumb.
  void issueCommand();

  QRect thumbRect() const;
  QRect trackRect() const;
  QSize sizeHint() const override;

 signals:
  void positionCommand(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int positionAt(int x) const;
  int xOf(int position) const;
  bool moveTo(int position);

  int minimum_;
  int maximum_;
  int position_ = 0;
  int width_;
  bool dragging_ = false;
};

}  // namespace v7
