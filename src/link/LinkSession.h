#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "link/HidDevice.h"
#include "link/ReportTapRelay.h"
#include "link/SendToken.h"
#include "params/ParameterImage.h"
#include "protocol/ReportDispatcher.h"

namespace v7 {

// One open connection: the reader thread with its own read handle, the write handle used only
// under the write lock, and the pacing token. hidapi handles are not safe across threads, so
// each handle has one user; the read handle is closed only once the reader has ended.
class LinkSession : public std::enable_shared_from_this<LinkSession> {
 public:
  struct Parts {
    std::unique_ptr<HidDevice> readDevice;
    std::unique_ptr<HidDevice> writeDevice;
    std::shared_ptr<ReportDispatcher> dispatcher;
    std::shared_ptr<ReportTapRelay> tap;
    std::chrono::milliseconds readPoll{100};
  };

  LinkSession(ParameterImage& image, Parts parts);
  ~LinkSession();

  // Starts the reader thread (ReaderLoop); the thread holds the session until it ends.
  void StartReader();
  // Sets the stop flag and waits up to `timeout` for the reader to end, then closes the read
  // handle. A reader that does not end in time is let go and keeps its read handle, which it
  // closes itself when it does end: a handle is never closed under a running read.
  bool StopReader(std::chrono::milliseconds timeout);

  // The write path of WriteUsbData, after the connection checks.
  int Write(const Report& report, std::chrono::milliseconds tokenWait);
  void CloseWriteHandle();

  bool IsReadThreadEnded() const { return readerEnded_.load(); }
  // Waits until the reply to the last request has been handled. False when it has not come
  // within `timeout` (the next request then goes at once) or the reader has ended (at once).
  bool AwaitReply(std::chrono::milliseconds timeout);
  // Writers (and reply waiters) waiting for the send token now.
  int WaitingForToken() const { return sendToken_.Waiting(); }

 private:
  // Reads and dispatches until stopped or a read fails.
  void ReaderLoop();
  // One read and dispatch; false on a read error.
  bool ReadUsbData();
  void Dispatch(const Report& report);
  void EndOnReadError();
  // Returns whether close let the reader go (then the reader closes its own handle).
  bool MarkReaderExited();

  ParameterImage& image_;
  Parts parts_;
  SendToken sendToken_;
  std::mutex writeLock_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> readerEnded_{false};  // ended on a read error
  std::mutex exitMutex_;
  std::condition_variable exitSignal_;
  bool readerExited_ = false;
  bool abandoned_ = false;
  std::thread reader_;
};

}  // namespace v7
