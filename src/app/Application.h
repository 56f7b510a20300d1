#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "controllers/ConnectionHost.h"
#include "controllers/ShellOperations.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "i18n/QtTranslations.h"
#include "sync/SyncWorker.h"

namespace v7 {

class AutoSubDialog;
class ConnectionController;
class InfoBox;
class MachineSettingsDialog;
class MachineConnection;
class MainView;
class MainWindow;
class RemoteDialog;
class SettingsStore;
class SingleInstance;
class SyncDialog;
struct AppSeams;

// The application object: creates the settings, the connection to the machine and its
// handling, and the main window, wires them together and offers the operations the ribbon's
// commands and the connection handling use. One per process.
class Application : public QObject, public ShellOperations, public ConnectionHost {
  Q_OBJECT

 public:
  explicit Application(const AppSeams& seams, QObject* parent = nullptr);
  ~Application() override;

  // Single-instance check, settings, main window (shown), hot-plug watching. False when
  // this copy must end: another copy was brought forward, or the check failed and the user
  // was told.
  bool Start();
  // After a failed Start: whether that was because another copy runs already.
  bool AnotherCopyRuns() const { return anotherCopyRuns_; }

  Language InterfaceLanguage() const override { return language_; }
  const LanguageTable& CurrentLanguageTable() const { return languageTable_; }

  ParameterImage& Image() override;
  DeviceLink& Link() override;
  bool IsLinkOpen() const override;
  MachineConnection& Connection();
  ConnectionController& ConnectionHandling();
  Prompts& Prompt() override;
  SettingsStore& Settings();
  RecentFileList& RecentFiles() override;
  MainWindow* Window() const;
  MainView* View() const;

  // The self-closing information box (one at most; a new call replaces text and time).
  void ShowInfo(const QString& text, int milliseconds) override;
  InfoBox* ShownInfoBox() const;

  // Synchronisation: starts the worker, then runs the modal sync dialog until the
  // completion handling closes it. They return when the dialog has closed.
  void StartReadSync() override;
  void StartWriteSync() override;
  void EndSyncDialog() override;
  SyncDialog* RunningSyncDialog() const { return syncDialog_; }

  // Stores the current parameters in machine mode `mode` (clamped to 0..3): clears dirty,
  // sets currentMode and sends command 4.
  void StoreMode(int mode) override;
  bool WriteModeFileReporting(const QString& path) override;
  bool ReadModeFileReporting(const QString& path) override;
  void SetPendingModeIndex(int mode) override;

  void SwitchLanguage() override;
  void ShowPanelPage(int page) override;
  void ShowAboutBox() override;

  bool ReadRemoteFileReporting(const QString& path) override;
  bool WriteRemoteFileReporting(const QString& path) override;

  // The modeless dialogs, each at most once: opening one again brings the same window back.
  // A machine arrival closes the machine settings; every accepted synchronisation reloads the
  // settings and the mic-sub dialog from the image.
  void OpenMachineSettings();
  void OpenRemoteLearning() override;
  void OpenMicSubDialog() override;
  MachineSettingsDialog* MachineSettings() const;
  RemoteDialog* RemoteLearning() const;
  AutoSubDialog* MicSubDialog() const;

 protected:
  // F7 released in any of the program's windows opens the machine settings, unless the sync
  // dialog is showing.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ClaimSingleInstance();
  void ConnectToMachine();
  bool CreateMainWindow();
  void StartView();
  void BringForward();
  void StartSync(SyncKind kind);
  void RunSyncDialog();
  void ApplyInterfaceLanguage();
  void RefreshAfterSync();
  void ForwardLearnedKey(int code);
  void RefreshRibbonVolumes();
  template <typename Dialog>
  void ShowModeless(Dialog* dialog);
  // With unsaved changes, asks before the main window closes: Yes saves, No discards, Cancel
  // (also Escape, and the default) keeps the program open. Asked once per close.
  bool MayClose();
  void SaveOnClose();
  // The close sequence of the main window: goodbye to the machine, then the window's
  // placement is kept.
  void OnMainWindowClosing();

  bool closeConfirmed_ = false;
  bool anotherCopyRuns_ = false;
  std::unique_ptr<AppSeams> seams_;
  std::unique_ptr<Prompts> ownPrompts_;
  std::unique_ptr<SingleInstance> singleInstance_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<RecentFileList> recentFiles_;
  std::unique_ptr<MachineConnection> machine_;
  std::unique_ptr<ConnectionController> connection_;
  Language language_ = Language::Chinese;
  LanguageTable languageTable_;
  QtTranslations qtTranslations_;
  std::unique_ptr<MainWindow> mainWindow_;
  QPointer<InfoBox> infoBox_;
  SyncDialog* syncDialog_ = nullptr;
  QPointer<MachineSettingsDialog> settingsDialog_;
  QPointer<RemoteDialog> remoteDialog_;
  QPointer<AutoSubDialog> micSubDialog_;
};

}  // namespace v7
