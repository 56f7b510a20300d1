#include "cli/MachineSession.h"

#include "cli/CliText.h"
#include "link/HidapiBackend.h"
#include "sim/SimulatedBackend.h"
#include "sync/ModelCheck.h"

namespace v7 {
namespace {

std::unique_ptr<SimulatedMachine> MakeMachine(const GlobalOptions& options) {
  if (!options.simulate) return nullptr;
  auto machine = std::make_unique<SimulatedMachine>();
  machine->SetLatency(std::chrono::milliseconds(options.simLatencyMs));
  machine->SetDropReplies(options.simSilent);
  if (!options.simModel.empty()) machine->SetModelName(options.simModel);
  return machine;
}

std::unique_ptr<HidBackend> MakeBackend(SimulatedMachine* machine) {
  if (machine) return std::make_unique<SimulatedBackend>(*machine);
  return std::make_unique<HidapiBackend>();
}

}  // namespace

MachineSession::MachineSession(CliContext& context)
    : context_(context),
      machine_(MakeMachine(context.options)),
      backend_(MakeBackend(machine_.get())),
      link_(std::make_unique<DeviceLink>(image_, *backend_)),
      accessors_(image_, *link_) {
  image_.FillStartupBands();
  if (context.options.trace) {
    ErrorLines& err = context.err;
    link_->SetReportTap([&err](ReportDirection direction, const Report& report) {
      err.Line((direction == ReportDirection::kSent ? "> " : "< ") + FormatReportHex(report));
    });
  }
}

MachineSession::~MachineSession() {
  if (link_->IsConnected()) link_->CloseUsbDeviceWithGoodbye();
  // The tap refers to the context's stream, which may end before the link's last report.
  link_->SetReportTap(nullptr);
}

int MachineSession::ReportOpenFailure(OpenResult result) {
  if (result == OpenResult::kPermissionDenied) {
    context_.err.Error(
        "the machine was found but may not be opened (permission denied); install the udev "
        "rule printed by 'v7ctl --print-udev-rules'");
  } else {
    context_.err.Error("no V7 machine found (USB 2010:0115)");
  }
  return kExitNoMachine;
}

int MachineSession::Connect() {
  const OpenResult result = link_->OpenUsbDevice();
  if (result != OpenResult::kOpened) return ReportOpenFailure(result);
  return Synchronise(SyncKind::kRead);
}

bool MachineSession::AwaitReply() {
  return link_->AwaitReply(kReplyWait);
}

bool MachineSession::ParametersRead() const {
  return IsExpectedModelExact(image_.modelName);
}

int MachineSession::Synchronise(SyncKind kind, int pendingModeIndex) {
  SyncResult result = SyncResult::kMachineLost;
  {
    SyncWorker worker(image_, *link_, context_.clock);
    if (!worker.StartSync(kind, [&result](SyncKind, SyncResult ended) { result = ended; }))
      return kExitFailure;
    worker.Wait();
  }
  if (result == SyncResult::kNotAnswering) {
    context_.err.Error("machine not answering");
    return kExitNoMachine;
  }
  AwaitReply();
  if (!RanToTheEnd(result) || !link_->IsConnected() || link_->IsReadThreadEnded()) {
    context_.err.Error("the connection to the machine was lost");
    return kExitFailure;
  }
  if (HandleSyncComplete(*link_, image_, pendingModeIndex, context_.clock) ==
      SyncOutcome::kModelMismatch) {
    context_.err.Error("the machine reports model \"" + image_.modelName +
                       "\"; this program is for the V7");
    return kExitModelMismatch;
  }
  return kExitOk;
}

}  // namespace v7
