#include "app/SystemTrayNotice.h"

#include "ui/dialogs/ProgramIcon.h"

namespace v7 {

SystemTrayNotice::SystemTrayNotice() : icon_(ProgramIcon()) {
  QObject::connect(&icon_, &QSystemTrayIcon::activated, [this] { NotifyClicked(); });
  QObject::connect(&icon_, &QSystemTrayIcon::messageClicked, [this] { NotifyClicked(); });
}

bool SystemTrayNotice::Available() {
  return QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages();
}

void SystemTrayNotice::Show(const QString& title, const QString& text, int milliseconds) {
  icon_.show();
  icon_.showMessage(title, text, QSystemTrayIcon::Information, milliseconds);
}

void SystemTrayNotice::Remove() {
  icon_.hide();
}

}  // namespace v7
