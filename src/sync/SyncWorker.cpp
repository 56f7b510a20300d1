#include "sync/SyncWorker.h"

#include "protocol/Trace.h"
#include "sync/ReadSequence.h"
#include "sync/WriteSequence.h"

namespace v7 {

SyncWorker::SyncWorker(ParameterImage& image, ReportSink& sink, Clock& clock)
    : image_(image), sink_(sink), clock_(clock) {}

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
  if (kind == SyncKind::kRead) {
    clock_.SleepFor(kReadStartPause);
    ReadAllParameters(sink_, image_, clock_);
  } else {
    clock_.SleepFor(kWriteStartPause);
    WriteAllParameters(sink_, image_);
  }
  state_ = State::kFinishing;
  if (done) done(kind);
  image_.syncComplete = true;
  state_ = State::kIdle;
}

void SyncWorker::Wait() {
  std::lock_guard lock(startMutex_);
  if (thread_.joinable()) thread_.join();
}

}  // namespace v7
