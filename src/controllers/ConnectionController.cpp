#include "controllers/ConnectionController.h"

#include "controllers/ConnectionHost.h"
#include "controllers/MachineConnection.h"
#include "controllers/ModeFileFilter.h"
#include "controllers/Prompts.h"
#include "i18n/TextPair.h"
#include "params/ParameterImage.h"
#include "protocol/Commands.h"
#include "protocol/Trace.h"

namespace v7 {

namespace {

constexpr int kAfterSyncPauseMs = 150;

constexpr TextPair kInfoCaption{"信息", "Information"};
constexpr TextPair kConnectedNotice{"设备已连接，同步中……", "Device connected!"};
// Replaces the notice above once the first synchronisation has ended, so it no longer says
// a sync is running.
constexpr TextPair kSyncedNotice{"设备已连接!", "Device connected!"};
constexpr TextPair kDisconnectedNotice{"设备已断开!", "Device Disconnected!"};
constexpr char kSaveCaption[] = "保存?";
constexpr char kSaveAfterRemoval[] = "设备已断开，请问是否需要保存参数文件?";
constexpr char kErrorCaption[] = "错误";
constexpr char kModelMismatch[] = "机器型号与软件不匹配!";
constexpr TextPair kErrorCaptionPair{"错误", "Error"};
constexpr TextPair kNotAnswering{"机器没有响应，同步已停止!",
                                 "The machine is not answering; the synchronisation has stopped."};
constexpr TextPair kNoPermission{
    "已找到机器，但当前用户没有打开它的权限。\n\n"
    "请安装 udev 规则 60-v7-control.rules（随程序安装，也可用 \"v7ctl --print-udev-rules\" "
    "输出）到 /etc/udev/rules.d/，然后重新插拔机器，或运行 \"sudo udevadm trigger\"。",
    "The machine is plugged in, but this user may not open it.\n\n"
    "Install the udev rule 60-v7-control.rules (installed with the program, or printed by "
    "\"v7ctl --print-udev-rules\") into /etc/udev/rules.d/, then unplug and replug the machine "
    "or run \"sudo udevadm trigger\"."};

}  // namespace

ConnectionController::ConnectionController(MachineConnection& machine, ConnectionHost& host,
                                           Prompts& prompts, QObject* parent)
    : QObject(parent), machine_(machine), host_(host), prompts_(prompts) {
  firstConnectTimer_.setSingleShot(true);
  connect(&firstConnectTimer_, &QTimer::timeout, this, [this] { TryConnect(kFirstNoticeMs); });
  levelTimer_.setInterval(kLevelPollPeriodMs);
  connect(&levelTimer_, &QTimer::timeout, this, &ConnectionController::PollLevels);

  connect(&machine_, &MachineConnection::DeviceArrived, this,
          &ConnectionController::OnDeviceArrival);
  connect(&machine_, &MachineConnection::DeviceRemoved, this,
          &ConnectionController::OnDeviceRemoval);
  connect(&machine_, &MachineConnection::SyncFinished, this,
          [this](SyncKind, SyncResult result) { OnSyncComplete(result); });
}

void ConnectionController::Start() {
  firstConnectTimer_.start(kFirstConnectDelayMs);
}

bool ConnectionController::TryConnect(int noticeMilliseconds) {
  const OpenResult result = machine_.OpenUsbDevice();
  if (result == OpenResult::kPermissionDenied) TellPermissionProblemOnce();
  if (result != OpenResult::kOpened) return false;
  emit Connected();
  SynchroniseAfterConnecting(noticeMilliseconds);
  return true;
}

void ConnectionController::OnDeviceArrival() {
  TryConnect(kArrivalNoticeMs);
}

void ConnectionController::SynchroniseAfterConnecting(int noticeMilliseconds) {
  const Language language = host_.InterfaceLanguage();
  emit NoticeRequested(kInfoCaption.In(language), kConnectedNotice.In(language),
                       noticeMilliseconds);
  connectedNoticeMs_ = noticeMilliseconds;
  awaitingFirstSync_ = true;
  host_.StartReadSync();
  // The link may have been closed meanwhile (removal, other model): then nothing is polled.
  if (machine_.IsOpen()) levelTimer_.start();
}

void ConnectionController::TellPermissionProblemOnce() {
  if (permissionProblemTold_) return;
  permissionProblemTold_ = true;
  const Language language = host_.InterfaceLanguage();
  prompts_.Tell(promptOwner_, kInfoCaption.In(language), kNoPermission.In(language),
                PromptIcon::Warning);
}

void ConnectionController::OnDeviceRemoval(const QString& devicePath) {
  Trace("removed!\n");
  const QString openPath = QString::fromStdString(machine_.Link().DevicePath());
  if (!machine_.IsOpen() || openPath.isEmpty() ||
      devicePath.compare(openPath, Qt::CaseInsensitive) != 0)
    return;
  machine_.CloseUsbDevice();
  levelTimer_.stop();
  if (awaitingFirstSync_ || !machine_.Image().dirty) {
    const Language language = host_.InterfaceLanguage();
    emit NoticeRequested(kInfoCaption.In(language), kDisconnectedNotice.In(language),
                         kRemovalNoticeMs);
    return;
  }
  awaitingFirstSync_ = true;
  AskToSaveAfterRemoval();
}

void ConnectionController::AskToSaveAfterRemoval() {
  if (!prompts_.AskYesNo(promptOwner_, QString::fromUtf8(kSaveCaption),
                         QString::fromUtf8(kSaveAfterRemoval)))
    return;
  const QString path = prompts_.AskSaveFileName(promptOwner_, QString::fromLatin1(kModeFileFilter),
                                                QString::fromLatin1(kModeFileSuffix),
                                                QString::fromLatin1(kModeFileProposedName));
  if (!path.isEmpty()) host_.WriteModeFileReporting(path);
}

void ConnectionController::PollLevels() {
  if (machine_.Image().syncComplete && levelPollingEnabled_) machine_.SendCommand(kCmdGetLevels);
  emit LevelsPolled();
}

void ConnectionController::OnSyncComplete(SyncResult result) {
  host_.EndSyncDialog();
  // A sequence that stopped early leaves the image as it was: no model check, no refresh and
  // no pending store. A lost machine is handled as its removal, which its reader posts.
  if (!RanToTheEnd(result)) {
    TellSyncStopped(result);
    emit SyncHandled();
    return;
  }
  // The model check; on a mismatch goodbye is said and the link closed, otherwise a mode
  // designated by an opened file's name is stored (commands 3 and 4, 20 ms apart).
  if (HandleSyncComplete(machine_.Link(), machine_.Image(), pendingMode_, machine_.Time()) ==
      SyncOutcome::kModelMismatch) {
    levelTimer_.stop();
    ShowMismatchBox();
    emit SyncHandled();
    return;
  }
  if (awaitingFirstSync_) {
    const Language language = host_.InterfaceLanguage();
    emit NoticeRequested(kInfoCaption.In(language), kSyncedNotice.In(language), connectedNoticeMs_);
  }
  emit SyncAccepted();
  machine_.Sleep(kAfterSyncPauseMs);
  awaitingFirstSync_ = false;
  emit SyncHandled();
}

void ConnectionController::TellSyncStopped(SyncResult result) {
  if (result != SyncResult::kNotAnswering) return;
  const Language language = host_.InterfaceLanguage();
  prompts_.Tell(promptOwner_, kErrorCaptionPair.In(language), kNotAnswering.In(language),
                PromptIcon::Error);
}

void ConnectionController::ShowMismatchBox() {
  if (!mismatchWarningArmed_) return;
  mismatchWarningArmed_ = false;
  prompts_.Tell(promptOwner_, QString::fromUtf8(kErrorCaption), QString::fromUtf8(kModelMismatch),
                PromptIcon::Error);
  mismatchWarningArmed_ = true;
}

}  // namespace v7
