#pragma once

#include <QString>

#include "controllers/MachineSeams.h"

namespace v7 {

class Prompts;
class TrayNotice;

// What the program asks of the outside world. main() leaves them empty (the real ones);
// tests fill in doubles. Pointers are not owned and must outlive the application object.
struct AppSeams {
  Prompts* prompts = nullptr;        // null: message boxes and file dialogs
  TrayNotice* trayNotice = nullptr;  // null: the system tray, or a banner in the main window
  QString settingsPath;              // empty: the per-user settings store
  QString instanceName;              // empty: "Tonvia-V7v1.1"
  MachineSeams machine;
  int syncTimeoutMs = 20000;  // the sync dialog's time-out
};

}  // namespace v7
