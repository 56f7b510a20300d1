#include "link/LinkSession.h"

#include <algorithm>
#include <string>

#include "protocol/Trace.h"

namespace v7 {

LinkSession::LinkSession(ParameterImage& image, Parts parts)
    : image_(image), parts_(std::move(parts)) {}

LinkSession::~LinkSession() {
  // Only reached once the reader has been joined or let go (it holds the session while alive).
  if (reader_.joinable()) reader_.detach();
}

void LinkSession::StartReader() {
  reader_ = std::thread([self = shared_from_this()] { self->ReaderLoop(); });
}

bool LinkSession::StopReader(std::chrono::milliseconds timeout) {
  stop_ = true;
  std::unique_lock lock(exitMutex_);
  const bool exited = exitSignal_.wait_for(lock, timeout, [this] { return readerExited_; });
  abandoned_ = !exited;
  lock.unlock();
  if (!reader_.joinable()) return exited;
  if (exited) {
    reader_.join();
    parts_.readDevice.reset();  // closed on the closing thread, as every open and close is
  } else {
    reader_.detach();
  }
  return exited;
}

int LinkSession::Write(const Report& report, std::chrono::milliseconds tokenWait) {
  // After the time-out the write goes ahead anyway: a lost reply must not stop the link.
  sendToken_.Take(tokenWait);
  int written = 0;
  {
    std::lock_guard lock(writeLock_);
    if (parts_.writeDevice) {
      parts_.dispatcher->RememberSent(report);
      parts_.tap->Relay(ReportDirection::kSent, report);
      written = std::max(0, parts_.writeDevice->Write(report.bytes.data(), kReportSize));
    }
  }
  if (written < kReportSize) {
    Trace("usb数据写入失败");
    sendToken_.Give();  // nothing went out, so no reply will give the token back
  }
  return written;
}

void LinkSession::CloseWriteHandle() {
  {
    std::lock_guard lock(writeLock_);
    parts_.writeDevice.reset();
  }
  sendToken_.ReleaseForGood();  // writers still waiting find the handle gone at once
}

bool LinkSession::AwaitReply(std::chrono::milliseconds timeout) {
  const bool replied = sendToken_.Take(timeout);
  // A reply not come by now is given up for lost: the next request goes at once, as it would
  // after a writer's own wait.
  sendToken_.Give();
  return replied && !readerEnded_;
}

void LinkSession::ReaderLoop() {
  readerEnded_ = false;
  Trace("start thread: ReadUsbThreadProc \n");
  while (!stop_) {
    if (!ReadUsbData()) {
      EndOnReadError();
      break;
    }
  }
  // A reader let go by close is the only one left to close its handle.
  if (MarkReaderExited()) parts_.readDevice.reset();
}

bool LinkSession::ReadUsbData() {
  Report report;
  const int count = parts_.readDevice->ReadTimeout(report.bytes.data(), kReportSize,
                                                   static_cast<int>(parts_.readPoll.count()));
  // Closed while this read waited: what it brought (a report or an error) belongs to no one now.
  // A reader let go by close may come back long after, when the link is open again, and must
  // neither store into the image nor report its end as the new connection's.
  if (stop_) return true;
  if (count < 0) {
    Trace("Read Usb Error will return !\n");
    return false;
  }
  if (count == 0) return true;  // time-out: look at the stop flag again
  if (count == kReportSize - 1) {
    // Delivered without its report id byte: shift so that byte 1 is the command code.
    std::copy_backward(report.bytes.begin(), report.bytes.end() - 1, report.bytes.end());
    report.bytes[0] = kReportId;
  } else if (count < kReportSize) {
    Trace("short report of " + std::to_string(count) + " bytes ignored");
    sendToken_.Give();  // it is still the machine's answer
    return true;
  }
  Dispatch(report);
  return true;
}

void LinkSession::Dispatch(const Report& report) {
  parts_.tap->Relay(ReportDirection::kReceived, report);
  parts_.dispatcher->HandleReport(report);
  sendToken_.Give();
}

void LinkSession::EndOnReadError() {
  image_.syncComplete = false;
  readerEnded_ = true;
  sendToken_.ReleaseForGood();  // no reply will come: neither writers nor reply waiters wait
  parts_.dispatcher->NotifyReaderEnded();
}

bool LinkSession::MarkReaderExited() {
  bool abandoned;
  {
    std::lock_guard lock(exitMutex_);
    readerExited_ = true;
    abandoned = abandoned_;
  }
  exitSignal_.notify_all();
  return abandoned;
}

}  // namespace v7
