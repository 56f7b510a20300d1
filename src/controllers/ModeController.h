// The mode commands: load, store and factory-recall one of the machine's four modes, and keep
// the whole parameter set in mode files (.V7M) on the PC.
#pragma once

#include <QObject>
#include <QString>

#include "i18n/TextPair.h"

class QWidget;

namespace v7 {

class Clock;
class ShellOperations;

class ModeController : public QObject {
  Q_OBJECT

 public:
  // The pause between storing a mode and telling the user about it.
  static constexpr int kStoreSettleMs = 500;

  // `owner` is the window the questions belong to; `clock` paces the pause after a store.
  ModeController(ShellOperations& shell, Clock& clock, QWidget* owner, QObject* parent = nullptr);

  void LoadMachineMode(int mode);
  void SaveMachineMode(int mode);
  void RecallFactoryMode(int mode);
  void OpenModeFile();
  void SaveModeFile();
  void OpenRecentModeFile(const QString& path);

 private:
  QString Text(const TextPair& pair) const;
  bool RefuseWhileDisconnected();
  // With unsaved changes, asks before `question`'s action on `mode` discards them.
  bool MayDiscardChanges(const TextPair& question, int mode);
  // A file that does not look like a mode file is sent only when the user says so.
  bool MaySendFile(const QString& path);

  ShellOperations& shell_;
  Clock& clock_;
  QWidget* owner_;
};

}  // namespace v7
