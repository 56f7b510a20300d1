#pragma once

#include <QDialog>
#include <QTimer>

#include "i18n/Language.h"

class QLabel;
class QLineEdit;

namespace v7 {

class ImageButton;
class LanguageTable;

// Waits for the remote's code of one key: shows which key is being learned, then the code
// when the machine reports it, and closes itself shortly afterwards. Cancel (or Escape)
// before a code arrives gives up the learning.
class KeyLearningDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 372;
  static constexpr int kKeyTextId = 1167;
  static constexpr int kCodeId = 1038;
  static constexpr int kInstructionId = 1007;
  static constexpr int kNoticeId = 1004;
  static constexpr int kCloseId = 1;
  static constexpr int kCancelId = 3;
  static constexpr int kAutoCloseMs = 600;

  KeyLearningDialog(const QString& keyText, const LanguageTable& table, Language language,
                    QWidget* parent);

  // The machine reported `code`: it is shown, Close replaces Cancel and the dialog closes
  // after kAutoCloseMs.
  void ShowCode(int code);

  QString KeyText() const;
  QString CodeText() const;
  QString NoticeText() const;
  ImageButton* CancelButton() const { return cancel_; }
  ImageButton* CloseButton() const { return close_; }

 signals:
  // The user gave up before a code arrived.
  void Cancelled();

 public slots:
  void reject() override;

 private:
  QLabel* keyText_ = nullptr;
  QLineEdit* code_ = nullptr;
  QLabel* notice_ = nullptr;
  ImageButton* cancel_ = nullptr;
  ImageButton* close_ = nullptr;
  QTimer closeTimer_;
  Language language_;
  bool codeShown_ = false;
};

}  // namespace v7
