#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "params/ParameterImage.h"
#include "protocol/Report.h"
#include "sim/DelayedTasks.h"
#include "sim/MachineParameters.h"
#include "sim/SimulatedInbox.h"

namespace v7 {

// A stand-in for the V7 machine: device memory, DSP parameter RAM, four stored modes with
// factory contents, identity, settings, remote key table, mic-controlled subwoofer bytes and
// level values that move. It answers every request in the formats the program reads, after a
// configurable latency, and can be told to report another model, drop replies, or vanish.
// Thread-safe: requests arrive on writer threads, replies are read on the reader thread, and
// tests inspect and configure it from their own thread.
class SimulatedMachine {
 public:
  static constexpr char kDefaultPath[] = "/dev/hidraw-v7sim";
  static constexpr char kDefaultModelName[] = "V7";
  static constexpr char kDefaultMcuVersion[] = "2016-05-20";
  static constexpr uint8_t kDefaultProtocolVersion = 3;
  static constexpr std::chrono::microseconds kDefaultLatency{1000};
  static constexpr std::chrono::milliseconds kDefaultKeyLearnDelay{1500};
  static constexpr std::chrono::milliseconds kDefaultResetDelay{3000};
  static constexpr uint8_t kLevelMaximum = 230;

  explicit SimulatedMachine(std::string path = kDefaultPath);
  ~SimulatedMachine();
  SimulatedMachine(const SimulatedMachine&) = delete;
  SimulatedMachine& operator=(const SimulatedMachine&) = delete;

  // --- behaviour ---
  void SetLatency(std::chrono::microseconds latency);
  void SetModelName(std::string name);
  void SetDropReplies(bool drop);  // requests still take effect, nothing is answered
  void DropNextReplies(int count);
  // Drops every n-th answer from now on (0: none), as a lossy connection would.
  void DropEveryNthReply(int n);
  // Vanishes (as Disappear) right after taking `count` more requests, unanswered; 0 never.
  void VanishAfterRequests(int count);
  void SetKeyLearnDelay(std::chrono::milliseconds delay);
  // The code the next learned key reports; by default 0x50 + key index.
  void SetLearnedKeyCode(std::optional<uint8_t> code);
  void SetResetDelay(std::chrono::milliseconds delay);

  // --- presence ---
  // Gone: open handles fail their reads and writes, enumeration no longer lists it, presence
  // listeners hear of it. Back: listed again (handles must be opened anew).
  void Disappear();
  void Reappear();
  bool IsPresent() const;
  const std::string& Path() const { return path_; }
  int AddPresenceListener(std::function<void(bool present)> listener);
  void RemovePresenceListener(int id);

  // --- the HID side, used by SimulatedHidDevice ---
  // A new handle's inbox, or null while the machine is absent.
  std::shared_ptr<SimulatedInbox> OpenHandle();
  // One report written by the PC; false while absent (the write fails).
  bool Receive(const Report& request);
  // A report the machine sends on its own (e.g. 9 or 143).
  void SendUnsolicited(const Report& report);
  int OpenHandleCount() const;

  // --- inspection and set-up for tests ---
  std::vector<Report> Requests() const;
  std::vector<uint8_t> RequestCodes() const;
  void ClearRequests();
  MachineParameters Current() const;
  void SetCurrent(const MachineParameters& parameters);
  MachineParameters StoredMode(int mode) const;
  int CurrentMode() const;
  DeviceSettings Settings() const;
  void SetSettings(const DeviceSettings& settings);
  RemoteKeyTable RemoteKeys() const;
  void SetRemoteKeys(const RemoteKeyTable& keys);

 private:
  using Replies = std::vector<Report>;

  Replies Answer(const Report& request);
  Replies AnswerModeCommand(const Report& request);
  Replies WriteDsp(const Report& request);
  Replies ReadDsp(const Report& request);
  Replies WriteMemory(const Report& request);
  Replies ReadMemory(const Report& request);
  Replies AnswerAutoSub(const Report& request);
  Replies StartLearning(const Report& request);
  Replies CancelLearning();
  Replies StartReset(const Report& request);
  Report Levels();
  Report Volumes() const;
  void Broadcast(const Replies& replies, std::chrono::microseconds delay);
  void DeliverLearnedKey(int index);
  void ChangePresence(bool present);

  const std::string path_;
  mutable std::mutex mutex_;
  // state
  std::array<MachineParameters, kModeCount> factory_;
  std::array<MachineParameters, kModeCount> stored_;
  MachineParameters current_;
  int currentMode_ = 0;
  DeviceSettings settings_;
  RemoteKeyTable remoteKeys_;
  std::string modelName_ = kDefaultModelName;
  uint8_t levelPhase_ = 0;
  bool present_ = true;
  // behaviour
  std::chrono::microseconds latency_ = kDefaultLatency;
  bool dropAll_ = false;
  int dropCount_ = 0;
  int dropEvery_ = 0;
  int repliesSinceDrop_ = 0;
  int vanishCountdown_ = 0;
  std::chrono::milliseconds keyLearnDelay_ = kDefaultKeyLearnDelay;
  std::optional<uint8_t> learnedKeyCode_;
  std::chrono::milliseconds resetDelay_ = kDefaultResetDelay;
  int pendingLearn_ = 0;  // delayed task id, 0 when not learning
  // the HID side
  std::vector<std::weak_ptr<SimulatedInbox>> inboxes_;
  std::vector<Report> requests_;
  std::mutex listenerMutex_;
  std::vector<std::pair<int, std::function<void(bool)>>> listeners_;
  int nextListenerId_ = 1;
  // Last, so that it is destroyed first: its tasks call back into the machine.
  DelayedTasks delayed_;
};

}  // namespace v7
