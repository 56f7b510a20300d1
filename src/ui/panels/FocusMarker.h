// A dotted frame drawn over the panel's picture buttons and the echo preview while one of
// them has the keyboard focus: their pictures show no focus of their own.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace v7 {

class FocusMarker : public QWidget {
  Q_OBJECT

 public:
  // Marks whichever of `panel`'s descendants `marks` accepts when it takes the focus.
  FocusMarker(QWidget* panel, std::function<bool(const QWidget*)> marks);

  const QWidget* Target() const { return target_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow(QWidget* focused);
  void Place();

  std::function<bool(const QWidget*)> marks_;
  QPointer<QWidget> target_;
};

}  // namespace v7
