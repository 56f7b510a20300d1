#include "ui/dialogs/SyncDialog.h"

#include <QLabel>
#include <QProgressBar>

#include "controllers/Prompts.h"
#include "i18n/TextPair.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"

namespace v7 {

namespace {

constexpr TextPair kTitle{"同步过程", "Synchronize"};
constexpr TextPair kWaitText{"当前正在与机器同步数据,请稍后......", "Please wait a moment……"};
constexpr char kTimeoutText[] = "发生错误，与设备数据同步超时……";
constexpr char kErrorCaption[] = "错误";

}  // namespace

SyncDialog::SyncDialog(Language language, Prompts& prompts, QWidget* parent, int timeoutMs)
    : QDialog(parent), prompts_(prompts), timeoutMs_(timeoutMs) {
  setWindowTitle(kTitle.In(language));
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  setFixedSize(DluToPixelsX(186), DluToPixelsY(52));
  ApplyDialogBackground(this);
  setCursor(Qt::WaitCursor);

  auto* text = new QLabel(kWaitText.In(language), this);
  SetControlId(text, kTextId);
  text->setGeometry(DluRect(10, 8, 166, 12));

  progress_ = new QProgressBar(this);
  SetControlId(progress_, kProgressId);
  progress_->setGeometry(DluRect(10, 26, 166, 12));
  progress_->setRange(0, kMaximum);
  progress_->setValue(0);
  progress_->setTextVisible(false);

  connect(&stepTimer_, &QTimer::timeout, this, &SyncDialog::Step);
  timeoutTimer_.setSingleShot(true);
  connect(&timeoutTimer_, &QTimer::timeout, this, &SyncDialog::TimeOut);
}

void SyncDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
  timeoutTimer_.start(timeoutMs_);
  stepTimer_.start(kStepMs);
}

void SyncDialog::Step() {
  const int next = progress_->value() + kStep;
  progress_->setValue(next > kMaximum ? 0 : next);
}

int SyncDialog::Progress() const {
  return progress_->value();
}

void SyncDialog::StopTimers() {
  stepTimer_.stop();
  timeoutTimer_.stop();
}

void SyncDialog::Finish() {
  StopTimers();
  done(QDialog::Rejected);
}

void SyncDialog::TimeOut() {
  Finish();
  prompts_.Tell(parentWidget(), QString::fromUtf8(kErrorCaption), QString::fromUtf8(kTimeoutText),
                PromptIcon::Error);
}

}  // namespace v7
