#pragma once

#include <memory>

#include "cli/CliContext.h"
#include "edit/ParameterAccessors.h"
#include "link/DeviceLink.h"
#include "link/HidBackend.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedMachine.h"
#include "sync/SyncCompletion.h"
#include "sync/SyncWorker.h"

namespace v7 {

// One connection of v7ctl to the machine (real or simulated): opens it, runs the read
// sequence with the model check as the program does on every connection, and says goodbye
// when it ends.
class MachineSession {
 public:
  explicit MachineSession(CliContext& context);
  ~MachineSession();  // goodbye and close, if still open
  MachineSession(const MachineSession&) = delete;
  MachineSession& operator=(const MachineSession&) = delete;

  // Opens the link and reads the machine. Returns an exit code: kExitOk, kExitNoMachine,
  // kExitModelMismatch or kExitFailure (the message is already printed).
  int Connect();
  // Runs one sequence on the worker and its completion handling (model check, then the store
  // into a pending mode). Same exit codes as Connect.
  int Synchronise(SyncKind kind, int pendingModeIndex = kNoPendingMode);
  // Waits until the last request's reply has been stored. False when it never came.
  bool AwaitReply();

  // False when the read sequence stopped after the identity requests, as it does for a model
  // name that passes the check only by ignoring letter case: the image then holds start-up
  // values, not the machine's parameters.
  bool ParametersRead() const;

  ParameterImage& Image() { return image_; }
  DeviceLink& Link() { return *link_; }
  ParameterAccessors& Accessors() { return accessors_; }

 private:
  int ReportOpenFailure(OpenResult result);

  CliContext& context_;
  ParameterImage image_;
  std::unique_ptr<SimulatedMachine> machine_;
  std::unique_ptr<HidBackend> backend_;
  std::unique_ptr<DeviceLink> link_;
  ParameterAccessors accessors_;
};

}  // namespace v7
