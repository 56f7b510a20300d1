#include "app/Application.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/AppSeams.h"
#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/MessageBoxPrompts.h"
#include "app/PromptingFileErrors.h"
#include "app/SingleInstance.h"
#include "controllers/ConnectionController.h"
#include "controllers/EqCommandTarget.h"
#include "controllers/MachineConnection.h"
#include "controllers/ModeFileFilter.h"
#include "controllers/RecentFileList.h"
#include "controllers/SettingsStore.h"
#include "files/ModeFile.h"
#include "files/RemoteFile.h"
#include "i18n/LanguageTables.h"
#include "i18n/TextPair.h"
#include "params/ParameterImage.h"
#include "sync/ModeCommands.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AutoSubDialog.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/dialogs/MachineSettingsDialog.h"
#include "ui/dialogs/RemoteDialog.h"
#include "ui/dialogs/SyncDialog.h"
#include "ui/ribbon/MainFrameRibbon.h"
#include "ui/ribbon/MainRibbon.h"

namespace v7 {

namespace {

constexpr char kSemaphoreFailed[] = "创建信标对象失败，程序退出！";
constexpr char kNoMainWindow[] = "已有一个实例在运行，但找不到它的主窗口！";
constexpr TextPair kSaveCaption{"保存?", "Save?"};
constexpr TextPair kSaveOnClose{
    "参数已改动，请问是否需要保存?\r\n提示：保存成电脑文件并同时保存至机器的当前模式",
    "Parameters changed. Do you want to save them?\r\nNote: they are saved as a file on the "
    "computer and into the machine's current mode"};
// Office 2007, blue: the only look there is. The setting is written back at every start.
constexpr int kApplicationLook = 215;

}  // namespace

Application::Application(const AppSeams& seams, QObject* parent)
    : QObject(parent), seams_(std::make_unique<AppSeams>(seams)) {
  if (!seams_->prompts) ownPrompts_ = std::make_unique<MessageBoxPrompts>();
}

Application::~Application() {
  connection_.reset();
  mainWindow_.reset();
  if (machine_ && machine_->IsOpen()) machine_->CloseUsbDevice();
}

bool Application::Start() {
  if (!ClaimSingleInstance()) return false;
  settings_ = std::make_unique<SettingsStore>(seams_->settingsPath);
  recentFiles_ = std::make_unique<RecentFileList>(*settings_);
  ConnectToMachine();
  if (!CreateMainWindow()) return false;
  connect(singleInstance_.get(), &SingleInstance::ActivationRequested, this,
          &Application::BringForward);
  mainWindow_->show();
  qApp->installEventFilter(this);
  machine_->StartHotplug();
  return true;
}

bool Application::ClaimSingleInstance() {
  singleInstance_ = std::make_unique<SingleInstance>(seams_->instanceName);
  const QString caption = QString::fromLatin1(MainWindow::kWindowTitle);
  switch (singleInstance_->Claim()) {
    case SingleInstance::Result::First:
      return true;
    case SingleInstance::Result::OtherActivated:
      anotherCopyRuns_ = true;
      return false;
    case SingleInstance::Result::OtherNotFound:
      anotherCopyRuns_ = true;
      Prompt().Tell(nullptr, caption, QString::fromUtf8(kNoMainWindow), PromptIcon::Warning);
      return false;
    case SingleInstance::Result::Failed:
      break;
  }
  Prompt().Tell(nullptr, caption, QString::fromUtf8(kSemaphoreFailed), PromptIcon::Error);
  return false;
}

void Application::ConnectToMachine() {
  machine_ = std::make_unique<MachineConnection>(seams_->machine);
  connect(machine_.get(), &MachineConnection::UserMessage, this,
          [this](const QString& caption, const QString& text, bool error) {
            Prompt().Tell(View(), caption, text,
                          error ? PromptIcon::Error : PromptIcon::Information);
          });
  connection_ = std::make_unique<ConnectionController>(*machine_, *this, Prompt());
  connect(connection_.get(), &ConnectionController::SyncAccepted, this,
          &Application::RefreshAfterSync);
  // The settings shown would be another machine's: the dialog goes without applying anything.
  connect(connection_.get(), &ConnectionController::Connected, this,
          [this] { delete settingsDialog_.data(); });
  connect(machine_.get(), &MachineConnection::KeyLearned, this, &Application::ForwardLearnedKey);
}

// The view first, started before the ribbon exists; then the ribbon and the status bar.
bool Application::CreateMainWindow() {
  mainWindow_ = std::make_unique<MainWindow>(seams_->trayNotice);
  connect(mainWindow_.get(), &MainWindow::Closing, this, &Application::OnMainWindowClosing);
  StartView();
  settings_->SetApplicationLook(kApplicationLook);
  // The EQ commands of the status bar serve the view's channel panel when it offers them.
  auto* ribbon = new MainRibbon(*this, mainWindow_.get(), machine_->Time(), [this] {
    return View() != nullptr ? dynamic_cast<EqCommandTarget*>(View()->ChannelPanel()) : nullptr;
  });
  if (!mainWindow_->SetRibbon(ribbon)) return false;
  mainWindow_->RestorePlacement(settings_->WindowPlacement());
  return true;
}

// Start-up bands, the language, the panel on the mic page, its texts, the first connection.
void Application::StartView() {
  MainView* view = View();
  connection_->SetPromptOwner(view);
  connect(connection_.get(), &ConnectionController::NoticeRequested, view,
          &MainView::ShowTrayNotice);
  Image().FillStartupBands();
  language_ = settings_->InterfaceLanguage();
  view->CreateChannelPanel(Image(), Link(), language_);
  connect(connection_.get(), &ConnectionController::LevelsPolled, view,
          &MainView::UpdatePanelLevels);
  ApplyInterfaceLanguage();
  connection_->Start();
}

void Application::BringForward() {
  if (!mainWindow_) return;
  if (mainWindow_->isMinimized()) mainWindow_->showNormal();
  mainWindow_->show();
  mainWindow_->raise();
  // An open modal dialog stays above the window and keeps the focus.
  QWidget* front = QApplication::activeModalWidget();
  if (front == nullptr) front = mainWindow_.get();
  front->raise();
  front->activateWindow();
}

// --- accessors ---

ParameterImage& Application::Image() {
  return machine_->Image();
}
DeviceLink& Application::Link() {
  return machine_->Link();
}
bool Application::IsLinkOpen() const {
  return machine_ && machine_->IsOpen();
}
MachineConnection& Application::Connection() {
  return *machine_;
}
ConnectionController& Application::ConnectionHandling() {
  return *connection_;
}
Prompts& Application::Prompt() {
  return seams_->prompts ? *seams_->prompts : *ownPrompts_;
}
SettingsStore& Application::Settings() {
  return *settings_;
}
RecentFileList& Application::RecentFiles() {
  return *recentFiles_;
}
MainWindow* Application::Window() const {
  return mainWindow_.get();
}
MainView* Application::View() const {
  return mainWindow_ ? mainWindow_->View() : nullptr;
}
InfoBox* Application::ShownInfoBox() const {
  return infoBox_.data();
}

// --- information box ---

void Application::ShowInfo(const QString& text, int milliseconds) {
  // A box that has just closed is hidden but only deleted later: it must not take the message.
  if (!infoBox_ || !infoBox_->isVisible()) infoBox_ = new InfoBox(language_, mainWindow_.get());
  infoBox_->ShowMessage(text, milliseconds);
}

// --- synchronisation ---

void Application::StartReadSync() {
  StartSync(SyncKind::kRead);
}
void Application::StartWriteSync() {
  StartSync(SyncKind::kWrite);
}

void Application::StartSync(SyncKind kind) {
  if (!machine_->StartSync(kind)) return;
  RunSyncDialog();
}

void Application::RunSyncDialog() {
  if (syncDialog_) return;
  SyncDialog dialog(language_, Prompt(), mainWindow_.get(), seams_->syncTimeoutMs);
  syncDialog_ = &dialog;
  dialog.exec();
  syncDialog_ = nullptr;
}

void Application::EndSyncDialog() {
  if (syncDialog_) syncDialog_->Finish();
}

// The ribbon's volumes, the panel and the open dialogs show the image again.
void Application::RefreshAfterSync() {
  RefreshRibbonVolumes();
  if (MainView* view = View()) view->RefreshPanel(language_);
  if (settingsDialog_) settingsDialog_->ReloadSettings();
  if (micSubDialog_) micSubDialog_->LoadAutoSubSliders();
}

void Application::RefreshRibbonVolumes() {
  if (MainFrameRibbon* ribbon = mainWindow_ ? mainWindow_->Ribbon() : nullptr)
    ribbon->RefreshRibbonVolumes();
}

// --- modes and files ---

void Application::StoreMode(int mode) {
  v7::StoreMode(Link(), Image(), mode);
}

bool Application::WriteModeFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainWindow_.get(), language_);
  return WriteModeFile(Image(), path.toStdString(), errors);
}

bool Application::ReadModeFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainWindow_.get(), language_);
  return ReadModeFile(Image(), path.toStdString(), errors);
}

bool Application::ReadRemoteFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainWindow_.get(), language_);
  return ReadRemoteFile(Image().remoteKeys, path.toStdString(), errors);
}

bool Application::WriteRemoteFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainWindow_.get(), language_);
  return WriteRemoteFile(Image().remoteKeys, path.toStdString(), errors);
}

void Application::SetPendingModeIndex(int mode) {
  connection_->SetPendingMode(mode);
}

// --- language ---

void Application::ApplyInterfaceLanguage() {
  const bool loaded = LoadLanguageTable(language_, &languageTable_);
  qtTranslations_.Follow(language_);
  if (MainFrameRibbon* ribbon = mainWindow_ ? mainWindow_->Ribbon() : nullptr)
    ribbon->ApplyRibbonLanguage();
  if (!loaded) return;
  if (settingsDialog_) settingsDialog_->ApplyLanguage(languageTable_, language_);
  if (micSubDialog_) micSubDialog_->ApplyLanguage(languageTable_, language_);
  if (remoteDialog_) remoteDialog_->ApplyLanguage(languageTable_, language_);
  if (MainView* view = View()) view->ApplyPanelLanguage(languageTable_, language_);
}

void Application::SwitchLanguage() {
  language_ = OtherLanguage(language_);
  Settings().SetInterfaceLanguage(language_);
  ApplyInterfaceLanguage();
}

// --- windows ---

void Application::ShowPanelPage(int page) {
  if (MainView* view = View()) view->ShowPanelPage(page, language_);
}

template <typename Dialog>
void Application::ShowModeless(Dialog* dialog) {
  dialog->ApplyLanguage(languageTable_, language_);
  if (!dialog->isVisible() && mainWindow_)
    dialog->move(mainWindow_->frameGeometry().center() - dialog->rect().center());
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void Application::OpenMachineSettings() {
  if (!settingsDialog_) {
    settingsDialog_ = new MachineSettingsDialog(*this, mainWindow_.get());
    connect(settingsDialog_, &MachineSettingsDialog::Closed, this,
            &Application::RefreshRibbonVolumes);
  }
  ShowModeless(settingsDialog_.data());
}

void Application::OpenRemoteLearning() {
  if (!remoteDialog_) remoteDialog_ = new RemoteDialog(*this, languageTable_, mainWindow_.get());
  ShowModeless(remoteDialog_.data());
}

void Application::OpenMicSubDialog() {
  if (!micSubDialog_) micSubDialog_ = new AutoSubDialog(*this, mainWindow_.get());
  micSubDialog_->LoadAutoSubSliders();
  ShowModeless(micSubDialog_.data());
}

MachineSettingsDialog* Application::MachineSettings() const {
  return settingsDialog_;
}
RemoteDialog* Application::RemoteLearning() const {
  return remoteDialog_;
}
AutoSubDialog* Application::MicSubDialog() const {
  return micSubDialog_;
}

// Only the open learning dialog takes a learned code; otherwise the table alone has it.
void Application::ForwardLearnedKey(int code) {
  if (remoteDialog_) remoteDialog_->DeliverLearnedKey(code);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
  // Asked before the window goes, so that Cancel can keep the program open.
  if (event->type() == QEvent::Close && watched == mainWindow_.get() && !MayClose()) {
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::KeyRelease && syncDialog_ == nullptr) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F7 && !key->isAutoRepeat() && watched->isWidgetType()) {
      OpenMachineSettings();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void Application::ShowAboutBox() {
  const ParameterImage& image = Image();
  MachineReadout readout{IsLinkOpen(), QString::fromLatin1(image.modelName),
                         QString::fromLatin1(image.mcuVersion), image.protocolVersion};
  AboutDialog dialog(readout, connection_->LevelPollingEnabled(), mainWindow_.get(), language_);
  connect(&dialog, &AboutDialog::MeterPollChanged, connection_.get(),
          &ConnectionController::SetLevelPollingEnabled);
  dialog.exec();
}

// --- closing ---

void Application::OnMainWindowClosing() {
  if (IsLinkOpen()) machine_->CloseUsbDeviceWithGoodbye();
  settings_->SetWindowPlacement(mainWindow_->saveGeometry());
  settings_->Flush();
}

bool Application::MayClose() {
  if (closeConfirmed_ || !Image().dirty) return true;
  const PromptAnswer answer =
      Prompt().Ask(nullptr, kSaveCaption.In(language_), kSaveOnClose.In(language_),
                   PromptChoices::YesNoCancel, PromptAnswer::Cancel);
  if (answer == PromptAnswer::Cancel) return false;
  closeConfirmed_ = true;
  if (answer == PromptAnswer::Yes) SaveOnClose();
  return true;
}

void Application::SaveOnClose() {
  const QString path = Prompt().AskSaveFileName(nullptr, QString::fromLatin1(kModeFileFilter),
                                                QString::fromLatin1(kModeFileSuffix),
                                                QString::fromLatin1(kModeFileProposedName));
  if (path.isEmpty()) return;
  if (IsLinkOpen()) StoreMode(Image().currentMode);
  WriteModeFileReporting(path);
}

}  // namespace v7
