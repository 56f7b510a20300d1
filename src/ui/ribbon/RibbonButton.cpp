#include "ui/ribbon/RibbonButton.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonAccessibility.h"
#include "ui/ribbon/RibbonPalette.h"

namespace v7 {

namespace {

constexpr int kSmallHeight = 22;
constexpr int kLargeHeight = 66;
constexpr int kLargeMinWidth = 42;
constexpr int kLargeIcon = 32;
constexpr int kBoxSize = 13;
constexpr int kPadding = 4;
constexpr qreal kCornerRadius = 3.0;
constexpr int kDrawFlags = Qt::TextShowMnemonic | Qt::AlignVCenter | Qt::AlignLeft;

// The text as drawn with mnemonics: a single '&' marks the next character, "&&" shows one '&'.
QString VisibleText(const QString& text) {
  QString visible;
  for (qsizetype index = 0; index < text.size(); ++index) {
    if (text[index] == u'&' && index + 1 < text.size()) ++index;
    visible += text[index];
  }
  return visible;
}

}  // namespace

RibbonButton::RibbonButton(int controlId, Kind kind, const QString& text, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
  setProperty("controlId", controlId);
  RibbonAccessibility::Install();
  setText(text);
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  laidOutSize_ = NaturalSize();
}

RibbonButton::RibbonButton(int controlId, Kind kind, QAction* action, QWidget* parent)
    : RibbonButton(controlId, kind, action->text(), parent) {
  action_ = action;
  // Commands are reached with Tab; a click does not take the focus from the page.
  setFocusPolicy(Qt::TabFocus);
  ShowAction();
  laidOutSize_ = NaturalSize();
  connect(action, &QAction::changed, this, &RibbonButton::ShowAction);
  connect(this, &QAbstractButton::clicked, this, &RibbonButton::TriggerAction);
}

int RibbonButton::ControlId() const {
  return property("controlId").toInt();
}

QString RibbonButton::PlainText() const {
  return VisibleText(text()).trimmed();
}

// Text, tooltip, enabled state and tick as the action has them. The accessible name is the one
// the action names itself with, else the text without padding, else the tooltip for a
// picture-only button.
void RibbonButton::ShowAction() {
  if (action_ == nullptr) return;
  const QString before = text();
  SetElementText(action_->text());
  if (widthFollowsText_ && text() != before) Relayout();
  setToolTip(action_->toolTip());
  const QString ownName = action_->property(CommandActions::kAccessibleNameProperty).toString();
  const QString name = ownName.isEmpty() ? PlainText() : ownName;
  setAccessibleName(name.isEmpty() ? action_->toolTip() : name);
  setEnabled(action_->isEnabled());
  SetTicked(action_->isChecked());
}

void RibbonButton::TriggerAction() {
  if (action_ == nullptr) return;
  emit AboutToTrigger();
  action_->trigger();
}

void RibbonButton::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  Relayout();
}

void RibbonButton::SetTicked(bool ticked) {
  if (ticked_ == ticked) return;
  ticked_ = ticked;
  update();
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void RibbonButton::SetElementText(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  update();
}

void RibbonButton::Relayout() {
  laidOutSize_ = NaturalSize();
  updateGeometry();
}

int RibbonButton::TextWidth() const {
  return fontMetrics().horizontalAdvance(VisibleText(text()));
}

QSize RibbonButton::sizeHint() const {
  return laidOutSize_;
}

QSize RibbonButton::NaturalSize() const {
  switch (kind_) {
    case Kind::Large:
      return {std::max(kLargeMinWidth, TextWidth() + 2 * kPadding + 4), kLargeHeight};
    case Kind::Check:
      return {kPadding + kBoxSize + kPadding + TextWidth() + kPadding, kSmallHeight};
    case Kind::Label:
      return {2 * kPadding + TextWidth(), kSmallHeight};
    case Kind::Small:
      break;
  }
  const int iconPart = picture_.isNull() ? 0 : picture_.width() + kPadding;
  const int textPart = text().isEmpty() ? 0 : TextWidth() + kPadding;
  return {std::max(kSmallHeight, kPadding + iconPart + textPart + kPadding), kSmallHeight};
}

QSize RibbonButton::minimumSizeHint() const {
  return sizeHint();
}

QColor RibbonButton::TextColour() const {
  return isEnabled() ? RibbonPalette::kText : RibbonPalette::kDisabledText;
}

void RibbonButton::PaintFrame(QPainter& painter) const {
  if (!isEnabled()) return;
  const bool pressed = isDown();
  const bool hovered = underMouse();
  const bool lit = kind_ != Kind::Check && ticked_;
  if (!pressed && !hovered && !lit) return;
  QLinearGradient fill(0, 0, 0, height());
  QColor border;
  if (pressed) {
    fill.setColorAt(0, RibbonPalette::kPressedTop);
    fill.setColorAt(1, RibbonPalette::kPressedBottom);
    border = RibbonPalette::kPressedBorder;
  } else if (lit) {
    fill.setColorAt(0, RibbonPalette::kCheckedTop);
    fill.setColorAt(1, RibbonPalette::kCheckedBottom);
    border = RibbonPalette::kPressedBorder;
  } else {
    fill.setColorAt(0, RibbonPalette::kHoverTop);
    fill.setColorAt(0.45, RibbonPalette::kHoverTop.darker(104));
    fill.setColorAt(0.5, RibbonPalette::kHoverBottom.lighter(108));
    fill.setColorAt(1, RibbonPalette::kHoverBottom);
    border = RibbonPalette::kHoverBorder;
  }
  QPainterPath path;
  path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
  painter.fillPath(path, fill);
  painter.setPen(border);
  painter.drawPath(path);
}

void RibbonButton::PaintCheckBox(QPainter& painter, const QRect& box) const {
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0, RibbonPalette::kBoxFill.darker(108));
  fill.setColorAt(1, RibbonPalette::kBoxFill);
  painter.setPen(isEnabled() ? RibbonPalette::kBoxBorder : RibbonPalette::kDisabledText);
  painter.setBrush(fill);
  painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
  if (!ticked_) return;
  QPen tick(isEnabled() ? RibbonPalette::kTick : RibbonPalette::kDisabledText, 2.0);
  tick.setCapStyle(Qt::RoundCap);
  tick.setJoinStyle(Qt::RoundJoin);
  painter.setPen(tick);
  const QPointF origin = box.topLeft();
  const QPointF points[3] = {origin + QPointF(3, 6.5), origin + QPointF(5.5, 9.5),
                             origin + QPointF(10, 3.5)};
  painter.drawPolyline(points, 3);
}

void RibbonButton::PaintFocusMark(QPainter& painter) const {
  if (!hasFocus()) return;
  QPen pen(RibbonPalette::kText, 1.0, Qt::DotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

void RibbonButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFrame(painter);
  PaintFocusMark(painter);
  painter.setPen(TextColour());
  switch (kind_) {
    case Kind::Large: {
      const QRect iconRect((width() - kLargeIcon) / 2, 4, kLargeIcon, kLargeIcon);
      if (!picture_.isNull()) painter.drawPixmap(iconRect, picture_);
      const QRect textRect(0, iconRect.bottom() + 4, width(), height() - iconRect.bottom() - 6);
      painter.setPen(TextColour());
      painter.drawText(textRect, Qt::TextShowMnemonic | Qt::AlignHCenter | Qt::AlignTop, text());
      return;
    }
    case Kind::Check: {
      const QRect box(kPadding, (height() - kBoxSize) / 2, kBoxSize, kBoxSize);
      PaintCheckBox(painter, box);
      painter.setPen(TextColour());
      painter.drawText(rect().adjusted(box.right() + 1 + kPadding, 0, 0, 0), kDrawFlags, text());
      return;
    }
    case Kind::Label:
      painter.drawText(rect().adjusted(kPadding, 0, 0, 0), kDrawFlags, text());
      return;
    case Kind::Small:
      break;
  }
  int x = kPadding;
  if (!picture_.isNull()) {
    // Small buttons show their picture at its own size (16 in the ribbon, 32 in the menu).
    const QRect iconRect(QPoint(x, (height() - picture_.height()) / 2), picture_.size());
    painter.drawPixmap(iconRect, picture_);
    x = iconRect.right() + 1 + kPadding;
  }
  if (text().isEmpty()) return;
  painter.setPen(TextColour());
  painter.drawText(rect().adjusted(x, 0, 0, 0), kDrawFlags, text());
}

// Space presses as in any button; Enter and Return press too, as on a ribbon. The arrows belong
// to the container (the application menu moves among its entries with them).
void RibbonButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() & ~Qt::KeypadModifier) break;
      click();
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      event->ignore();
      return;
    default:
      break;
  }
  QAbstractButton::keyPressEvent(event);
}

// The wheel belongs to the view's volume handling; let it travel up to the ribbon.
void RibbonButton::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

void RibbonButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) Relayout();
  QAbstractButton::changeEvent(event);
}

}  // namespace v7
