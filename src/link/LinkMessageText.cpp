#include "link/LinkMessageText.h"

#include <cstdio>
#include <span>

#include "protocol/Report.h"

namespace v7 {
namespace {

constexpr char kCopyErrorCaption[] = "error";
constexpr char kCopyCode1Text[] = " errror copy code:1";
constexpr char kCopyCode2Text[] = " errror copy code:2";
constexpr char kEchoErrorCaption[] = "错误";
constexpr int kEchoBytesShown = 12;

// Bytes 1..12 (code and the first arguments) as the echo box shows them.
std::string EchoBytesShown(const Report& report) {
  return FormatHexBytes(std::span<const uint8_t>(report.bytes).subspan(1, kEchoBytesShown));
}

std::string EchoMismatchText(const Report& arrived, const Report& remembered) {
  char address[8];
  std::snprintf(address, sizeof address, "%04X", arrived.Address());
  const std::string tabs = " \t\t\t\t\t\t\t\t \n";
  return "升级出现错误，请关闭软件再重新打开再次进行升级！\t\t\t\t\t\t\t\t \n"
         "错误信息：校验错误-地址:0x" +
         std::string(address) + tabs + "buf=" + EchoBytesShown(arrived) + tabs +
         "ver=" + EchoBytesShown(remembered);
}

}  // namespace

LinkMessageBox LinkMessageText(const LinkMessage& message) {
  switch (message.kind) {
    case LinkMessageKind::kMemoryPastEqArea:
      return {LinkMessageBox::Icon::kNone, kCopyErrorCaption, kCopyCode1Text};
    case LinkMessageKind::kUnknownMemoryAddress:
      return {LinkMessageBox::Icon::kNone, kCopyErrorCaption, kCopyCode2Text};
    case LinkMessageKind::kEchoMismatch:
      return {LinkMessageBox::Icon::kError, kEchoErrorCaption,
              EchoMismatchText(message.arrived, message.remembered)};
  }
  return {};
}

}  // namespace v7
