#pragma once

#include <QSystemTrayIcon>

#include "controllers/TrayNotice.h"

namespace v7 {

// The notice as a balloon of a notification-area icon (the program's main icon).
class SystemTrayNotice : public TrayNotice {
 public:
  SystemTrayNotice();

  // True where the desktop has a notification area that shows messages.
  static bool Available();

  void Show(const QString& title, const QString& text, int milliseconds) override;
  void Remove() override;
  bool IsShown() const override { return icon_.isVisible(); }

 private:
  QSystemTrayIcon icon_;
};

}  // namespace v7
