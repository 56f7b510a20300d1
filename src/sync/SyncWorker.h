#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"

namespace v7 {

// Which way a synchronisation goes: machine to image, or image to machine.
enum class SyncKind : int { kRead = 0, kWrite = 1 };

// Told which sequence has finished. Called on the worker thread: the GUI posts the news to the
// UI thread and returns at once.
using SyncCompletion = std::function<void(SyncKind kind)>;

inline constexpr std::chrono::milliseconds kReadStartPause{1500};
inline constexpr std::chrono::milliseconds kWriteStartPause{200};

// The synchronisation worker: one sequence at a time on its own thread. The read worker clears
// `syncComplete`, pauses 1500 ms (the machine's allowance after a connection or a mode load),
// runs the read sequence, reports completion and sets `syncComplete`; the write worker does
// the same with a 200 ms pause and the write sequence. The GUI adds the modal dialog.
class SyncWorker {
 public:
  SyncWorker(ParameterImage& image, ReportSink& sink, Clock& clock);
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

  ParameterImage& image_;
  ReportSink& sink_;
  Clock& clock_;
  std::mutex startMutex_;
  std::atomic<State> state_{State::kIdle};
  std::thread thread_;
};

}  // namespace v7
