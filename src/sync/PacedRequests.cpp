#include "sync/PacedRequests.h"

namespace v7 {

PacedRequests::PacedRequests(ReportSink& link, std::chrono::milliseconds replyWait)
    : link_(link), replyWait_(replyWait) {}

int PacedRequests::WriteUsbData(const Report& report) {
  if (awaitingReply_) AwaitReply(replyWait_);
  if (Failed()) return 0;
  const int written = link_.WriteUsbData(report);
  awaitingReply_ = written == kReportSize;
  if (!awaitingReply_) result_ = SyncResult::kMachineLost;
  return written;
}

bool PacedRequests::AwaitReply(std::chrono::milliseconds timeout) {
  if (!awaitingReply_) return !Failed();
  awaitingReply_ = false;
  if (link_.AwaitReply(timeout)) {
    unanswered_ = 0;
    return true;
  }
  if (!link_.IsOpen())
    result_ = SyncResult::kMachineLost;
  else if (++unanswered_ >= kUnansweredLimit)
    result_ = SyncResult::kNotAnswering;
  return false;
}

SyncResult PacedRequests::Finish() {
  AwaitReply(replyWait_);
  return result_;
}

}  // namespace v7
