#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace v7 {

// One HID report, 61 bytes in both directions: byte 0 report id, byte 1 command code, then
// arguments or data, unused bytes zero.
inline constexpr int kReportSize = 61;
inline constexpr uint8_t kReportId = 0x02;
inline constexpr int kMaxCommandArgs = kReportSize - 2;  // 59
// Memory and DSP commands: bytes 2-3 address (big-endian), byte 4 length, data from byte 5.
inline constexpr int kReportAddressByte = 2;
inline constexpr int kReportLengthByte = 4;
inline constexpr int kReportDataByte = 5;
inline constexpr int kMaxReportData = kReportSize - kReportDataByte;  // 56

struct Report {
  std::array<uint8_t, kReportSize> bytes{};

  uint8_t Code() const { return bytes[1]; }
  int Address() const;     // bytes 2-3, big-endian
  int Length() const;      // byte 4 as claimed by the sender
  int DataLength() const;  // byte 4 clamped to the 56 data bytes a report carries
  const uint8_t* Data() const { return &bytes[kReportDataByte]; }

  bool operator==(const Report&) const = default;
};

// "02 8A 00 ..." : uppercase hex pairs separated by single spaces.
std::string FormatHexBytes(std::span<const uint8_t> bytes);
// The whole 61-byte report in that form.
std::string FormatReportHex(const Report& report);

}  // namespace v7
