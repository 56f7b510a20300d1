#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

namespace v7 {

class Application;
class PanelPlaceholder;
class TrayNotice;

// The main window's client area and the program's hub: it holds the channel panel at
// panelRect, the timers (first connection, level polling, notice removal) and the
// reaction to the machine arriving, leaving and finishing a synchronisation.
class MainView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFirstConnectTimerId = 1;
  static constexpr int kFirstConnectDelayMs = 250;
  static constexpr int kMeterTimerId = 3;
  static constexpr int kMeterPeriodMs = 300;
  static constexpr int kNoticeTimerId = 990;
  static constexpr int kMinPanelWidth = 800;
  static constexpr int kMinPanelHeight = 500;

  MainView(Application& app, QWidget* parent);
  ~MainView() override;

  // Start-up bands, language, the panel on the mic page, the language table, timer 1.
  void Create();

  QRect PanelRect() const { return panelRect_; }
  QWidget* ChannelPanel() const;
  int CurrentPage() const { return currentPage_; }
  void ShowPanelPage(int page);
  // Re-applies the panel's texts after a language switch.
  void ApplyPanelLanguage();

  // The notification balloon (or, without a tray, the banner inside the window).
  void ShowTrayNotice(const QString& text, const QString& title, int milliseconds);
  void RemoveTrayNotice();

  // Connection handling.
  bool TryConnect(int noticeMilliseconds);
  void OnDeviceArrival();
  void OnDeviceRemoval(const std::string& devicePath);
  void OnSyncComplete();
  void RefreshAfterSync();
  bool AwaitingFirstSync() const { return awaitingFirstSync_; }
  bool IsMeterTimerActive() const { return meterTimer_.isActive(); }

 signals:
  // Emitted at the end of every completion handling (after the model check passed or not).
  void SyncHandled();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void CreateTrayNotice();
  void TellPermissionProblemOnce();
  void OnFirstConnectTimer();
  void OnMeterTimer();
  void ConnectionSteps(int noticeMilliseconds);
  void AskToSaveAfterRemoval();
  void ShowMismatchBox();

  Application& app_;
  PanelPlaceholder* panel_ = nullptr;
  TrayNotice* tray_ = nullptr;
  std::unique_ptr<TrayNotice> ownTray_;
  bool permissionProblemTold_ = false;
  int currentPage_ = 0;
  QRect panelRect_{0, 0, kMinPanelWidth, kMinPanelHeight};
  bool awaitingFirstSync_ = true;
  bool mismatchWarningArmed_ = true;
  QTimer firstConnectTimer_;
  QTimer meterTimer_;
  QTimer noticeTimer_;
};

}  // namespace v7
