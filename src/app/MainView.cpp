#include "app/MainView.h"

#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "app/BannerTrayNotice.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "ui/ribbon/MainFrameRibbon.h"
#include "controllers/ModeFileFilter.h"
#include "app/PanelPlaceholder.h"
#include "controllers/Prompts.h"
#include "controllers/SettingsStore.h"
#include "app/MachineConnection.h"
#include "app/SystemTrayNotice.h"
#include "protocol/Commands.h"
#include "protocol/Trace.h"
#include "params/ParameterImage.h"
#include "sync/SyncCompletion.h"
#include "ui/dialogs/SyncDialog.h"

namespace v7 {

namespace {

constexpr int kFirstNoticeMs = 5000;
constexpr int kArrivalNoticeMs = 4000;
constexpr int kRemovalNoticeMs = 5000;
constexpr int kAfterSyncPauseMs = 150;

constexpr TextPair kInfoCaption{"信息", "Information"};
constexpr TextPair kConnectedNotice{"设备已连接，同步中……", "Device connected!"};
constexpr TextPair kDisconnectedNotice{"设备已断开!", "Device Disconnected!"};
constexpr char kSaveCaption[] = "保存?";
constexpr char kSaveAfterRemoval[] = "设备已断开，请问是否需要保存参数文件?";
constexpr char kErrorCaption[] = "错误";
constexpr char kModelMismatch[] = "机器型号与软件不匹配!";
constexpr TextPair kNoPermission{
    "已找到机器，但当前用户没有打开它的权限。\n\n"
    "请安装 udev 规则 60-v7-control.rules（随程序安装，也可用 \"v7ctl --print-udev-rules\" "
    "输出）到 /etc/udev/rules.d/，然后重新插拔机器，或运行 \"sudo udevadm trigger\"。",
    "The machine is plugged in, but this user may not open it.\n\n"
    "Install the udev rule 60-v7-control.rules (installed with the program, or printed by "
    "\"v7ctl --print-udev-rules\") into /etc/udev/rules.d/, then unplug and replug the machine "
    "or run \"sudo udevadm trigger\"."};

}  // namespace

MainView::MainView(Application& app, QWidget* parent) : QWidget(parent), app_(app) {
  firstConnectTimer_.setSingleShot(true);
  connect(&firstConnectTimer_, &QTimer::timeout, this, &MainView::OnFirstConnectTimer);
  meterTimer_.setInterval(kMeterPeriodMs);
  connect(&meterTimer_, &QTimer::timeout, this, &MainView::OnMeterTimer);
  noticeTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, this, &MainView::RemoveTrayNotice);

  MachineConnection& services = app_.Connection();
  connect(&services, &MachineConnection::DeviceArrived, this, &MainView::OnDeviceArrival);
  connect(&services, &MachineConnection::DeviceRemoved, this,
          [this](const QString& path) { OnDeviceRemoval(path.toStdString()); });
  connect(&services, &MachineConnection::SyncFinished, this, &MainView::OnSyncComplete);
}

MainView::~MainView() {
  RemoveTrayNotice();
}

void MainView::Create() {
  CreateTrayNotice();
  app_.Image().FillStartupBands();
  app_.uiLanguage = app_.Settings().Language();
  ShowPanelPage(kPageMic);
  app_.ApplyInterfaceLanguage();
  firstConnectTimer_.start(kFirstConnectDelayMs);
}

void MainView::CreateTrayNotice() {
  tray_ = app_.InjectedTrayNotice();
  if (!tray_) {
    if (SystemTrayNotice::Available()) {
      ownTray_ = std::make_unique<SystemTrayNotice>();
      tray_ = ownTray_.get();
    } else {
      tray_ = new BannerTrayNotice(this);
    }
  }
  tray_->SetClickHandler([this] { RemoveTrayNotice(); });
}

// --- channel panel ---

QWidget* MainView::ChannelPanel() const {
  return panel_;
}

void MainView::ShowPanelPage(int page) {
  currentPage_ = std::clamp(page, 0, kPageCount - 1);
  if (!panel_) {
    panel_ = new PanelPlaceholder(this);
    panel_->setGeometry(panelRect_);
    panel_->show();
    panel_->lower();
  }
  panel_->SetPage(currentPage_, app_.uiLanguage);
}

void MainView::ApplyPanelLanguage() {
  if (!panel_) return;
  app_.ApplyDialogTexts(panel_, PanelPlaceholder::kDialogId);
  panel_->SetPage(currentPage_, app_.uiLanguage);
}

void MainView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  panelRect_ = QRect(0, 0, std::max(event->size().width(), kMinPanelWidth),
                     std::max(event->size().height(), kMinPanelHeight));
  if (panel_) panel_->setGeometry(panelRect_);
}

void MainView::wheelEvent(QWheelEvent* event) {
  MainFrameRibbon* ribbon = app_.MainFrame() ? app_.MainFrame()->Ribbon() : nullptr;
  if (ribbon && ribbon->HandleViewWheel(event)) {
    event->accept();
    return;
  }
  QWidget::wheelEvent(event);
}

// --- tray notice ---

void MainView::ShowTrayNotice(const QString& text, const QString& title, int milliseconds) {
  tray_->Show(title, text, milliseconds);
  noticeTimer_.start(milliseconds);
}

void MainView::RemoveTrayNotice() {
  noticeTimer_.stop();
  if (tray_ && tray_->IsShown()) tray_->Remove();
}

// --- connection handling ---

void MainView::OnFirstConnectTimer() {
  firstConnectTimer_.stop();
  TryConnect(kFirstNoticeMs);
}

bool MainView::TryConnect(int noticeMilliseconds) {
  const OpenResult result = app_.Connection().OpenUsbDevice();
  if (result == OpenResult::kPermissionDenied) TellPermissionProblemOnce();
  if (result != OpenResult::kOpened) return false;
  app_.CloseMachineSettings();
  ConnectionSteps(noticeMilliseconds);
  return true;
}

void MainView::OnDeviceArrival() {
  TryConnect(kArrivalNoticeMs);
}

void MainView::ConnectionSteps(int noticeMilliseconds) {
  ShowTrayNotice(app_.Text(kConnectedNotice), app_.Text(kInfoCaption), noticeMilliseconds);
  awaitingFirstSync_ = true;
  app_.StartReadSync();
  // The link may have been closed meanwhile (removal, other model): then nothing is polled.
  if (app_.IsLinkOpen()) meterTimer_.start();
}

void MainView::TellPermissionProblemOnce() {
  if (permissionProblemTold_) return;
  permissionProblemTold_ = true;
  app_.Prompt().Tell(this, app_.Text(kInfoCaption), app_.Text(kNoPermission), PromptIcon::Warning);
}

void MainView::OnDeviceRemoval(const std::string& devicePath) {
  Trace("removed!\n");
  const QString openPath = QString::fromStdString(app_.Link().DevicePath());
  if (!app_.IsLinkOpen() || openPath.isEmpty() ||
      QString::fromStdString(devicePath).compare(openPath, Qt::CaseInsensitive) != 0)
    return;
  app_.Connection().CloseUsbDevice();
  meterTimer_.stop();
  if (awaitingFirstSync_ || !app_.Image().dirty) {
    ShowTrayNotice(app_.Text(kDisconnectedNotice), app_.Text(kInfoCaption), kRemovalNoticeMs);
    return;
  }
  awaitingFirstSync_ = true;
  AskToSaveAfterRemoval();
}

void MainView::AskToSaveAfterRemoval() {
  Prompts& prompts = app_.Prompt();
  if (!prompts.AskYesNo(this, QString::fromUtf8(kSaveCaption),
                        QString::fromUtf8(kSaveAfterRemoval)))
    return;
  const QString path = prompts.AskSaveFileName(this, QString::fromLatin1(kModeFileFilter),
                                               QString::fromLatin1(kModeFileSuffix),
                                               QString::fromLatin1(kModeFileProposedName));
  if (!path.isEmpty()) app_.WriteModeFileReporting(path);
}

void MainView::OnMeterTimer() {
  if (app_.Image().syncComplete && app_.meterPollEnabled)
    app_.Connection().SendCommand(kCmdGetLevels);
}

void MainView::OnSyncComplete() {
  if (SyncDialog* dialog = app_.RunningSyncDialog()) dialog->Finish();
  MachineConnection& services = app_.Connection();
  // The model check; on a mismatch goodbye is said and the link closed, otherwise a mode
  // designated by an opened file's name is stored (commands 3 and 4, 20 ms apart).
  if (HandleSyncComplete(app_.Link(), app_.Image(), app_.pendingModeIndex, services.Time()) ==
      SyncOutcome::kModelMismatch) {
    meterTimer_.stop();
    ShowMismatchBox();
    emit SyncHandled();
    return;
  }
  RefreshAfterSync();
  app_.Connection().Sleep(kAfterSyncPauseMs);
  awaitingFirstSync_ = false;
  emit SyncHandled();
}

void MainView::ShowMismatchBox() {
  if (!mismatchWarningArmed_) return;
  mismatchWarningArmed_ = false;
  app_.Prompt().Tell(this, QString::fromUtf8(kErrorCaption), QString::fromUtf8(kModelMismatch),
                     PromptIcon::Error);
  mismatchWarningArmed_ = true;
}

void MainView::RefreshAfterSync() {
  if (MainFrameRibbon* ribbon = app_.MainFrame() ? app_.MainFrame()->Ribbon() : nullptr)
    ribbon->RefreshRibbonVolumes();
  if (panel_) panel_->SetPage(currentPage_, app_.uiLanguage);
  app_.RefreshOpenDialogs();
}

}  // namespace v7
