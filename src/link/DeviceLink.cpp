#include "link/DeviceLink.h"

#include <algorithm>

#include "link/LinkMessageText.h"
#include "link/LinkSession.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/ReportDispatcher.h"
#include "protocol/Trace.h"

namespace v7 {

struct DeviceLink::FoundDevice {
  std::unique_ptr<HidDevice> readDevice;
  std::unique_ptr<HidDevice> writeDevice;
  std::string path;
};

DeviceLink::DeviceLink(ParameterImage& image, HidBackend& backend, LinkTimings timings)
    : image_(image),
      backend_(backend),
      timings_(timings),
      dispatcher_(std::make_shared<ReportDispatcher>(image)),
      tap_(std::make_shared<ReportTapRelay>()) {
  dispatcher_->SetObserver(this);
}

DeviceLink::~DeviceLink() {
  CloseUsbDevice();
  dispatcher_->SetObserver(nullptr);  // a reader let go on close must not call a dead link
}

void DeviceLink::SetObserver(LinkObserver* observer) {
  observer_ = observer;
}

void DeviceLink::SetReportTap(ReportTap tap) {
  tap_->Set(std::move(tap));
}

OpenResult DeviceLink::OpenUsbDevice() {
  if (connected) return OpenResult::kAlreadyConnected;
  FoundDevice found;
  const OpenResult result = FindAndOpen(found);
  if (result != OpenResult::kOpened) return result;

  auto session = std::make_shared<LinkSession>(
      image_, LinkSession::Parts{std::move(found.readDevice), std::move(found.writeDevice),
                                 dispatcher_, tap_, timings_.readPoll});
  {
    std::lock_guard lock(sessionMutex_);
    session_ = session;
    devicePath = found.path;
  }
  connected = true;
  session->StartReader();
  return OpenResult::kOpened;
}

OpenResult DeviceLink::FindAndOpen(FoundDevice& found) {
  std::vector<HidInterfaceInfo> interfaces;
  if (!backend_.Enumerate(interfaces)) {
    Trace("获取Hid设备信息失败");
    return OpenResult::kNotFound;
  }
  Trace("开始枚举usb设备");
  bool permissionDenied = false;
  const size_t examined = std::min(interfaces.size(), static_cast<size_t>(kMaxInterfaces));
  for (size_t index = 0; index < examined; ++index) {
    Trace("枚举usb设备成功");
    const HidInterfaceInfo& info = interfaces[index];
    if (info.vendorId != vendorId || info.productId != productId) continue;
    const HidOpenStatus status = OpenInterface(info, found);
    if (status == HidOpenStatus::kOpened) {
      Trace("连接目标设备成功!");
      return OpenResult::kOpened;
    }
    permissionDenied = permissionDenied || status == HidOpenStatus::kPermissionDenied;
  }
  if (examined < static_cast<size_t>(kMaxInterfaces)) {
    Trace("枚举usb设备出错,usb设备接口可能枚举完成了");
  }
  Trace("连接目标设备失败，没有找到目标设备");
  return permissionDenied ? OpenResult::kPermissionDenied : OpenResult::kNotFound;
}

HidOpenStatus DeviceLink::OpenInterface(const HidInterfaceInfo& info, FoundDevice& found) {
  Trace("设备路径:\r\n" + info.path);
  Trace("尝试打开通信端口....");
  // Two handles on the same path: hidapi handles must not be shared between the reader and
  // the writers.
  HidOpenResult reader = backend_.Open(info.path);
  HidOpenResult writer;
  if (reader.device) writer = backend_.Open(info.path);
  if (!reader.device || !writer.device) {
    Trace("无法打开通信端口。不能读取设备信息!(设备连接可能不正确?)\n");
    return reader.device ? writer.status : reader.status;
  }
  Trace("打开通信端口成功!\n");
  Trace("正在读取设备的标识...\n");
  found.readDevice = std::move(reader.device);
  found.writeDevice = std::move(writer.device);
  found.path = info.path;
  return HidOpenStatus::kOpened;
}

bool DeviceLink::CloseUsbDevice() {
  if (!connected) return true;
  connected = false;
  const std::shared_ptr<LinkSession> session = Session();
  if (!session->StopReader(timings_.readerExitWait)) {
    Trace("wait read thread exited time out !\n");
  }
  session->CloseWriteHandle();
  std::lock_guard lock(sessionMutex_);
  session_.reset();
  return true;
}

bool DeviceLink::CloseUsbDeviceWithGoodbye() {
  SendCommand(*this, kCmdGoodbye);
  return CloseUsbDevice();
}

int DeviceLink::WriteUsbData(const Report& report) {
  const std::shared_ptr<LinkSession> session = Session();
  if (!connected || !session) return 0;
  if (session->IsReadThreadEnded()) {
    Trace("g_bReadThreadEnd == TRUE ,WriteUsbData return \n");
    return 0;
  }
  return session->Write(report, timings_.sendTokenWait);
}

bool DeviceLink::IsReadThreadEnded() const {
  const std::shared_ptr<LinkSession> session = Session();
  return session && session->IsReadThreadEnded();
}

bool DeviceLink::IsOpen() const {
  return connected && !IsReadThreadEnded();
}

std::string DeviceLink::DevicePath() const {
  std::lock_guard lock(sessionMutex_);
  return devicePath;
}

bool DeviceLink::IsOpenDevice(const std::string& devnode) const {
  // Device nodes are case-sensitive on Linux, so the match is exact.
  return connected && !devnode.empty() && DevicePath() == devnode;
}

Report DeviceLink::LastEchoReport() const {
  return dispatcher_->LastEchoReport();
}

bool DeviceLink::AwaitReply(std::chrono::milliseconds timeout) {
  const std::shared_ptr<LinkSession> session = Session();
  return session && session->AwaitReply(timeout);
}

int DeviceLink::WaitingForToken() const {
  const std::shared_ptr<LinkSession> session = Session();
  return session ? session->WaitingForToken() : 0;
}

void DeviceLink::OnKeyLearned(int code) {
  if (LinkObserver* observer = observer_.load()) observer->OnKeyLearned(code);
}

void DeviceLink::OnLinkMessage(const LinkMessage& message) {
  Trace(LinkMessageText(message).text);
  if (LinkObserver* observer = observer_.load()) observer->OnLinkMessage(message);
}

void DeviceLink::OnReaderEnded() {
  if (LinkObserver* observer = observer_.load()) observer->OnReaderEnded();
}

std::shared_ptr<LinkSession> DeviceLink::Session() const {
  std::lock_guard lock(sessionMutex_);
  return session_;
}

}  // namespace v7
