#pragma once

#include <atomic>
#include <mutex>

#include "params/ParameterImage.h"
#include "protocol/LinkObserver.h"
#include "protocol/Report.h"

namespace v7 {

// Stores what each incoming report carries into the image (HandleReport), and keeps the last
// sent report with command 2 or 5 for the echo check of their replies.
class ReportDispatcher {
 public:
  explicit ReportDispatcher(ParameterImage& image);

  void SetObserver(LinkObserver* observer);
  // Called for every report sent; remembers those with command 2 or 5.
  void RememberSent(const Report& report);
  Report LastEchoReport() const;

  // Runs on the reader thread for every full incoming report. Unknown codes are ignored.
  void HandleReport(const Report& report);
  // Tells the observer that the reader stopped on a read error.
  void NotifyReaderEnded();

 private:
  void CheckEcho(const Report& report);
  void StoreMode(const Report& report);
  void StoreVolumes(const Report& report);
  void StoreLevels(const Report& report);
  void StoreDspWords(const Report& report);
  void StoreAutoSub(const Report& report);
  void StoreLearnedKey(const Report& report);
  void StoreRemoteKeys(const Report& report);
  void StoreModelName(const Report& report);
  void StoreMcuVersion(const Report& report);
  void StoreDeviceMemory(const Report& report);
  void StoreEqArea(const Report& report);
  void StoreSettings(const Report& report);
  void Tell(const LinkMessage& message);

  ParameterImage& image_;
  std::atomic<LinkObserver*> observer_{nullptr};
  mutable std::mutex echoMutex_;
  Report lastEchoReport_;
};

}  // namespace v7
