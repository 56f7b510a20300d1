#include "controllers/MachineConnection.h"

#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

#include "controllers/MachineSeams.h"
#include "link/Clock.h"
#include "link/HidapiBackend.h"
#include "link/LinkMessageText.h"
#include "link/UdevHotplugMonitor.h"
#include "params/ParameterImage.h"
#include "protocol/Protocol.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"

namespace v7 {

namespace {

// --simulate: the built-in machine is plugged in this long after the watching starts.
constexpr int kSimulatedPlugDelayMs = 500;

}  // namespace

struct MachineConnection::Machine {
  std::unique_ptr<SimulatedMachine> simulated;
  std::unique_ptr<HidBackend> ownBackend;
  std::unique_ptr<HotplugMonitor> ownHotplug;
  HidBackend* backend = nullptr;
  HotplugMonitor* hotplug = nullptr;
  std::unique_ptr<QSocketNotifier> hotplugNotifier;
};

MachineConnection::MachineConnection(const MachineSeams& seams, QObject* parent)
    : QObject(parent),
      image_(std::make_unique<ParameterImage>()),
      machine_(std::make_unique<Machine>()),
      clock_(seams.clock ? seams.clock : &SystemClock::Instance()) {
  machine_->backend = seams.backend;
  machine_->hotplug = seams.hotplug;
  if (seams.simulate && !machine_->backend) CreateSimulatedMachine();
  if (!machine_->backend) {
    machine_->ownBackend = std::make_unique<HidapiBackend>();
    machine_->backend = machine_->ownBackend.get();
  }
  link_ = std::make_unique<DeviceLink>(*image_, *machine_->backend);
  link_->SetObserver(this);
  syncWorker_ = std::make_unique<SyncWorker>(*image_, *link_, *clock_);
}

// Unplugged at first; StartHotplug plugs it in, so the program meets it as an arrival.
void MachineConnection::CreateSimulatedMachine() {
  machine_->simulated = std::make_unique<SimulatedMachine>();
  machine_->simulated->Disappear();
  machine_->ownBackend = std::make_unique<SimulatedBackend>(*machine_->simulated);
  machine_->backend = machine_->ownBackend.get();
  if (!machine_->hotplug) {
    machine_->ownHotplug = std::make_unique<SimulatedHotplugMonitor>(*machine_->simulated);
    machine_->hotplug = machine_->ownHotplug.get();
  }
}

MachineConnection::~MachineConnection() {
  link_->CloseUsbDevice();
  syncWorker_.reset();  // waits for a running sequence before the link goes
}

OpenResult MachineConnection::OpenUsbDevice() {
  return link_->OpenUsbDevice();
}

int MachineConnection::SendCommand(uint8_t code, std::initializer_list<uint8_t> args) {
  return v7::SendCommand(*link_, code, args);
}

void MachineConnection::Sleep(int milliseconds) {
  clock_->SleepFor(std::chrono::milliseconds(milliseconds));
}

bool MachineConnection::StartSync(SyncKind kind) {
  // The completion is posted: the worker never waits for the user interface.
  SyncCompletion done = [this](SyncKind finished, SyncResult result) {
    QMetaObject::invokeMethod(
        this, [this, finished, result] { emit SyncFinished(finished, result); },
        Qt::QueuedConnection);
  };
  return kind == SyncKind::kRead ? syncWorker_->StartReadSync(std::move(done))
                                 : syncWorker_->StartWriteSync(std::move(done));
}

void MachineConnection::StartHotplug() {
  if (!machine_->hotplug) {
    machine_->ownHotplug = UdevHotplugMonitor::Create();
    machine_->hotplug = machine_->ownHotplug.get();
  }
  if (!machine_->hotplug) {
    emit UserMessage(QString::fromLatin1(kHotplugRegisterErrorCaption),
                     QString::fromLatin1(kHotplugRegisterErrorText), false);
    return;
  }
  machine_->hotplugNotifier =
      std::make_unique<QSocketNotifier>(machine_->hotplug->FileDescriptor(), QSocketNotifier::Read);
  connect(machine_->hotplugNotifier.get(), &QSocketNotifier::activated, this,
          &MachineConnection::DrainHotplugEvents);
  if (machine_->simulated) {
    QTimer::singleShot(kSimulatedPlugDelayMs, this, [this] { machine_->simulated->Reappear(); });
  }
}

void MachineConnection::DrainHotplugEvents() {
  for (const HotplugEvent& event : machine_->hotplug->DrainPendingEvents()) {
    if (event.kind == HotplugEvent::Kind::kAdded)
      emit DeviceArrived();
    else
      emit DeviceRemoved(QString::fromStdString(event.devnode));
  }
}

// The reader thread never waits for the user interface: everything is posted.
void MachineConnection::OnKeyLearned(int code) {
  QMetaObject::invokeMethod(
      this, [this, code] { emit KeyLearned(code); }, Qt::QueuedConnection);
}

// Worded on the user-interface thread; the reader only posts what arrived.
void MachineConnection::OnLinkMessage(const LinkMessage& message) {
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        const LinkMessageBox box = LinkMessageText(message);
        emit UserMessage(QString::fromStdString(box.caption), QString::fromStdString(box.text),
                         box.icon == LinkMessageBox::Icon::kError);
      },
      Qt::QueuedConnection);
}

// A reader that stopped on a read error has lost the machine (unplugged, or reset): that is
// its removal, whether or not a hot-plug notice follows (none comes when watching could not
// start). The path is taken now, so a later link on another device is not closed by it.
void MachineConnection::OnReaderEnded() {
  const QString path = QString::fromStdString(link_->DevicePath());
  QMetaObject::invokeMethod(
      this, [this, path] { emit DeviceRemoved(path); }, Qt::QueuedConnection);
}

}  // namespace v7
