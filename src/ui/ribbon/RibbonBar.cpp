#include "ui/ribbon/RibbonBar.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QStackedWidget>
#include <QWheelEvent>

#include "ui/ribbon/RibbonAppButton.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonPalette.h"
#include "ui/ribbon/RibbonStepSlider.h"

namespace v7 {

namespace {

constexpr int kTabRowHeight = 26;
constexpr int kTabHeight = 22;
constexpr int kTabPadding = 14;
constexpr int kTabGap = 2;
constexpr int kBodyHeight = 96;
constexpr int kBodyMargin = 3;
constexpr int kGroupGap = 3;
constexpr int kAppButtonLeft = 6;
constexpr int kAppButtonTop = 2;
// The groups start to the right of the application button, which reaches into the body.
constexpr int kContentLeft = kAppButtonLeft + 45 + 8;
constexpr int kRightMargin = 6;
constexpr int kFontPixels = 12;
constexpr qreal kTabRadius = 3.0;

}  // namespace

RibbonBar::RibbonBar(QWidget* parent)
    : QWidget(parent),
      appButton_(new RibbonAppButton(this)),
      appMenu_(new RibbonAppMenu(this)),
      pages_(new QStackedWidget(this)) {
  QFont ribbonFont = font();
  ribbonFont.setPixelSize(kFontPixels);
  setFont(ribbonFont);
  appMenu_->setFont(ribbonFont);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  appButton_->move(kAppButtonLeft, kAppButtonTop);
  appButton_->raise();
  connect(appButton_, &RibbonAppButton::clicked, this, &RibbonBar::OpenAppMenu);
  connect(appMenu_, &RibbonAppMenu::RecentFileChosen, this, &RibbonBar::RecentFileChosen);
  auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
  menuKey->setContext(Qt::WindowShortcut);
  connect(menuKey, &QShortcut::activated, this, &RibbonBar::OpenAppMenu);
  AddTabKeys();
}

// Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one,
// wrapping round at the ends.
void RibbonBar::AddTabKeys() {
  const struct {
    QKeyCombination key;
    int step;
  } keys[] = {{Qt::CTRL | Qt::Key_Tab, 1},
              {Qt::CTRL | Qt::Key_PageDown, 1},
              {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
              {Qt::CTRL | Qt::Key_PageUp, -1}};
  for (const auto& entry : keys) {
    auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
    shortcut->setContext(Qt::WindowShortcut);
    const int step = entry.step;
    connect(shortcut, &QShortcut::activated, this, [this, step] { StepTab(step); });
  }
}

void RibbonBar::StepTab(int step) {
  const int count = tabTitles_.size();
  if (count == 0) return;
  SetActiveTab(((activeTab_ + step) % count + count) % count);
}

QSize RibbonBar::sizeHint() const {
  return {minimumSizeHint().width(), kTabRowHeight + kBodyHeight};
}

QSize RibbonBar::minimumSizeHint() const {
  return {kContentLeft, kTabRowHeight + kBodyHeight};
}

int RibbonBar::AddTab(const QString& title) {
  auto* page = new QWidget(pages_);
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kGroupGap);
  row->addStretch();
  pages_->addWidget(page);
  tabTitles_.append(title);
  groups_.append(QList<RibbonGroup*>());
  if (activeTab_ < 0) SetActiveTab(0);
  update();
  return tabTitles_.size() - 1;
}

RibbonGroup* RibbonBar::AddGroup(int tab, const QString& title) {
  QWidget* page = pages_->widget(tab);
  auto* row = static_cast<QHBoxLayout*>(page->layout());
  auto* created = new RibbonGroup(title, page);
  row->insertWidget(row->count() - 1, created);
  groups_[tab].append(created);
  return created;
}

RibbonButton* RibbonBar::AddButton(RibbonGroup* group, RibbonButton* button) {
  if (button->ElementKind() == RibbonButton::Kind::Large) {
    group->AddLarge(button);
  } else {
    group->AddSmall(button);
  }
  buttons_.insert(button->ControlId(), button);
  return button;
}

RibbonStepSlider* RibbonBar::AddSlider(RibbonGroup* group, RibbonStepSlider* slider) {
  group->AddSmall(slider);
  sliders_.insert(slider->ControlId(), slider);
  return slider;
}

RibbonButton* RibbonBar::AddTabRowButton(RibbonButton* button) {
  button->setParent(this);
  button->show();
  tabRowButtons_.append(button);
  buttons_.insert(button->ControlId(), button);
  PlaceTabRowButtons();
  return button;
}

QString RibbonBar::TabTitle(int tab) const {
  return tabTitles_.value(tab);
}

void RibbonBar::SetActiveTab(int tab) {
  if (tab < 0 || tab >= tabTitles_.size() || tab == activeTab_) return;
  activeTab_ = tab;
  pages_->setCurrentIndex(tab);
  update();
  emit ActiveTabChanged(tab);
}

void RibbonBar::SetTabTitle(int tab, const QString& title) {
  if (tab < 0 || tab >= tabTitles_.size()) return;
  tabTitles_[tab] = title;
  update();
}

RibbonGroup* RibbonBar::Group(int tab, int index) const {
  if (tab < 0 || tab >= groups_.size() || index < 0 || index >= groups_[tab].size()) return nullptr;
  return groups_[tab][index];
}

QRect RibbonBar::GroupScreenRect(int tab, int index) const {
  const RibbonGroup* found = Group(tab, index);
  if (found == nullptr || !found->isVisible()) return {};
  return QRect(found->mapToGlobal(QPoint(0, 0)), found->size());
}

QList<RibbonButton*> RibbonBar::Buttons(int id) const {
  return buttons_.values(id);
}

RibbonButton* RibbonBar::Button(int id) const {
  return buttons_.value(id, nullptr);
}

RibbonStepSlider* RibbonBar::Slider(int id) const {
  return sliders_.value(id, nullptr);
}

QString RibbonBar::ElementText(int id) const {
  const RibbonButton* found = Button(id);
  return found != nullptr ? found->text() : QString();
}

void RibbonBar::SetElementText(int id, const QString& text) {
  for (RibbonButton* found : Buttons(id)) found->SetElementText(text);
}

bool RibbonBar::IsChecked(int id) const {
  const RibbonButton* found = Button(id);
  return found != nullptr && found->IsTicked();
}

int RibbonBar::SliderPosition(int id) const {
  const RibbonStepSlider* found = Slider(id);
  return found != nullptr ? found->Position() : 0;
}

void RibbonBar::SetSliderPosition(int id, int position) {
  if (RibbonStepSlider* found = Slider(id)) found->SetPosition(position);
}

void RibbonBar::RecalcLayout() {
  for (RibbonButton* element : std::as_const(buttons_)) element->Relayout();
  for (const QList<RibbonGroup*>& tabGroups : std::as_const(groups_)) {
    for (RibbonGroup* each : tabGroups) each->updateGeometry();
  }
  PlaceTabRowButtons();
  update();
}

void RibbonBar::OpenAppMenu() {
  emit AppMenuAboutToShow();
  appMenu_->adjustSize();
  appMenu_->move(appButton_->mapToGlobal(QPoint(0, appButton_->height())));
  appMenu_->show();
}

QRect RibbonBar::BodyRect() const {
  return {0, kTabRowHeight, width(), height() - kTabRowHeight};
}

QRect RibbonBar::TabRect(int tab) const {
  int x = kContentLeft;
  for (int index = 0; index < tabTitles_.size(); ++index) {
    const int width = fontMetrics().horizontalAdvance(tabTitles_[index]) + 2 * kTabPadding;
    if (index == tab) return {x, kTabRowHeight - kTabHeight, width, kTabHeight};
    x += width + kTabGap;
  }
  return {};
}

int RibbonBar::TabAt(const QPoint& point) const {
  for (int tab = 0; tab < tabTitles_.size(); ++tab) {
    if (TabRect(tab).contains(point)) return tab;
  }
  return -1;
}

void RibbonBar::PlaceTabRowButtons() {
  int right = width() - kRightMargin;
  for (auto it = tabRowButtons_.rbegin(); it != tabRowButtons_.rend(); ++it) {
    RibbonButton* element = *it;
    const QSize size = element->sizeHint();
    right -= size.width();
    element->setGeometry(right, (kTabRowHeight - size.height()) / 2 + 1, size.width(),
                         size.height());
    right -= kTabGap;
  }
}

void RibbonBar::resizeEvent(QResizeEvent*) {
  const QRect body = BodyRect();
  pages_->setGeometry(kContentLeft, body.top() + kBodyMargin, width() - kContentLeft - kBodyMargin,
                      body.height() - 2 * kBodyMargin);
  PlaceTabRowButtons();
}

void RibbonBar::PaintTab(QPainter& painter, int tab) const {
  const QRectF box = QRectF(TabRect(tab)).adjusted(0.5, 0.5, -0.5, 0.5);
  const bool active = tab == activeTab_;
  const bool hovered = tab == hoveredTab_;
  if (active || hovered) {
    QPainterPath shape;
    shape.moveTo(box.bottomLeft());
    shape.lineTo(box.left(), box.top() + kTabRadius);
    shape.quadTo(box.topLeft(), QPointF(box.left() + kTabRadius, box.top()));
    shape.lineTo(box.right() - kTabRadius, box.top());
    shape.quadTo(box.topRight(), QPointF(box.right(), box.top() + kTabRadius));
    shape.lineTo(box.bottomRight());
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, active ? RibbonPalette::kActiveTabTop : RibbonPalette::kHoverTabTop);
    fill.setColorAt(1, active ? RibbonPalette::kBodyTop : RibbonPalette::kHoverTabBottom);
    painter.fillPath(shape, fill);
    painter.setPen(active ? RibbonPalette::kBodyBorder : RibbonPalette::kGroupBorder);
    painter.drawPath(shape);
  }
  QFont tabFont = font();
  tabFont.setBold(active);
  painter.setFont(tabFont);
  painter.setPen(RibbonPalette::kTabText);
  painter.drawText(TabRect(tab), Qt::AlignCenter, tabTitles_[tab]);
  painter.setFont(font());
}

void RibbonBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient row(0, 0, 0, kTabRowHeight);
  row.setColorAt(0, RibbonPalette::kTabRowTop);
  row.setColorAt(1, RibbonPalette::kTabRowBottom);
  painter.fillRect(QRect(0, 0, width(), kTabRowHeight), row);

  const QRect body = BodyRect();
  QLinearGradient bodyFill(0, body.top(), 0, body.bottom());
  bodyFill.setColorAt(0, RibbonPalette::kBodyTop);
  bodyFill.setColorAt(1, RibbonPalette::kBodyBottom);
  painter.fillRect(body, bodyFill);
  painter.setPen(RibbonPalette::kBodyBorder);
  painter.drawLine(QPointF(0, body.top() + 0.5), QPointF(width(), body.top() + 0.5));
  painter.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));

  for (int tab = 0; tab < tabTitles_.size(); ++tab) PaintTab(painter, tab);
  // The active tab opens into the body below it.
  const QRect active = TabRect(activeTab_);
  if (!active.isNull()) {
    painter.setPen(RibbonPalette::kBodyTop);
    painter.drawLine(QPointF(active.left() + 1, body.top() + 0.5),
                     QPointF(active.right(), body.top() + 0.5));
  }
}

void RibbonBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int tab = TabAt(event->position().toPoint());
  if (tab >= 0) SetActiveTab(tab);
}

// A double click on a tab would minimise a stock ribbon; this one stays open.
void RibbonBar::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}

void RibbonBar::mouseMoveEvent(QMouseEvent* event) {
  const int tab = TabAt(event->position().toPoint());
  if (tab == hoveredTab_) return;
  hoveredTab_ = tab;
  update(QRect(0, 0, width(), kTabRowHeight + 1));
}

void RibbonBar::leaveEvent(QEvent*) {
  if (hoveredTab_ < 0) return;
  hoveredTab_ = -1;
  update(QRect(0, 0, width(), kTabRowHeight + 1));
}

// No customisation menu on the ribbon.
void RibbonBar::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

// The wheel never switches tabs; the volume groups react to it through WheelTurned().
void RibbonBar::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int delta = event->angleDelta().y();
  if (delta != 0) emit WheelTurned(event->globalPosition().toPoint(), delta);
}

}  // namespace v7
