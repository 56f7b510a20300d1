#include "ui/dialogs/InfoBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "i18n/TextPair.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"

namespace v7 {

namespace {

constexpr TextPair kTitle{"信息", "Information"};
constexpr char kCloseText[] = "关闭";  // the same in both languages
constexpr int kFontPixels = 18;
constexpr int kFontWeight = 500;
constexpr int kIconPixels = 32;

}  // namespace

InfoBox::InfoBox(Language language, QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kTitle.In(language));
  setFixedSize(DluToPixelsX(316), DluToPixelsY(67));
  ApplyDialogBackground(this);
  BuildControls();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &QDialog::close);
  CentreOnParent();
}

void InfoBox::BuildControls() {
  auto* picture = new QLabel(this);
  picture->setGeometry(DluRect(3, 12, 43, 39));
  picture->setAlignment(Qt::AlignCenter);
  picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kIconPixels));

  text_ = new QLabel(this);
  SetControlId(text_, kTextId);
  text_->setGeometry(DluRect(46, 16, 265, 22));
  text_->setAlignment(Qt::AlignCenter);
  text_->setFont(SongTiFont(kFontPixels, kFontWeight));

  auto* close = new QPushButton(QString::fromUtf8(kCloseText), this);
  SetControlId(close, kCloseId);
  close->setGeometry(DluRect(143, 52, 50, 14));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void InfoBox::CentreOnParent() {
  const QWidget* owner = parentWidget();
  QRect area = owner ? owner->frameGeometry() : QRect();
  if (area.isEmpty() && screen()) area = screen()->availableGeometry();
  move(area.center() - rect().center());
}

void InfoBox::ShowMessage(const QString& text, int milliseconds) {
  text_->setText(text);
  show();
  timer_.start(milliseconds);
}

QString InfoBox::Message() const {
  return text_->text();
}

void InfoBox::keyPressEvent(QKeyEvent* event) {
  // Enter does nothing here; Escape still closes like the close box.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

}  // namespace v7
