#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "i18n/LanguageTable.h"
#include "i18n/TextPair.h"

class QWidget;

namespace v7 {

class InfoBox;
class MainView;
class MainWindow;
class SyncDialog;
class DeviceLink;
class ParameterImage;
class Prompts;
class RecentFileList;
class SettingsStore;
class MachineConnection;
class SingleInstance;
class TrayNotice;
struct AppSeams;

// The application object: owns the parameter image and the link (through MachineConnection),
// the settings, the modeless dialogs and the main window, and offers the operations every
// window uses. One per process; windows receive a reference to it.
class Application : public QObject {
  Q_OBJECT

 public:
  explicit Application(const AppSeams& seams, QObject* parent = nullptr);
  ~Application() override;

  // Start-up: single-instance check, settings, main window (shown), hot-plug watching.
  // False when this copy must end: another copy was brought forward, or the check failed
  // and the user was told.
  bool InitInstance();

  // Process-wide user-interface state.
  int pendingModeIndex = -1;     // mode an opened file's name designates, -1 for none
  int uiLanguage = 0;            // 0 Chinese, 1 English
  bool meterPollEnabled = true;  // level meters polled (the About box switches it)

  ParameterImage& Image();
  DeviceLink& Link();
  MachineConnection& Connection();
  Prompts& Prompt();
  SettingsStore& Settings();
  RecentFileList& RecentFiles();
  MainWindow* MainFrame() const;
  MainView* View() const;
  TrayNotice* InjectedTrayNotice() const;

  // The text of a pair in the current language.
  QString Text(const TextPair& pair) const { return pair.In(uiLanguage); }

  // The self-closing information box (one at most; a new call replaces text and time).
  void ShowInfo(const QString& text, int milliseconds);
  InfoBox* ShownInfoBox() const;

  // Synchronisation: starts the worker, then runs the modal sync dialog until the
  // completion handling closes it. They return when the dialog has closed.
  void StartReadSync();
  void StartWriteSync();
  void RunSyncDialog();
  SyncDialog* RunningSyncDialog() const { return syncDialog_; }

  bool IsLinkOpen() const;
  // Stores the current parameters in machine mode `mode` (clamped to 0..3): clears dirty,
  // sets currentMode and sends command 4.
  void StoreMode(int mode);
  // Mode file access; a failure is shown to the user. True on success.
  bool WriteModeFileReporting(const QString& path);
  bool ReadModeFileReporting(const QString& path);

  // Language.
  bool LoadLanguageTable(int language);
  const LanguageTable& CurrentLanguageTable() const { return languageTable_; }
  void ApplyDialogTexts(QWidget* window, int dialogId) const;
  void ApplyInterfaceLanguage();
  void SwitchLanguage();

  // Windows. The machine settings, remote learning and mic-sub dialogs plug in here.
  void ShowPanelPage(int page);
  void OpenMachineSettings();
  void CloseMachineSettings();
  void OpenRemoteLearning();
  void OpenMicSubDialog();
  // Reloads the open modeless dialogs from the image after a synchronisation.
  void RefreshOpenDialogs();
  void ShowAboutBox();

  // The close sequence of the main window: the save question, then goodbye to the machine.
  void OnMainFrameClosing();

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool ClaimSingleInstance();
  void BringForward();
  void AskToSaveOnClose();
  void StartSync(int direction);

  std::unique_ptr<AppSeams> seams_;
  std::unique_ptr<Prompts> ownPrompts_;
  std::unique_ptr<SingleInstance> singleInstance_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<RecentFileList> recentFiles_;
  std::unique_ptr<MachineConnection> services_;
  LanguageTable languageTable_;
  std::unique_ptr<MainWindow> mainFrame_;
  QPointer<InfoBox> infoBox_;
  SyncDialog* syncDialog_ = nullptr;
};

}  // namespace v7
