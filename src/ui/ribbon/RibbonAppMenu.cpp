#include "ui/ribbon/RibbonAppMenu.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonPalette.h"

namespace v7 {

namespace {

constexpr int kRecentWidth = 300;
constexpr int kCommandWidth = 150;
constexpr int kEntryHeight = 42;
constexpr int kBandHeight = 8;
constexpr int kRecentHeight = 22;
constexpr int kMargin = 6;
// Recent entries are not commands of their own; they carry no identifier.
constexpr int kNoId = 0;

}  // namespace

RibbonAppMenu::RibbonAppMenu(QWidget* parent)
    : QFrame(parent, Qt::Popup),
      commands_(new QVBoxLayout),
      recent_(new QVBoxLayout),
      bottom_(new QVBoxLayout),
      recentTitle_(new QLabel(this)) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kMargin, kBandHeight + kMargin, kMargin, kMargin);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(kMargin);
  commands_->setSpacing(2);
  commands_->addStretch();
  auto* recentPane = new QWidget(this);
  recentPane->setFixedWidth(kRecentWidth);
  recentPane->setLayout(recent_);
  recent_->setContentsMargins(kMargin, 2, 0, 0);
  recent_->setSpacing(0);
  QFont titleFont = recentTitle_->font();
  titleFont.setBold(true);
  recentTitle_->setFont(titleFont);
  recentTitle_->setStyleSheet(
      QStringLiteral("color: %1; padding: 2px 0 4px 2px;").arg(RibbonPalette::kMenuTitle.name()));
  recent_->addWidget(recentTitle_);
  recent_->addStretch();
  columns->addLayout(commands_);
  columns->addWidget(recentPane);
  outer->addLayout(columns, 1);
  outer->addLayout(bottom_);
}

// The menu closes before the command runs, so a dialog the command opens is not behind it.
RibbonButton* RibbonAppMenu::MakeEntry(int controlId, QAction* action, const QPixmap& picture) {
  auto* entry = new RibbonButton(controlId, RibbonButton::Kind::Small, action, this);
  entry->SetPicture(picture);
  entry->setFixedHeight(kEntryHeight);
  connect(entry, &RibbonButton::AboutToTrigger, this, &QWidget::hide);
  return entry;
}

void RibbonAppMenu::AddCommand(int controlId, QAction* action, const QPixmap& picture) {
  auto* entry = MakeEntry(controlId, action, picture);
  entry->setMinimumWidth(kCommandWidth);
  commands_->insertWidget(commands_->count() - 1, entry);
  commandButtons_.append(entry);
}

void RibbonAppMenu::SetExitCommand(int controlId, QAction* action, const QPixmap& picture) {
  auto* entry = MakeEntry(controlId, action, picture);
  entry->setFixedHeight(entry->sizeHint().height());
  bottom_->addWidget(entry, 0, Qt::AlignRight);
  exitButton_ = entry;
}

void RibbonAppMenu::SetRecentTitle(const QString& title) {
  recentTitle_->setText(title);
}

QString RibbonAppMenu::RecentTitle() const {
  return recentTitle_->text();
}

QList<RibbonButton*> RibbonAppMenu::RecentButtons() const {
  return recentButtons_;
}

void RibbonAppMenu::SetRecentFiles(const QStringList& paths) {
  qDeleteAll(recentButtons_);
  recentButtons_.clear();
  recentFiles_ = paths;
  for (int index = 0; index < paths.size(); ++index) {
    const QString path = paths[index];
    // The number is the entry's mnemonic; an '&' in the file name is shown as it is.
    const QString name = QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&"));
    const QString label = QStringLiteral("&%1 %2").arg(index + 1).arg(name);
    auto* entry = new RibbonButton(kNoId, RibbonButton::Kind::Label, label, this);
    entry->setToolTip(path);
    entry->setAccessibleName(
        QStringLiteral("%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()));
    entry->setFocusPolicy(Qt::TabFocus);
    entry->setFixedSize(kRecentWidth - kMargin, kRecentHeight);
    connect(entry, &RibbonButton::clicked, this, [this, path] {
      hide();
      emit RecentFileChosen(path);
    });
    recent_->insertWidget(recent_->count() - 1, entry);
    recentButtons_.append(entry);
  }
}

QList<RibbonButton*> RibbonAppMenu::Entries() const {
  QList<RibbonButton*> entries = commandButtons_ + recentButtons_;
  if (exitButton_ != nullptr) entries.append(exitButton_);
  return entries;
}

void RibbonAppMenu::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  for (RibbonButton* entry : Entries()) {
    if (entry->isEnabled()) {
      entry->setFocus(Qt::PopupFocusReason);
      return;
    }
  }
}

void RibbonAppMenu::MoveFocus(int step) {
  QList<RibbonButton*> entries = Entries();
  entries.removeIf([](const RibbonButton* entry) { return !entry->isEnabled(); });
  if (entries.isEmpty()) return;
  const int current = entries.indexOf(focusWidget());
  const int count = entries.size();
  const int next =
      current < 0 ? (step > 0 ? 0 : count - 1) : ((current + step) % count + count) % count;
  entries[next]->setFocus(Qt::TabFocusReason);
}

// The entry whose text marks `key` with '&' ("&O", "E&x", "&3 name").
RibbonButton* RibbonAppMenu::EntryWithMnemonic(const QString& key) const {
  if (key.isEmpty()) return nullptr;
  const QString marked = u'&' + key;
  for (RibbonButton* entry : Entries()) {
    if (entry->isEnabled() && entry->text().contains(marked, Qt::CaseInsensitive)) return entry;
  }
  return nullptr;
}

void RibbonAppMenu::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      MoveFocus(-1);
      return;
    case Qt::Key_Down:
    case Qt::Key_Right:
      MoveFocus(1);
      return;
    default:
      break;
  }
  if (RibbonButton* entry = EntryWithMnemonic(event->text())) {
    entry->click();
    return;
  }
  QFrame::keyPressEvent(event);
}

void RibbonAppMenu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient frame(0, 0, 0, height());
  frame.setColorAt(0, RibbonPalette::kTabRowTop);
  frame.setColorAt(1, RibbonPalette::kBodyBottom);
  painter.fillRect(rect(), frame);
  const int bottomBand = bottom_->geometry().top() - kMargin / 2;
  const QRect content(kMargin / 2, kBandHeight, width() - kMargin, bottomBand - kBandHeight);
  painter.fillRect(content, RibbonPalette::kMenuBack);
  const QRect side(content.left(), content.top(), kCommandWidth + kMargin / 2, content.height());
  painter.fillRect(side, RibbonPalette::kMenuSide);
  painter.setPen(RibbonPalette::kMenuBorder);
  painter.drawRect(content.adjusted(0, 0, -1, -1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const int titleLine = recentTitle_->mapTo(this, recentTitle_->rect().bottomLeft()).y();
  painter.drawLine(side.right() + kMargin + 2, titleLine, width() - kMargin, titleLine);
}

}  // namespace v7
