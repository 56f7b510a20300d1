#include "ui/ribbon/StatusBarPane.h"

#include <QEvent>
#include <QPainter>

namespace v7 {

namespace {
constexpr int kHeight = 20;
constexpr int kPadding = 4;
}  // namespace

StatusBarPane::StatusBarPane(int controlId, int widthInSpaces, Qt::Alignment alignment,
                             QWidget* parent)
    : QWidget(parent), widthInSpaces_(widthInSpaces), alignment_(alignment) {
  setProperty("controlId", controlId);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StatusBarPane::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void StatusBarPane::SetTextColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

QSize StatusBarPane::sizeHint() const {
  return {fontMetrics().horizontalAdvance(QString(widthInSpaces_, u' ')) + 2 * kPadding, kHeight};
}

void StatusBarPane::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

void StatusBarPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(colour_);
  painter.setClipRect(rect());
  painter.drawText(rect().adjusted(kPadding, 0, -kPadding, 0), alignment_ | Qt::AlignVCenter,
                   text_);
}

}  // namespace v7
