// One element of the ribbon or the status bar: a small button, a large button, a check box or a
// read-out label. It draws itself in the ribbon's look. An element that shows a command displays
// its action (text, tooltip, enabled state, tick) and triggers it when clicked; a read-out or
// caption holds only its text.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

class QAction;

namespace v7 {

class RibbonButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Kind { Small, Large, Check, Label };

  RibbonButton(int controlId, Kind kind, QAction* action, QWidget* parent = nullptr);
  RibbonButton(int controlId, Kind kind, const QString& text, QWidget* parent = nullptr);

  int ControlId() const;
  Kind ElementKind() const { return kind_; }
  QAction* Action() const { return action_; }
  // The visible text without mnemonic marks and padding.
  QString PlainText() const;

  void SetPicture(const QPixmap& picture);
  bool IsTicked() const { return ticked_; }
  // Text changes keep the reserved width until the owner asks for a new layout, unless the
  // width follows the text.
  void SetElementText(const QString& text);
  void SetWidthFollowsText(bool follows) { widthFollowsText_ = follows; }
  void Relayout();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // Clicked, just before the action runs.
  void AboutToTrigger();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowAction();
  void TriggerAction();
  void SetTicked(bool ticked);
  void PaintFrame(QPainter& painter) const;
  void PaintCheckBox(QPainter& painter, const QRect& box) const;
  void PaintFocusMark(QPainter& painter) const;
  int TextWidth() const;
  QSize NaturalSize() const;
  QColor TextColour() const;

  Kind kind_;
  QPointer<QAction> action_;
  bool ticked_ = false;
  bool widthFollowsText_ = false;
  QPixmap picture_;
  QSize laidOutSize_;
};

}  // namespace v7
