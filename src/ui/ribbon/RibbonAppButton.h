// The round application button at the top left of the ribbon; a click opens the application menu.
#pragma once

#include <QAbstractButton>

namespace v7 {

class RibbonAppButton : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kSize = 45;

  explicit RibbonAppButton(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace v7
