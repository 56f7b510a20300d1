#include "sim/SimulatedMachine.h"

#include <algorithm>

#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {
namespace {

constexpr DeviceSettings kFactorySettings = {
    0, kStartVolumeDisabled, kStartVolumeDisabled, 0, 0, 0, 0, 0x5A, 0xA5};
constexpr RemoteKeyTable kFactoryRemoteKeys = {0x01, 0x45, 0x46, 0x47, 0x44, 0x40, 0x43, 0x07,
                                               0x15, 0x09, 0x16, 0x19, 0x0D, 0x0C, 0x18, 0x5E};
constexpr uint8_t kLearnedCodeBase = 0x50;
constexpr uint8_t kLevelStep = 23;

Report Reply(uint8_t code, std::span<const uint8_t> args) {
  return BuildCommand(code, args);
}

Report Reply(uint8_t code, std::initializer_list<uint8_t> args = {}) {
  return BuildCommand(code, args);
}

Report TextReply(uint8_t code, const std::string& text) {
  const size_t count = std::min(text.size(), static_cast<size_t>(kMaxCommandArgs - 1));
  return Reply(code, std::span(reinterpret_cast<const uint8_t*>(text.data()), count));
}

// Reply to a memory or DSP read: the request's address, the length served, then the data.
Report DataReply(const Report& request, std::span<const uint8_t> data) {
  return BuildMemoryCommand(request.Code(), request.Address(), data);
}

// Acknowledgement of a memory or DSP write: address and length, no data.
Report WriteAck(const Report& request) {
  Report ack = BuildMemoryCommand(request.Code(), request.Address(), {});
  ack.bytes[kReportLengthByte] = request.bytes[kReportLengthByte];
  return ack;
}

int8_t ClampToSigned8(int value) {
  return static_cast<int8_t>(std::clamp(value, -128, 127));
}

}  // namespace

SimulatedMachine::SimulatedMachine(std::string path)
    : path_(std::move(path)), settings_(kFactorySettings), remoteKeys_(kFactoryRemoteKeys) {
  for (int mode = 0; mode < kModeCount; ++mode) factory_[mode] = FactoryMode(mode);
  stored_ = factory_;
  current_ = stored_[0];
}

SimulatedMachine::~SimulatedMachine() = default;

// --- behaviour ---

void SimulatedMachine::SetLatency(std::chrono::microseconds latency) {
  std::lock_guard lock(mutex_);
  latency_ = latency;
}

void SimulatedMachine::SetModelName(std::string name) {
  std::lock_guard lock(mutex_);
  modelName_ = std::move(name);
}

void SimulatedMachine::SetDropReplies(bool drop) {
  std::lock_guard lock(mutex_);
  dropAll_ = drop;
}

void SimulatedMachine::DropNextReplies(int count) {
  std::lock_guard lock(mutex_);
  dropCount_ = std::max(0, count);
}

void SimulatedMachine::DropEveryNthReply(int n) {
  std::lock_guard lock(mutex_);
  dropEvery_ = std::max(0, n);
  repliesSinceDrop_ = 0;
}

void SimulatedMachine::VanishAfterRequests(int count) {
  std::lock_guard lock(mutex_);
  vanishCountdown_ = std::max(0, count);
}

void SimulatedMachine::SetKeyLearnDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(mutex_);
  keyLearnDelay_ = delay;
}

void SimulatedMachine::SetLearnedKeyCode(std::optional<uint8_t> code) {
  std::lock_guard lock(mutex_);
  learnedKeyCode_ = code;
}

void SimulatedMachine::SetResetDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(mutex_);
  resetDelay_ = delay;
}

// --- presence ---

void SimulatedMachine::Disappear() {
  {
    std::lock_guard lock(mutex_);
    if (!present_) return;
    present_ = false;
    for (const auto& weak : inboxes_) {
      if (auto inbox = weak.lock()) inbox->Fail();
    }
    inboxes_.clear();
    if (pendingLearn_ != 0) delayed_.Cancel(pendingLearn_);
    pendingLearn_ = 0;
  }
  ChangePresence(false);
}

void SimulatedMachine::Reappear() {
  {
    std::lock_guard lock(mutex_);
    if (present_) return;
    present_ = true;
  }
  ChangePresence(true);
}

bool SimulatedMachine::IsPresent() const {
  std::lock_guard lock(mutex_);
  return present_;
}

int SimulatedMachine::AddPresenceListener(std::function<void(bool present)> listener) {
  std::lock_guard lock(listenerMutex_);
  listeners_.emplace_back(nextListenerId_, std::move(listener));
  return nextListenerId_++;
}

void SimulatedMachine::RemovePresenceListener(int id) {
  std::lock_guard lock(listenerMutex_);
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void SimulatedMachine::ChangePresence(bool present) {
  std::lock_guard lock(listenerMutex_);
  for (const auto& entry : listeners_) entry.second(present);
}

// --- the HID side ---

std::shared_ptr<SimulatedInbox> SimulatedMachine::OpenHandle() {
  std::lock_guard lock(mutex_);
  if (!present_) return nullptr;
  std::erase_if(inboxes_, [](const auto& weak) { return weak.expired(); });
  auto inbox = std::make_shared<SimulatedInbox>();
  inboxes_.push_back(inbox);
  return inbox;
}

int SimulatedMachine::OpenHandleCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(
      std::count_if(inboxes_.begin(), inboxes_.end(), [](const auto& w) { return !w.expired(); }));
}

bool SimulatedMachine::Receive(const Report& request) {
  bool reset = false;
  bool vanish = false;
  std::chrono::milliseconds resetDelay;
  {
    std::lock_guard lock(mutex_);
    if (!present_) return false;
    requests_.push_back(request);
    reset = request.Code() == kCmdReset && request.bytes[2] == kResetMagic;
    resetDelay = resetDelay_;
    vanish = vanishCountdown_ > 0 && --vanishCountdown_ == 0;
    if (!reset && !vanish) Broadcast(Answer(request), latency_);
  }
  if (vanish) Disappear();
  if (reset) {
    // The machine restarts: it leaves the bus and comes back a while later.
    Disappear();
    delayed_.Schedule(resetDelay, [this] { Reappear(); });
  }
  return true;
}

void SimulatedMachine::SendUnsolicited(const Report& report) {
  std::lock_guard lock(mutex_);
  if (present_) Broadcast({report}, latency_);
}

// Called with mutex_ held.
void SimulatedMachine::Broadcast(const Replies& replies, std::chrono::microseconds delay) {
  if (replies.empty()) return;
  if (dropAll_) return;
  if (dropCount_ > 0) {
    --dropCount_;
    return;
  }
  if (dropEvery_ > 0 && ++repliesSinceDrop_ == dropEvery_) {
    repliesSinceDrop_ = 0;
    return;
  }
  const auto due = std::chrono::steady_clock::now() + delay;
  for (const auto& weak : inboxes_) {
    if (auto inbox = weak.lock()) {
      for (const Report& reply : replies) inbox->Deliver(reply, due);
    }
  }
}

// --- answers (mutex_ held) ---

SimulatedMachine::Replies SimulatedMachine::Answer(const Report& request) {
  switch (request.Code()) {
    case kCmdModePreamble:
    case kCmdStoreMode:
    case kCmdLoadMode:
    case kCmdFactoryMode:
      return AnswerModeCommand(request);
    case kCmdGetMode:
      return {Reply(kCmdGetMode, {static_cast<uint8_t>(currentMode_)})};
    case kCmdGetVolumes:
      return {Volumes()};
    case kCmdGetLevels:
      return {Levels()};
    case kCmdWriteDsp:
      return WriteDsp(request);
    case kCmdReadDsp:
      return ReadDsp(request);
    case kCmdAutoSub:
      return AnswerAutoSub(request);
    case kCmdLearnKey:
      return StartLearning(request);
    case kCmdCancelLearn:
      return CancelLearning();
    case kCmdGetRemoteKeys:
      return {Reply(kCmdGetRemoteKeys, remoteKeys_)};
    case kCmdSetRemoteKeys:
      std::copy_n(request.bytes.begin() + 2, kRemoteKeyBytes, remoteKeys_.begin());
      return {Reply(kCmdSetRemoteKeys)};
    case kCmdGetProtocol:
      return {Reply(kCmdGetProtocol, {kDefaultProtocolVersion})};
    case kCmdGetModel:
      return {TextReply(kCmdGetModel, modelName_)};
    case kCmdGetMcuVersion:
      return {TextReply(kCmdGetMcuVersion, kDefaultMcuVersion)};
    case kCmdWriteMemory:
      return WriteMemory(request);
    case kCmdReadMemory:
      return ReadMemory(request);
    case kCmdSetSettings:
      std::copy_n(request.bytes.begin() + 2, kDeviceSettingsBytes, settings_.begin());
      return {Reply(kCmdSetSettings)};
    case kCmdGetSettings:
      return {Reply(kCmdGetSettings, settings_)};
    default:
      return {};  // goodbye and unknown codes get no answer
  }
}

SimulatedMachine::Replies SimulatedMachine::AnswerModeCommand(const Report& request) {
  const int mode = request.bytes[2];
  const bool valid = mode < kModeCount;
  if (valid && request.Code() == kCmdStoreMode) stored_[mode] = current_;
  if (valid && request.Code() == kCmdFactoryMode) stored_[mode] = factory_[mode];
  if (valid && (request.Code() == kCmdLoadMode || request.Code() == kCmdFactoryMode)) {
    current_ = stored_[mode];
    currentMode_ = mode;
  }
  if (valid && request.Code() == kCmdStoreMode) currentMode_ = mode;
  // A load is answered with an echo of the request, which the PC checks.
  if (request.Code() == kCmdLoadMode) return {request};
  return {Reply(request.Code(), {request.bytes[2]})};
}

SimulatedMachine::Replies SimulatedMachine::WriteDsp(const Report& request) {
  const int words = request.DataLength() / kDspWordBytes;
  for (int i = 0; i < words && request.Address() + i < kDspRamWords; ++i) {
    current_.dspRam[request.Address() + i] = GetDspWord(request.Data() + i * kDspWordBytes);
  }
  return {WriteAck(request)};
}

SimulatedMachine::Replies SimulatedMachine::ReadDsp(const Report& request) {
  const int available = std::max(0, kDspRamWords - request.Address());
  const int words = std::min(request.DataLength() / kDspWordBytes, available);
  std::array<uint8_t, kMaxReportData> data{};
  for (int i = 0; i < words; ++i) {
    PutDspWord(&data[i * kDspWordBytes], current_.dspRam[request.Address() + i]);
  }
  return {DataReply(request, std::span(data.data(), words * kDspWordBytes))};
}

SimulatedMachine::Replies SimulatedMachine::WriteMemory(const Report& request) {
  const int count = std::clamp(kDeviceMemoryBytes - request.Address(), 0, request.DataLength());
  std::copy_n(request.Data(), count,
              current_.memory.begin() + std::min(request.Address(), kDeviceMemoryBytes));
  return {WriteAck(request)};
}

SimulatedMachine::Replies SimulatedMachine::ReadMemory(const Report& request) {
  const int count = std::clamp(kDeviceMemoryBytes - request.Address(), 0, request.DataLength());
  const uint8_t* from = current_.memory.data() + std::min(request.Address(), kDeviceMemoryBytes);
  return {DataReply(request, std::span(from, count))};
}

SimulatedMachine::Replies SimulatedMachine::AnswerAutoSub(const Report& request) {
  if (request.bytes[2] == kAutoSubRead) {
    const auto& sub = current_.autoSub;
    return {Reply(kCmdAutoSub, {kAutoSubRead, sub[0], sub[1], sub[2]})};
  }
  std::copy_n(request.bytes.begin() + 3, 3, current_.autoSub.begin());
  return {Reply(kCmdAutoSub, {kAutoSubWrite})};
}

SimulatedMachine::Replies SimulatedMachine::StartLearning(const Report& request) {
  // The answer comes when the user presses a key on the remote: later, not now.
  if (pendingLearn_ != 0) delayed_.Cancel(pendingLearn_);
  const int index = request.bytes[2];
  pendingLearn_ = delayed_.Schedule(keyLearnDelay_, [this, index] { DeliverLearnedKey(index); });
  return {};
}

SimulatedMachine::Replies SimulatedMachine::CancelLearning() {
  if (pendingLearn_ != 0) delayed_.Cancel(pendingLearn_);
  pendingLearn_ = 0;
  return {Reply(kCmdCancelLearn)};
}

void SimulatedMachine::DeliverLearnedKey(int index) {
  std::lock_guard lock(mutex_);
  pendingLearn_ = 0;
  if (!present_) return;
  const uint8_t code = learnedKeyCode_.value_or(static_cast<uint8_t>(kLearnedCodeBase + index));
  if (index >= 1 && index <= kRemoteKeyCount) remoteKeys_[index] = code;
  Broadcast({Reply(kCmdLearnKey, {remoteKeys_[0], static_cast<uint8_t>(index), code})}, latency_);
}

Report SimulatedMachine::Levels() {
  // Two levels that wander over the meters' range at different speeds.
  levelPhase_ = static_cast<uint8_t>(levelPhase_ + kLevelStep);
  const auto first = static_cast<uint8_t>(levelPhase_ % (kLevelMaximum + 1));
  const auto second = static_cast<uint8_t>((levelPhase_ * 3u) % (kLevelMaximum + 1));
  return Reply(kCmdGetLevels, {first, second});
}

Report SimulatedMachine::Volumes() const {
  const int mic = DspWordToGain(current_.dspRam[kDspMicVolume]);
  const int music = DspWordToGain(current_.dspRam[kDspMusicVolume]);
  return Reply(kCmdGetVolumes, {static_cast<uint8_t>(ClampToSigned8(mic)),
                                static_cast<uint8_t>(ClampToSigned8(music))});
}

// --- inspection ---

std::vector<Report> SimulatedMachine::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<uint8_t> SimulatedMachine::RequestCodes() const {
  std::lock_guard lock(mutex_);
  std::vector<uint8_t> codes;
  for (const Report& request : requests_) codes.push_back(request.Code());
  return codes;
}

void SimulatedMachine::ClearRequests() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

MachineParameters SimulatedMachine::Current() const {
  std::lock_guard lock(mutex_);
  return current_;
}

void SimulatedMachine::SetCurrent(const MachineParameters& parameters) {
  std::lock_guard lock(mutex_);
  current_ = parameters;
}

MachineParameters SimulatedMachine::StoredMode(int mode) const {
  std::lock_guard lock(mutex_);
  return stored_[std::clamp(mode, 0, kModeCount - 1)];
}

int SimulatedMachine::CurrentMode() const {
  std::lock_guard lock(mutex_);
  return currentMode_;
}

DeviceSettings SimulatedMachine::Settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

void SimulatedMachine::SetSettings(const DeviceSettings& settings) {
  std::lock_guard lock(mutex_);
  settings_ = settings;
}

RemoteKeyTable SimulatedMachine::RemoteKeys() const {
  std::lock_guard lock(mutex_);
  return remoteKeys_;
}

void SimulatedMachine::SetRemoteKeys(const RemoteKeyTable& keys) {
  std::lock_guard lock(mutex_);
  remoteKeys_ = keys;
}

}  // namespace v7
