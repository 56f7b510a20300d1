#include "protocol/Report.h"

#include <algorithm>
#include <cstdio>

namespace v7 {

int Report::Address() const {
  return (bytes[kReportAddressByte] << 8) | bytes[kReportAddressByte + 1];
}

int Report::Length() const {
  return bytes[kReportLengthByte];
}

int Report::DataLength() const {
  return std::min(Length(), kMaxReportData);
}

std::string FormatHexBytes(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  for (uint8_t byte : bytes) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", byte);
    if (!text.empty()) text += ' ';
    text += pair;
  }
  return text;
}

std::string FormatReportHex(const Report& report) {
  return FormatHexBytes(report.bytes);
}

}  // namespace v7
