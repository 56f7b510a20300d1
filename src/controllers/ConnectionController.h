#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "sync/SyncCompletion.h"
#include "sync/SyncResult.h"

class QWidget;

namespace v7 {

class ConnectionHost;
class MachineConnection;
class Prompts;

// The program's handling of the machine coming and going: the first attempt to connect
// shortly after start-up, arrivals and removals, the read synchronisation after every
// connection, the model check when it completes, the level polling while connected, and
// the save question when a changed machine is unplugged. It owns no window: it asks through
// the prompts seam and requests notices, which the view shows.
class ConnectionController : public QObject {
  Q_OBJECT

 public:
  static constexpr int kFirstConnectDelayMs = 250;
  static constexpr int kLevelPollPeriodMs = 300;
  static constexpr int kFirstNoticeMs = 5000;
  static constexpr int kArrivalNoticeMs = 4000;
  static constexpr int kRemovalNoticeMs = 5000;

  ConnectionController(MachineConnection& machine, ConnectionHost& host, Prompts& prompts,
                       QObject* parent = nullptr);

  // The window that owns the boxes and questions (null: none).
  void SetPromptOwner(QWidget* owner) { promptOwner_ = owner; }
  // Makes the first attempt to connect kFirstConnectDelayMs from now.
  void Start();

  // Opens the machine and, when that worked, synchronises: false when it could not be opened.
  bool TryConnect(int noticeMilliseconds);
  void OnDeviceArrival();
  // Closes the link when `devicePath` is the open device's (letter case ignored).
  void OnDeviceRemoval(const QString& devicePath);
  // A sequence has ended: the model check when it ran to its end, else what the user must hear.
  void OnSyncComplete(SyncResult result);

  bool AwaitingFirstSync() const { return awaitingFirstSync_; }
  bool IsLevelPollingActive() const { return levelTimer_.isActive(); }
  // The About box's switch: while off, the running poll sends nothing.
  bool LevelPollingEnabled() const { return levelPollingEnabled_; }
  void SetLevelPollingEnabled(bool enabled) { levelPollingEnabled_ = enabled; }
  // The machine mode an opened file's name designates: stored after the next completed
  // synchronisation (kNoPendingMode for none).
  int PendingMode() const { return pendingMode_; }
  void SetPendingMode(int mode) { pendingMode_ = mode; }

 signals:
  // A notice for the tray (or the banner that stands in for it).
  void NoticeRequested(const QString& title, const QString& text, int milliseconds);
  // The machine has just been opened, before its synchronisation: windows that show the
  // settings of a machine close here.
  void Connected();
  // A synchronisation completed with the right model: the windows show the image again.
  void SyncAccepted();
  // The end of every completion handling (after the model check passed or not).
  void SyncHandled();
  // A tick of the level polling: the image holds the levels the machine last sent.
  void LevelsPolled();

 private:
  void TellPermissionProblemOnce();
  void SynchroniseAfterConnecting(int noticeMilliseconds);
  void AskToSaveAfterRemoval();
  void ShowMismatchBox();
  void TellSyncStopped(SyncResult result);
  void PollLevels();

  MachineConnection& machine_;
  ConnectionHost& host_;
  Prompts& prompts_;
  QWidget* promptOwner_ = nullptr;
  QTimer firstConnectTimer_;
  QTimer levelTimer_;
  int pendingMode_ = kNoPendingMode;
  bool awaitingFirstSync_ = true;
  int connectedNoticeMs_ = kFirstNoticeMs;
  bool levelPollingEnabled_ = true;
  bool permissionProblemTold_ = false;
  bool mismatchWarningArmed_ = true;
};

}  // namespace v7
