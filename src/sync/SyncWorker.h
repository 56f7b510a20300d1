#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "sync/PacedRequests.h"
#include "sync/SyncResult.h"

namespace v7 {

// Which way a synchronisation goes: machine to image, or image to machine.
enum class SyncKind : int { kRead = 0, kWrite = 1 };

// Told which sequence has finished and how. Called on the worker thread: the GUI posts the news
// to the UI thread and returns at once.
using SyncCompletion = std::function<void(SyncKind kind, SyncResult result)>;

inline constexpr std::chrono::milliseconds kReadStartPause{1500};
inline constexpr std::chrono::milliseconds kWriteStartPause{200};

// The synchronisation worker: one sequence at a time on its own thread. The read worker clears
// `syncComplete`, pauses 1500 ms (the machine's allowance after a connection or a mode load),
// runs the read sequence, reports completion and sets `syncComplete`; the write worker does
// the same with a 200 ms pause and the write sequence. A sequence that stopped because the
// machine has gone or is not answering is reported as such and leaves `syncComplete` clear.
// The GUI adds the modal dialog.
class SyncWorker {
 public:
  // `replyWait`: how long the sequences wait for each reply (the link's own wait).
  SyncWorker(ParameterImage& image, ReportSink& sink, Clock& clock,
             std::chrono::milliseconds replyWait = kReplyWait);
  ~SyncWorker();  // waits for a running sequence
  SyncWorker(const SyncWorker&) = delete;
  SyncWorker& operator=(const SyncWorker&) = delete;

  // False (and nothing started) while another sequence is still running.
  bool StartSync(SyncKind kind, SyncCompletion done);
  bool StartReadSync(SyncCompletion done);
  bool StartWriteSync(SyncCompletion done);

  bool IsRunning() const { return state_.load() == State::kRunning; }
  // Blocks until the current worker, if any, has ended.
  void Wait();

 private:
  enum class State { kIdle, kRunning, kFinishing };
  void Run(SyncKind kind, const SyncCompletion& done);
  SyncResult RunSequence(SyncKind kind);

  ParameterImage& image_;
  ReportSink& sink_;
  Clock& clock_;
  const std::chrono::milliseconds replyWait_;
  std::mutex startMutex_;
  std::atomic<State> state_{State::kIdle};
  std::thread thread_;
};

}  // namespace v7
