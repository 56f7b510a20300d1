// The mode commands of the ribbon: load, store and factory-recall one of the machine's four modes,
// and keep the whole parameter set in mode files (.V7M) on the PC.
#pragma once

#include <QString>

class QWidget;

namespace v7 {

class Application;
class Clock;

class ModeManager {
 public:
  // The pause between storing a mode and telling the user about it.
  static constexpr int kStoreSettleMs = 500;

  ModeManager(Application& app, Clock& clock, QWidget* owner);

  void LoadMachineMode(int mode);
  void SaveMachineMode(int mode);
  void RecallFactoryMode(int mode);
  void OpenModeFile();
  void SaveModeFile();
  void OpenRecentModeFile(const QString& path);

 private:
  int language() const;
  bool refuseWhileDisconnected();

  Application& app_;
  Clock& clock_;
  QWidget* owner_;
};

}  // namespace v7
