#include "app/Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "app/AppSeams.h"
#include "app/MainView.h"
#include "app/MainWindow.h"
#include "ui/ribbon/MainFrameRibbon.h"
#include "app/MessageBoxPrompts.h"
#include "controllers/ModeFileFilter.h"
#include "app/PromptingFileErrors.h"
#include "controllers/RecentFileList.h"
#include "controllers/SettingsStore.h"
#include "app/MachineConnection.h"
#include "app/SingleInstance.h"
#include "files/ModeFile.h"
#include "i18n/LanguageTables.h"
#include "protocol/Trace.h"
#include "params/ParameterImage.h"
#include "sync/ModeCommands.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/dialogs/SyncDialog.h"

namespace v7 {

namespace {

constexpr char kSemaphoreFailed[] = "创建信标对象失败，程序退出！";
constexpr char kNoMainWindow[] = "已有一个实例在运行，但找不到它的主窗口！";
constexpr char kSaveCaption[] = "保存?";
constexpr char kSaveOnClose[] =
    "参数已改动，请问是否需要保存?\r\n提示：保存成电脑文件并同时保存至机器的当前模式";

}  // namespace

Application::Application(const AppSeams& seams, QObject* parent)
    : QObject(parent), seams_(std::make_unique<AppSeams>(seams)) {
  if (!seams_->prompts) ownPrompts_ = std::make_unique<MessageBoxPrompts>();
}

Application::~Application() {
  qApp->removeEventFilter(this);
  mainFrame_.reset();
  if (services_ && services_->IsOpen()) services_->CloseUsbDevice();
}

bool Application::InitInstance() {
  if (!ClaimSingleInstance()) return false;
  settings_ = std::make_unique<SettingsStore>(seams_->settingsPath);
  recentFiles_ = std::make_unique<RecentFileList>(*settings_);
  services_ = std::make_unique<MachineConnection>(seams_->machine);
  connect(services_.get(), &MachineConnection::LinkMessage, this,
          [this](const QString& caption, const QString& text, bool error) {
            Prompt().Tell(View(), caption, text,
                          error ? PromptIcon::Error : PromptIcon::Information);
          });
  qApp->installEventFilter(this);

  mainFrame_ = std::make_unique<MainWindow>(*this);
  if (!mainFrame_->Create()) return false;
  connect(singleInstance_.get(), &SingleInstance::ActivationRequested, this,
          &Application::BringForward);
  mainFrame_->setWindowTitle(QString::fromLatin1(MainWindow::kWindowTitle));
  mainFrame_->show();
  services_->StartHotplug();
  return true;
}

bool Application::ClaimSingleInstance() {
  singleInstance_ = std::make_unique<SingleInstance>(seams_->instanceName);
  const QString caption = QString::fromLatin1(MainWindow::kWindowTitle);
  switch (singleInstance_->Claim()) {
    case SingleInstance::Result::First:
      return true;
    case SingleInstance::Result::OtherActivated:
      return false;
    case SingleInstance::Result::OtherNotFound:
      Prompt().Tell(nullptr, caption, QString::fromUtf8(kNoMainWindow), PromptIcon::Warning);
      return false;
    case SingleInstance::Result::Failed:
      break;
  }
  Prompt().Tell(nullptr, caption, QString::fromUtf8(kSemaphoreFailed), PromptIcon::Error);
  return false;
}

void Application::BringForward() {
  if (!mainFrame_) return;
  if (mainFrame_->isMinimized()) mainFrame_->showNormal();
  mainFrame_->show();
  mainFrame_->raise();
  mainFrame_->activateWindow();
}

// --- accessors ---

ParameterImage& Application::Image() {
  return services_->Image();
}
DeviceLink& Application::Link() {
  return services_->Link();
}
MachineConnection& Application::Connection() {
  return *services_;
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
MainWindow* Application::MainFrame() const {
  return mainFrame_.get();
}
MainView* Application::View() const {
  return mainFrame_ ? mainFrame_->View() : nullptr;
}
TrayNotice* Application::InjectedTrayNotice() const {
  return seams_->trayNotice;
}
InfoBox* Application::ShownInfoBox() const {
  return infoBox_.data();
}
bool Application::IsLinkOpen() const {
  return services_ && services_->IsOpen();
}

// --- information box ---

void Application::ShowInfo(const QString& text, int milliseconds) {
  // A box that has just closed is hidden but only deleted later: it must not take the message.
  if (!infoBox_ || !infoBox_->isVisible()) infoBox_ = new InfoBox(uiLanguage, mainFrame_.get());
  infoBox_->ShowMessage(text, milliseconds);
}

// --- synchronisation ---

void Application::StartReadSync() {
  StartSync(0);
}
void Application::StartWriteSync() {
  StartSync(1);
}

void Application::StartSync(int direction) {
  if (!services_->StartSync(direction == 0 ? MachineConnection::SyncDirection::Read
                                           : MachineConnection::SyncDirection::Write))
    return;
  RunSyncDialog();
}

void Application::RunSyncDialog() {
  if (syncDialog_) return;
  SyncDialog dialog(uiLanguage, Prompt(), mainFrame_.get(), seams_->syncTimeoutMs);
  syncDialog_ = &dialog;
  dialog.exec();
  syncDialog_ = nullptr;
}

// --- modes and files ---

void Application::StoreMode(int mode) {
  v7::StoreMode(Link(), Image(), mode);
}

bool Application::WriteModeFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainFrame_.get());
  return WriteModeFile(Image(), path.toStdString(), errors);
}

bool Application::ReadModeFileReporting(const QString& path) {
  PromptingFileErrors errors(Prompt(), mainFrame_.get());
  return ReadModeFile(Image(), path.toStdString(), errors);
}

// --- language ---

bool Application::LoadLanguageTable(int language) {
  return v7::LoadLanguageTable(language, &languageTable_);
}

void Application::ApplyDialogTexts(QWidget* window, int dialogId) const {
  v7::ApplyDialogTexts(languageTable_, window, dialogId);
}

void Application::ApplyInterfaceLanguage() {
  const bool loaded = LoadLanguageTable(uiLanguage);
  if (mainFrame_ && mainFrame_->Ribbon()) mainFrame_->Ribbon()->ApplyRibbonLanguage();
  if (!loaded) return;
  if (MainView* view = View()) view->ApplyPanelLanguage();
}

void Application::SwitchLanguage() {
  uiLanguage = uiLanguage == 0 ? 1 : 0;
  Settings().SetLanguage(uiLanguage);
  ApplyInterfaceLanguage();
}

// --- windows ---

void Application::ShowPanelPage(int page) {
  if (MainView* view = View()) view->ShowPanelPage(page);
}

// The machine settings (F7), remote learning and mic-sub dialogs are not part of this
// build yet; their entry points are kept so that commands and keys already reach them.
void Application::OpenMachineSettings() {}
void Application::CloseMachineSettings() {}
void Application::OpenRemoteLearning() {}
void Application::OpenMicSubDialog() {}
void Application::RefreshOpenDialogs() {}

void Application::ShowAboutBox() {
  const ParameterImage& image = Image();
  MachineReadout readout{IsLinkOpen(), QString::fromLatin1(image.modelName),
                         QString::fromLatin1(image.mcuVersion), image.protocolVersion};
  AboutDialog dialog(readout, meterPollEnabled, mainFrame_.get());
  connect(&dialog, &AboutDialog::MeterPollChanged, this,
          [this](bool enabled) { meterPollEnabled = enabled; });
  dialog.exec();
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease && !syncDialog_ &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F7 && watched->isWidgetType()) {
    OpenMachineSettings();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

// --- closing ---

void Application::OnMainFrameClosing() {
  if (Image().dirty) AskToSaveOnClose();
  if (IsLinkOpen()) services_->CloseUsbDeviceWithGoodbye();
}

void Application::AskToSaveOnClose() {
  if (!Prompt().AskYesNo(nullptr, QString::fromUtf8(kSaveCaption), QString::fromUtf8(kSaveOnClose)))
    return;
  const QString path = Prompt().AskSaveFileName(nullptr, QString::fromLatin1(kModeFileFilter),
                                                QString::fromLatin1(kModeFileSuffix),
                                                QString::fromLatin1(kModeFileProposedName));
  if (path.isEmpty()) return;
  if (IsLinkOpen()) StoreMode(Image().currentMode);
  WriteModeFileReporting(path);
}

}  // namespace v7
