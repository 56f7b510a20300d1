#pragma once

#include <QString>

#include "i18n/Language.h"

namespace v7 {

class DeviceLink;
class ParameterImage;
class Prompts;
class RecentFileList;

// What the ribbon's commands ask of the program around them: the machine session, questions
// and notices, synchronisation, mode files and the windows the commands open. The application
// implements it; tests may give one of their own.
class ShellOperations {
 public:
  virtual Language InterfaceLanguage() const = 0;

  // The machine session.
  virtual ParameterImage& Image() = 0;
  virtual DeviceLink& Link() = 0;
  virtual bool IsLinkOpen() const = 0;

  // Questions, file dialogs and the self-closing information box.
  virtual Prompts& Prompt() = 0;
  virtual void ShowInfo(const QString& text, int milliseconds) = 0;

  // Synchronisation with the sync dialog; they return when the dialog has closed.
  virtual void StartReadSync() = 0;
  virtual void StartWriteSync() = 0;

  // Modes and mode files. Stores the current parameters in machine mode `mode`.
  virtual void StoreMode(int mode) = 0;
  // A failure is shown to the user; true on success.
  virtual bool ReadModeFileReporting(const QString& path) = 0;
  virtual bool WriteModeFileReporting(const QString& path) = 0;
  // The mode an opened file's name designates (-1 for none), stored after the write sequence.
  virtual void SetPendingModeIndex(int mode) = 0;
  virtual RecentFileList& RecentFiles() = 0;
  // Remote files (.remo, the extension is forced): the remote key table from or into the file.
  // A failure is shown to the user; true on success.
  virtual bool ReadRemoteFileReporting(const QString& path) = 0;
  virtual bool WriteRemoteFileReporting(const QString& path) = 0;

  // Windows.
  virtual void ShowPanelPage(int page) = 0;
  virtual void OpenRemoteLearning() = 0;
  virtual void OpenMicSubDialog() = 0;
  virtual void SwitchLanguage() = 0;
  virtual void ShowAboutBox() = 0;

 protected:
  ~ShellOperations() = default;
};

}  // namespace v7
