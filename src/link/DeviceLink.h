#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "link/HidBackend.h"
#include "link/ReportTapRelay.h"
#include "params/ParameterImage.h"
#include "protocol/LinkObserver.h"
#include "protocol/ReportSink.h"

namespace v7 {

class LinkSession;
class ReportDispatcher;

enum class OpenResult {
  kOpened,
  kAlreadyConnected,  // also while the reader has ended on a read error, until closed
  kNotFound,          // no interface of the machine's vendor and product could be opened
  kPermissionDenied,  // the machine is present but its device node may not be opened
};

struct LinkTimings {
  std::chrono::milliseconds sendTokenWait{1800};   // a writer's wait for the previous reply
  std::chrono::milliseconds readerExitWait{1000};  // close's wait for the reader
  std::chrono::milliseconds readPoll{100};         // the reader's read time-out between stop checks
};

// The link to the machine: finds and opens its HID interface, runs the reader thread that hands
// every incoming report to the dispatcher (which fills the image), and offers one blocking write
// paced to one outstanding request. Open and close run on the UI thread; WriteUsbData may be
// called from any thread. It hears the dispatcher's events first, so that a message's text is
// traced whether or not anyone shows it, and passes them on to its observer.
class DeviceLink : public ReportSink, private LinkObserver {
 public:
  static constexpr uint16_t vendorId = 0x2010;
  static constexpr uint16_t productId = 0x0115;
  static constexpr int kMaxInterfaces = 32;  // interfaces examined per open

  DeviceLink(ParameterImage& image, HidBackend& backend, LinkTimings timings = {});
  ~DeviceLink() override;
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Receives key learned, link messages and reader ended, on the reader thread (see LinkObserver).
  void SetObserver(LinkObserver* observer);
  // Sees every report crossing the link; may be called at any time.
  void SetReportTap(ReportTap tap);

  OpenResult OpenUsbDevice();
  // Always true. Ends the reader (waiting up to readerExitWait) and closes the handles.
  bool CloseUsbDevice();
  // Says goodbye (command 138) first; used on exit and on a model mismatch.
  bool CloseUsbDeviceWithGoodbye();

  // 61 on success; 0 when closed, after a read error, or when the write failed. Waits up to
  // sendTokenWait for the previous request's reply, then writes anyway. A failed write leaves
  // no reply to wait for: the next write goes at once.
  int WriteUsbData(const Report& report) override;

  bool IsConnected() const { return connected.load(); }
  // Connected and the reader still running.
  bool IsOpen() const override;
  // The reader stopped on a read error; writes are refused until closed.
  bool IsReadThreadEnded() const;
  std::string DevicePath() const;
  // True when `devnode` (from a removal notice) is the open device's node.
  bool IsOpenDevice(const std::string& devnode) const;
  Report LastEchoReport() const;
  // Waits until the reply to the last request sent has been stored; lets a sequence read what
  // its last request brought in. True when the reply came. False when it has not come within
  // `timeout` (it is then given up for lost: the next write does not wait for it again), and
  // at once when the link is closed or the reader has ended.
  bool AwaitReply(std::chrono::milliseconds timeout) override;
  // Writers and reply waiters held up by the previous request's reply now (0 when closed);
  // lets tests wait for a writer to be held instead of sleeping.
  int WaitingForToken() const;

 private:
  struct FoundDevice;
  OpenResult FindAndOpen(FoundDevice& found);
  HidOpenStatus OpenInterface(const HidInterfaceInfo& info, FoundDevice& found);
  std::shared_ptr<LinkSession> Session() const;
  void OnKeyLearned(int code) override;
  void OnLinkMessage(const LinkMessage& message) override;
  void OnReaderEnded() override;

  ParameterImage& image_;
  HidBackend& backend_;
  const LinkTimings timings_;
  std::shared_ptr<ReportDispatcher> dispatcher_;
  std::shared_ptr<ReportTapRelay> tap_;
  std::atomic<LinkObserver*> observer_{nullptr};
  std::atomic<bool> connected{false};
  mutable std::mutex sessionMutex_;
  std::shared_ptr<LinkSession> session_;
  std::string devicePath;
};

}  // namespace v7
