#include "protocol/Protocol.h"

#include <algorithm>
#include <string>
#include <vector>

#include "protocol/Commands.h"
#include "protocol/Trace.h"

namespace v7 {
namespace {

constexpr int kMaxDspWordsPerReport = kMaxReportData / kDspWordBytes;  // 14
constexpr int kMaxAddress = 0xFFFF;

bool AddressFits(int address) {
  return address >= 0 && address <= kMaxAddress;
}

int SendMemoryCommand(ReportSink& sink, uint8_t code, int address, std::span<const uint8_t> bytes) {
  if (bytes.size() > static_cast<size_t>(kMaxReportData) || !AddressFits(address)) {
    Trace("report arguments do not fit: command " + std::to_string(code) + " not sent");
    return 0;
  }
  return sink.WriteUsbData(BuildMemoryCommand(code, address, bytes));
}

int SendReadRequest(ReportSink& sink, uint8_t code, int address, int length) {
  if (!AddressFits(address) || length < 0 || length > kMaxReportData) {
    Trace("read request out of range: command " + std::to_string(code) + " not sent");
    return 0;
  }
  const uint8_t args[] = {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
                          static_cast<uint8_t>(length)};
  return SendCommand(sink, code, args);
}

}  // namespace

Report BuildCommand(uint8_t code, std::span<const uint8_t> args) {
  Report report;
  report.bytes[0] = kReportId;
  report.bytes[1] = code;
  const size_t count = std::min(args.size(), static_cast<size_t>(kMaxCommandArgs));
  std::copy_n(args.begin(), count, report.bytes.begin() + 2);
  return report;
}

Report BuildCommand(uint8_t code, std::initializer_list<uint8_t> args) {
  return BuildCommand(code, std::span<const uint8_t>(args.begin(), args.size()));
}

int SendCommand(ReportSink& sink, uint8_t code, std::initializer_list<uint8_t> args) {
  return SendCommand(sink, code, std::span<const uint8_t>(args.begin(), args.size()));
}

int SendCommand(ReportSink& sink, uint8_t code, std::span<const uint8_t> args) {
  if (args.size() > static_cast<size_t>(kMaxCommandArgs)) {
    Trace("too many arguments: command " + std::to_string(code) + " not sent");
    return 0;
  }
  return sink.WriteUsbData(BuildCommand(code, args));
}

Report BuildMemoryCommand(uint8_t code, int address, std::span<const uint8_t> bytes) {
  Report report;
  report.bytes[0] = kReportId;
  report.bytes[1] = code;
  PutU16BE(&report.bytes[kReportAddressByte], static_cast<uint16_t>(address));
  const size_t count = std::min(bytes.size(), static_cast<size_t>(kMaxReportData));
  report.bytes[kReportLengthByte] = static_cast<uint8_t>(count);
  std::copy_n(bytes.begin(), count, report.bytes.begin() + kReportDataByte);
  return report;
}

int WriteDeviceMemory(ReportSink& sink, int address, std::span<const uint8_t> bytes) {
  return SendMemoryCommand(sink, kCmdWriteMemory, address, bytes);
}

int WriteDspParam(ReportSink& sink, int address, std::span<const uint8_t> bytes) {
  return SendMemoryCommand(sink, kCmdWriteDsp, address, bytes);
}

int WriteDspWords(ReportSink& sink, int address, std::span<const DspWord> words) {
  if (words.size() > static_cast<size_t>(kMaxDspWordsPerReport)) {
    Trace("too many DSP words: not sent");
    return 0;
  }
  std::vector<uint8_t> bytes(words.size() * kDspWordBytes);
  for (size_t i = 0; i < words.size(); ++i) PutDspWord(&bytes[i * kDspWordBytes], words[i]);
  return WriteDspParam(sink, address, bytes);
}

int ReadDspParam(ReportSink& sink, int address, int length) {
  return SendReadRequest(sink, kCmdReadDsp, address, length);
}

int ReadDeviceMemory(ReportSink& sink, int address, int length) {
  return SendReadRequest(sink, kCmdReadMemory, address, length);
}

}  // namespace v7
