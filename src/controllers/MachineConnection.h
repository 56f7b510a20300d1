#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include "link/DeviceLink.h"
#include "protocol/LinkObserver.h"
#include "sync/SyncWorker.h"

namespace v7 {

class Clock;
class ParameterImage;
struct MachineSeams;

// The machine side of the program as the windows see it: the parameter image, the link,
// the hot-plug notices and the synchronisation workers. Everything that happens on another
// thread (a learned key, a finished synchronisation, a lost device, a hot-plug notice) arrives
// here as a signal on the user-interface thread.
class MachineConnection : public QObject, private LinkObserver {
  Q_OBJECT

 public:
  explicit MachineConnection(const MachineSeams& seams, QObject* parent = nullptr);
  ~MachineConnection() override;

  ParameterImage& Image() { return *image_; }
  DeviceLink& Link() { return *link_; }
  Clock& Time() { return *clock_; }

  OpenResult OpenUsbDevice();
  bool IsOpen() const { return link_->IsConnected(); }
  void CloseUsbDevice() { link_->CloseUsbDevice(); }
  void CloseUsbDeviceWithGoodbye() { link_->CloseUsbDeviceWithGoodbye(); }
  int SendCommand(uint8_t code, std::initializer_list<uint8_t> args = {});
  void Sleep(int milliseconds);

  // Starts a read or write worker; SyncFinished follows when it has ended, saying how. False
  // when a worker is still running (nothing is started then).
  bool StartSync(SyncKind kind);

  // Starts watching for arrivals and removals (and, when simulating, plugs the built-in
  // machine in shortly afterwards).
  void StartHotplug();

 signals:
  void DeviceArrived();
  void DeviceRemoved(const QString& devicePath);
  void SyncFinished(SyncKind kind, SyncResult result);
  void KeyLearned(int code);
  // A box to show: a reply the user must hear of, or hot-plug watching that could not start.
  void UserMessage(const QString& caption, const QString& text, bool error);

 private:
  void OnKeyLearned(int code) override;
  void OnLinkMessage(const LinkMessage& message) override;
  void OnReaderEnded() override;
  void DrainHotplugEvents();
  void CreateSimulatedMachine();

  struct Machine;
  std::unique_ptr<ParameterImage> image_;
  std::unique_ptr<Machine> machine_;
  Clock* clock_ = nullptr;
  std::unique_ptr<DeviceLink> link_;
  std::unique_ptr<SyncWorker> syncWorker_;
};

}  // namespace v7
