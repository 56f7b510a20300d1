#pragma once

#include <chrono>

#include "protocol/ReportSink.h"
#include "sync/SyncResult.h"

namespace v7 {

// As long as the link holds a request for the previous reply.
inline constexpr std::chrono::milliseconds kReplyWait{1800};
// Requests in a row without a reply after which the machine counts as not answering; a single
// lost reply costs only its wait.
inline constexpr int kUnansweredLimit = 3;

// The sink a sequence sends through: each request after the previous one's reply (or its
// wait), and nothing more once the machine has gone (a request refused, or the reader ended)
// or has stopped answering. Result() says which; kCompleted while nothing has gone wrong.
class PacedRequests : public ReportSink {
 public:
  PacedRequests(ReportSink& link, std::chrono::milliseconds replyWait);

  // 0, and nothing sent, once the sequence has failed.
  int WriteUsbData(const Report& report) override;
  // Waits up to `timeout` for the last request's reply and counts it; true when it came.
  bool AwaitReply(std::chrono::milliseconds timeout) override;
  bool IsOpen() const override { return link_.IsOpen(); }

  // Waits for the last request's reply, then gives the result.
  SyncResult Finish();
  SyncResult Result() const { return result_; }
  bool Failed() const { return result_ != SyncResult::kCompleted; }

 private:
  ReportSink& link_;
  const std::chrono::milliseconds replyWait_;
  bool awaitingReply_ = false;
  int unanswered_ = 0;
  SyncResult result_ = SyncResult::kCompleted;
};

}  // namespace v7
