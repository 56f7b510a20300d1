#include "ui/panels/FocusMarker.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace v7 {

namespace {

constexpr int kInset = 2;

}  // namespace

FocusMarker::FocusMarker(QWidget* panel, std::function<bool(const QWidget*)> marks)
    : QWidget(panel), marks_(std::move(marks)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusMarker::Follow(QWidget* focused) {
  if (target_) target_->removeEventFilter(this);
  const bool marked = focused != nullptr && focused != this &&
                      parentWidget()->isAncestorOf(focused) && marks_(focused);
  target_ = marked ? focused : nullptr;
  if (!target_) {
    hide();
    return;
  }
  target_->installEventFilter(this);
  Place();
}

// Follows the target when it moves, is resized or hidden.
bool FocusMarker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        Place();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FocusMarker::Place() {
  if (!target_ || !target_->isVisible()) {
    hide();
    return;
  }
  setGeometry(QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size()));
  raise();
  show();
  update();
}

void FocusMarker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPen pen(Qt::black, 1, Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
}

}  // namespace v7
