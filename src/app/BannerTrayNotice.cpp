#include "app/BannerTrayNotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace v7 {

namespace {

constexpr int kMargin = 12;
constexpr int kIconPixels = 32;
constexpr int kWidth = 280;
constexpr int kTextSpacing = 4;

}  // namespace

BannerTrayNotice::BannerTrayNotice(QWidget* host) : QFrame(host) {
  setObjectName(QStringLiteral("trayBanner"));
  setStyleSheet(QStringLiteral(
      "#trayBanner { background: #fffff4; border: 1px solid #8aa6c8; border-radius: 6px; }"));
  setCursor(Qt::PointingHandCursor);

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kIconPixels));
  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  text_ = new QLabel(this);
  text_->setWordWrap(true);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(kTextSpacing);
  texts->addWidget(title_);
  texts->addWidget(text_);
  texts->addStretch();
  auto* row = new QHBoxLayout(this);
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addLayout(texts, 1);

  setFixedWidth(kWidth);
  hide();
  host->installEventFilter(this);
}

void BannerTrayNotice::Show(const QString& title, const QString& text, int /*milliseconds*/) {
  title_->setText(title);
  text_->setText(text);
  // The wrapped text decides the height for the fixed width.
  const QLayout* rows = layout();
  resize(kWidth, rows->hasHeightForWidth() ? rows->heightForWidth(kWidth) : sizeHint().height());
  PlaceInCorner();
  show();
  raise();
}

void BannerTrayNotice::PlaceInCorner() {
  const QWidget* host = parentWidget();
  move(host->width() - width() - kMargin, host->height() - height() - kMargin);
}

bool BannerTrayNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) PlaceInCorner();
  return QFrame::eventFilter(watched, event);
}

void BannerTrayNotice::mouseReleaseEvent(QMouseEvent* /*event*/) {
  NotifyClicked();
}

}  // namespace v7
