#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "controllers/ConnectionHost.h"
#include "controllers/ShellOperations.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "sync/SyncWorker.h"

namespace v7 {

class ConnectionController;
class InfoBox;
class MachineConnection;
class MainView;
class MainWindow;
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

  // The modeless dialogs (machine settings on F7, remote learning, the mic-controlled
  // subwoofer; each at most once) are not part of the program yet. They plug in here: the
  // commands below open them, ConnectionController::Connected closes the machine settings and
  // ConnectionController::SyncAccepted reloads them from the image.
  void OpenRemoteLearning() override {}
  void OpenMicSubDialog() override {}

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
  // The close sequence of the main window: the save question, goodbye to the machine, then
  // the window's placement is kept.
  void OnMainWindowClosing();
  void AskToSaveOnClose();

  std::unique_ptr<AppSeams> seams_;
  std::unique_ptr<Prompts> ownPrompts_;
  std::unique_ptr<SingleInstance> singleInstance_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<RecentFileList> recentFiles_;
  std::unique_ptr<MachineConnection> machine_;
  std::unique_ptr<ConnectionController> connection_;
  Language language_ = Language::Chinese;
  LanguageTable languageTable_;
  std::unique_ptr<MainWindow> mainWindow_;
  QPointer<InfoBox> infoBox_;
  SyncDialog* syncDialog_ = nullptr;
};

}  // namespace v7
