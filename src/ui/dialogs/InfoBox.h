#pragma once

#include <QDialog>
#include <QTimer>

#include "i18n/Language.h"

class QLabel;

namespace v7 {

// The self-closing information box: one short message, gone after its time or
// when "关闭" is pressed. Deletes itself when closed.
class InfoBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTextId = 1223;
  static constexpr int kCloseId = 2;

  InfoBox(Language language, QWidget* parent);

  // Shows `text` and (re)starts the time after which the box closes.
  void ShowMessage(const QString& text, int milliseconds);
  QString Message() const;
  int RemainingMilliseconds() const { return timer_.remainingTime(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void CentreOnParent();

  QLabel* text_ = nullptr;
  QTimer timer_;
};

}  // namespace v7
