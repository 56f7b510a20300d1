#include "ui/dialogs/KeyLearningDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "i18n/LanguageTables.h"
#include "i18n/TextPair.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/widgets/ImageButton.h"

namespace v7 {

namespace {

// Built-in texts; the language table replaces them when the dialog opens.
constexpr char kBuiltInTitle[] = "键码学习中...";
constexpr char kBuiltInInstruction[] = "请您按下遥控器上的对应的按键";
constexpr char kBuiltInCancel[] = "放弃学习";
constexpr char kBuiltInClose[] = "关闭";
constexpr TextPair kClosing{"窗口将自动关闭", "Window will be closed!"};
constexpr TextPair kCodeName{"收到的键码", "Received code"};
constexpr TextPair kCancelTip{"放弃学习这个键", "Stop learning this key"};
constexpr TextPair kCloseTip{"关闭窗口", "Close the window"};

}  // namespace

KeyLearningDialog::KeyLearningDialog(const QString& keyText, const LanguageTable& table,
                                     Language language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setWindowTitle(QString::fromUtf8(kBuiltInTitle));
  setFixedSize(DluToPixelsX(200), DluToPixelsY(92));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  ApplyDialogBackground(this);
  ApplyDialogFont(this);

  keyText_ = MakeDialogLabel(this, kKeyTextId, keyText, DluRect(12, 10, 176, 10));
  MakeDialogLabel(this, kInstructionId, QString::fromUtf8(kBuiltInInstruction),
                  DluRect(12, 26, 176, 10));
  code_ = new QLineEdit(this);
  SetControlId(code_, kCodeId);
  code_->setReadOnly(true);
  code_->setAlignment(Qt::AlignCenter);
  code_->setGeometry(DluRect(12, 42, 60, 14));
  code_->setAccessibleName(kCodeName.In(language));
  code_->setToolTip(kCodeName.In(language));
  notice_ = MakeDialogLabel(this, kNoticeId, QString(), DluRect(80, 44, 108, 10));

  cancel_ = MakeDialogButton(this, kCancelId, QString::fromUtf8(kBuiltInCancel),
                             DluRect(138, 66, 50, 17));
  cancel_->setToolTip(kCancelTip.In(language));
  connect(cancel_, &ImageButton::clicked, this, &KeyLearningDialog::reject);
  close_ =
      MakeDialogButton(this, kCloseId, QString::fromUtf8(kBuiltInClose), DluRect(138, 66, 50, 17));
  close_->setToolTip(kCloseTip.In(language));
  close_->hide();
  connect(close_, &ImageButton::clicked, this, &QDialog::accept);

  closeTimer_.setSingleShot(true);
  connect(&closeTimer_, &QTimer::timeout, this, &QDialog::accept);
  ApplyDialogTexts(table, this, kDialogId);
  cancel_->setAccessibleName(cancel_->text());
  close_->setAccessibleName(close_->text());
  cancel_->setFocus();
}

void KeyLearningDialog::ShowCode(int code) {
  code_->setText(QString::asprintf("%02X", code & 0xFF));
  notice_->setText(kClosing.In(language_));
  codeShown_ = true;
  cancel_->hide();
  close_->show();
  close_->setFocus();
  closeTimer_.start(kAutoCloseMs);
}

// Escape before a code arrived gives up like Cancel; afterwards it just closes.
void KeyLearningDialog::reject() {
  if (codeShown_) {
    accept();
    return;
  }
  emit Cancelled();
  QDialog::reject();
}

QString KeyLearningDialog::KeyText() const {
  return keyText_->text();
}
QString KeyLearningDialog::CodeText() const {
  return code_->text();
}
QString KeyLearningDialog::NoticeText() const {
  return notice_->text();
}

}  // namespace v7
