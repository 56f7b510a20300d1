#include "sync/ModeCommands.h"

#include <algorithm>

#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {
namespace {

bool SendModeCommand(ReportSink& sink, ParameterImage& image, uint8_t code, int mode) {
  image.currentMode = ClampMode(mode);
  return SendCommand(sink, code, {static_cast<uint8_t>(image.currentMode)}) == kReportSize;
}

}  // namespace

int ClampMode(int mode) {
  return std::clamp(mode, 0, kModeCount - 1);
}

bool SendLoadMode(ReportSink& sink, ParameterImage& image, int mode) {
  return SendModeCommand(sink, image, kCmdLoadMode, mode);
}

bool StoreMode(ReportSink& sink, ParameterImage& image, int mode) {
  image.dirty = false;
  return SendModeCommand(sink, image, kCmdStoreMode, mode);
}

bool SendFactoryRecall(ReportSink& sink, ParameterImage& image, int mode) {
  return SendModeCommand(sink, image, kCmdFactoryMode, mode);
}

bool StoreDesignatedMode(ReportSink& sink, ParameterImage& image, int mode, Clock& clock) {
  const bool preambleSent = SendModeCommand(sink, image, kCmdModePreamble, mode);
  clock.SleepFor(kModePreambleGap);
  return SendModeCommand(sink, image, kCmdStoreMode, mode) && preambleSent;
}

}  // namespace v7
