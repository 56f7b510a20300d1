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
  connect(appButton_, &RibbonAppButton::clicked, this, &RibbonBar::openAppMenu);
  connect(appMenu_, &RibbonAppMenu::command, this, [this](int id) { emit command(id, 0); });
  connect(appMenu_, &RibbonAppMenu::recentFileChosen, this, &RibbonBar::recentFileChosen);
  auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
  menuKey->setContext(Qt::WindowShortcut);
  connect(menuKey, &QShortcut::activated, this, &RibbonBar::openAppMenu);
}

QSize RibbonBar::sizeHint() const {
  return {minimumSizeHint().width(), kTabRowHeight + kBodyHeight};
}

QSize RibbonBar::minimumSizeHint() const {
  return {kContentLeft, kTabRowHeight + kBodyHeight};
}

int RibbonBar::addTab(const QString& title) {
  auto* page = new QWidget(pages_);
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kGroupGap);
  row->addStretch();
  pages_->addWidget(page);
  tabTitles_.append(title);
  groups_.append(QList<RibbonGroup*>());
  if (activeTab_ < 0) setActiveTab(0);
  update();
  return tabTitles_.size() - 1;
}

RibbonGroup* RibbonBar::addGroup(int tab, const QString& title) {
  QWidget* page = pages_->widget(tab);
  auto* row = static_cast<QHBoxLayout*>(page->layout());
  auto* created = new RibbonGroup(title, page);
  row->insertWidget(row->count() - 1, created);
  groups_[tab].append(created);
  return created;
}

RibbonButton* RibbonBar::addButton(RibbonGroup* group, RibbonButton* button) {
  if (button->kind() == RibbonButton::Kind::Large) {
    group->addLarge(button);
  } else {
    group->addSmall(button);
  }
  const int id = button->controlId();
  buttons_.insert(id, button);
  connect(button, &RibbonButton::clicked, this, [this, id] { emit command(id, 0); });
  return button;
}

RibbonStepSlider* RibbonBar::addSlider(RibbonGroup* group, RibbonStepSlider* slider) {
  group->addSmall(slider);
  const int id = slider->controlId();
  sliders_.insert(id, slider);
  connect(slider, &RibbonStepSlider::positionCommand, this,
          [this, id](int position) { emit command(id, position); });
  return slider;
}

RibbonButton* RibbonBar::addTabRowButton(RibbonButton* button) {
  button->setParent(this);
  button->show();
  tabRowButtons_.append(button);
  const int id = button->controlId();
  buttons_.insert(id, button);
  connect(button, &RibbonButton::clicked, this, [this, id] { emit command(id, 0); });
  placeTabRowButtons();
  return button;
}

void RibbonBar::addShortcut(const QKeySequence& keys, int id) {
  auto* shortcut = new QShortcut(keys, this);
  shortcut->setContext(Qt::WindowShortcut);
  connect(shortcut, &QShortcut::activated, this, [this, id] { emit command(id, 0); });
}

QString RibbonBar::tabTitle(int tab) const {
  return tabTitles_.value(tab);
}

QString RibbonBar::activeTabTitle() const {
  return tabTitle(activeTab_);
}

void RibbonBar::setActiveTab(int tab) {
  if (tab < 0 || tab >= tabTitles_.size() || tab == activeTab_) return;
  activeTab_ = tab;
  pages_->setCurrentIndex(tab);
  update();
  emit activeTabChanged(tab);
}

void RibbonBar::setTabTitle(int tab, const QString& title) {
  if (tab < 0 || tab >= tabTitles_.size()) return;
  tabTitles_[tab] = title;
  update();
}

RibbonGroup* RibbonBar::group(int tab, int index) const {
  if (tab < 0 || tab >= groups_.size() || index < 0 || index >= groups_[tab].size()) return nullptr;
  return groups_[tab][index];
}

QRect RibbonBar::groupScreenRect(int tab, int index) const {
  const RibbonGroup* found = group(tab, index);
  if (found == nullptr || !found->isVisible()) return {};
  return QRect(found->mapToGlobal(QPoint(0, 0)), found->size());
}

QList<RibbonButton*> RibbonBar::buttons(int id) const {
  return buttons_.values(id);
}

RibbonButton* RibbonBar::button(int id) const {
  return buttons_.value(id, nullptr);
}

RibbonStepSlider* RibbonBar::slider(int id) const {
  return sliders_.value(id, nullptr);
}

QString RibbonBar::elementText(int id) const {
  const RibbonButton* found = button(id);
  return found != nullptr ? found->text() : QString();
}

void RibbonBar::setElementText(int id, const QString& text) {
  for (RibbonButton* found : buttons(id)) found->setElementText(text);
}

bool RibbonBar::isChecked(int id) const {
  const RibbonButton* found = button(id);
  return found != nullptr && found->isTicked();
}

void RibbonBar::setChecked(int id, bool checked) {
  for (RibbonButton* found : buttons(id)) found->setTicked(checked);
}

void RibbonBar::setElementEnabled(int id, bool enabled) {
  for (RibbonButton* found : buttons(id)) found->setEnabled(enabled);
  if (RibbonStepSlider* found = slider(id)) found->setEnabled(enabled);
}

int RibbonBar::sliderPosition(int id) const {
  const RibbonStepSlider* found = slider(id);
  return found != nullptr ? found->position() : 0;
}

void RibbonBar::setSliderPosition(int id, int position) {
  if (RibbonStepSlider* found = slider(id)) found->setPosition(position);
}

void RibbonBar::recalcLayout() {
  for (RibbonButton* element : std::as_const(buttons_)) element->relayout();
  for (const QList<RibbonGroup*>& tabGroups : std::as_const(groups_)) {
    for (RibbonGroup* each : tabGroups) each->updateGeometry();
  }
  placeTabRowButtons();
  update();
}

void RibbonBar::openAppMenu() {
  emit appMenuAboutToShow();
  appMenu_->adjustSize();
  appMenu_->move(appButton_->mapToGlobal(QPoint(0, appButton_->height())));
  appMenu_->show();
}

QRect RibbonBar::bodyRect() const {
  return {0, kTabRowHeight, width(), height() - kTabRowHeight};
}

QRect RibbonBar::tabRect(int tab) const {
  int x = kContentLeft;
  for (int index = 0; index < tabTitles_.size(); ++index) {
    const int width = fontMetrics().horizontalAdvance(tabTitles_[index]) + 2 * kTabPadding;
    if (index == tab) return {x, kTabRowHeight - kTabHeight, width, kTabHeight};
    x += width + kTabGap;
  }
  return {};
}

int RibbonBar::tabAt(const QPoint& point) const {
  for (int tab = 0; tab < tabTitles_.size(); ++tab) {
    if (tabRect(tab).contains(point)) return tab;
  }
  return -1;
}

void RibbonBar::placeTabRowButtons() {
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
  const QRect body = bodyRect();
  pages_->setGeometry(kContentLeft, body.top() + kBodyMargin, width() - kContentLeft - kBodyMargin,
                      body.height() - 2 * kBodyMargin);
  placeTabRowButtons();
}

void RibbonBar::paintTab(QPainter& painter, int tab) const {
  const QRectF box = QRectF(tabRect(tab)).adjusted(0.5, 0.5, -0.5, 0.5);
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
  painter.drawText(tabRect(tab), Qt::AlignCenter, tabTitles_[tab]);
  painter.setFont(font());
}

void RibbonBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient row(0, 0, 0, kTabRowHeight);
  row.setColorAt(0, RibbonPalette::kTabRowTop);
  row.setColorAt(1, RibbonPalette::kTabRowBottom);
  painter.fillRect(QRect(0, 0, width(), kTabRowHeight), row);

  const QRect body = bodyRect();
  QLinearGradient bodyFill(0, body.top(), 0, body.bottom());
  bodyFill.setColorAt(0, RibbonPalette::kBodyTop);
  bodyFill.setColorAt(1, RibbonPalette::kBodyBottom);
  painter.fillRect(body, bodyFill);
  painter.setPen(RibbonPalette::kBodyBorder);
  painter.drawLine(QPointF(0, body.top() + 0.5), QPointF(width(), body.top() + 0.5));
  painter.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));

  for (int tab = 0; tab < tabTitles_.size(); ++tab) paintTab(painter, tab);
  // The active tab opens into the body below it.
  const QRect active = tabRect(activeTab_);
  if (!active.isNull()) {
    painter.setPen(RibbonPalette::kBodyTop);
    painter.drawLine(QPointF(active.left() + 1, body.top() + 0.5),
                     QPointF(active.right(), body.top() + 0.5));
  }
}

void RibbonBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int tab = tabAt(event->position().toPoint());
  if (tab >= 0) setActiveTab(tab);
}

// A double click on a tab would minimise a stock ribbon; this one stays open.
void RibbonBar::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}

void RibbonBar::mouseMoveEvent(QMouseEvent* event) {
  const int tab = tabAt(event->position().toPoint());
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

// The wheel never switches tabs; the volume groups react to it through wheelTurned().
void RibbonBar::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int delta = event->angleDelta().y();
  if (delta != 0) emit wheelTurned(event->globalPosition().toPoint(), delta);
}

}  // namespace v7
