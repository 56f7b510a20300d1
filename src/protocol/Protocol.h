#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "params/DspCodec.h"
#include "protocol/ReportSink.h"

namespace v7 {

// The report builder. Each function returns what the sink's WriteUsbData returns
// (kReportSize on success, 0 when refused, failed or the arguments do not fit a report).

// Byte 0 = 0x02, byte 1 = code, then the arguments in order (at most 59).
Report BuildCommand(uint8_t code, std::span<const uint8_t> args);
Report BuildCommand(uint8_t code, std::initializer_list<uint8_t> args);
int SendCommand(ReportSink& sink, uint8_t code, std::initializer_list<uint8_t> args = {});
int SendCommand(ReportSink& sink, uint8_t code, std::span<const uint8_t> args);

// Memory and DSP writes: address (big-endian), length, then the bytes (at most 56).
Report BuildMemoryCommand(uint8_t code, int address, std::span<const uint8_t> bytes);
int WriteDeviceMemory(ReportSink& sink, int address, std::span<const uint8_t> bytes);
int WriteDspParam(ReportSink& sink, int address, std::span<const uint8_t> bytes);
// The words most significant byte first (at most 14 words).
int WriteDspWords(ReportSink& sink, int address, std::span<const DspWord> words);

// Reads: address (big-endian) and length; the reply carries the data.
int ReadDspParam(ReportSink& sink, int address, int length);
int ReadDeviceMemory(ReportSink& sink, int address, int length);

}  // namespace v7
