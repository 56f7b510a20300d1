// One element of the ribbon or the status bar: a small button, a large button, a check box or a
// read-out label. It draws itself in the ribbon's look and reports clicks; it holds no state of
// its own except the tick, which its owner sets from the parameter image.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace v7 {

class RibbonButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Kind { Small, Large, Check, Label };

  RibbonButton(int controlId, Kind kind, const QString& text, QWidget* parent = nullptr);

  int controlId() const;
  Kind kind() const { return kind_; }

  void setPicture(const QPixmap& picture);
  void setTicked(bool ticked);
  bool isTicked() const { return ticked_; }
  // Text changes keep the reserved width until the owner asks for a new layout.
  void setElementText(const QString& text);
  void relayout();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void paintFrame(QPainter& painter) const;
  void paintCheckBox(QPainter& painter, const QRect& box) const;
  int textWidth() const;
  QSize naturalSize() const;
  QColor textColour() const;

  Kind kind_;
  bool ticked_ = false;
  QPixmap picture_;
  QSize laidOutSize_;
};

}  // namespace v7
