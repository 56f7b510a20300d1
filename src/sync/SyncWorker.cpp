#include "sync/SyncWorker.h"

#include "protocol/Trace.h"
#include "sync/ReadSequence.h"
#include "sync/WriteSequence.h"

namespace v7 {

SyncWorker::SyncWorker(ParameterImage& image, ReportSink& sink, Clock& clock,
                       std::chrono::milliseconds replyWait)
    : image_(image), sink_(sink), clock_(clock), replyWait_(replyWait) {}

SyncWorker::~SyncWorker() {
  Wait();
}

bool SyncWorker::StartReadSync(SyncCompletion done) {
  return StartSync(SyncKind::kRead, std::move(done));
}

bool SyncWorker::StartWriteSync(SyncCompletion done) {
  return StartSync(SyncKind::kWrite, std::move(done));
}

bool SyncWorker::StartSync(SyncKind kind, SyncCompletion done) {
  std::lock_guard lock(startMutex_);
  if (state_.load() == State::kRunning) {
    Trace("SynchronizeData already running: request ignored");
    return false;
  }
  // A worker that has reported completion is only setting its flag: wait for it to end.
  if (thread_.joinable()) thread_.join();
  Trace("Start thread:SynchronizeData\n");
  state_ = State::kRunning;
  image_.syncComplete = false;
  thread_ = std::thread([this, kind, done = std::move(done)] { Run(kind, done); });
  return true;
}

void SyncWorker::Run(SyncKind kind, const SyncCompletion& done) {
  const SyncResult result = RunSequence(kind);
  state_ = State::kFinishing;
  if (done) done(kind, result);
  // Only a sequence that ran to its end leaves the image synchronised.
  if (RanToTheEnd(result)) image_.syncComplete = true;
  state_ = State::kIdle;
}

SyncResult SyncWorker::RunSequence(SyncKind kind) {
  if (kind == SyncKind::kRead) {
    clock_.SleepFor(kReadStartPause);
    return ReadAllParameters(sink_, image_, clock_, replyWait_);
  }
  clock_.SleepFor(kWriteStartPause);
  return WriteAllParameters(sink_, image_, replyWait_);
}

void SyncWorker::Wait() {
  std::lock_guard lock(startMutex_);
  if (thread_.joinable()) thread_.join();
}

}  // namespace v7
