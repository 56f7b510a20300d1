#pragma once

#include <chrono>

#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"

namespace v7 {

// The machine's four stored modes (0..3, shown as M1..M4). Every mode is clamped to 0..3 and
// becomes `currentMode` before its command is sent. Each returns true when the report went out.

inline constexpr std::chrono::milliseconds kModePreambleGap{20};

int ClampMode(int mode);

// Command 5; a read sequence should follow.
bool SendLoadMode(ReportSink& sink, ParameterImage& image, int mode);
// StoreMode: clears `dirty`, then command 4.
bool StoreMode(ReportSink& sink, ParameterImage& image, int mode);
// Command 6 (factory settings of the mode); a read sequence should follow.
bool SendFactoryRecall(ReportSink& sink, ParameterImage& image, int mode);
// The store after a mode file was written to the machine: command 3, 20 ms, command 4.
// `dirty` is left as it is.
bool StoreDesignatedMode(ReportSink& sink, ParameterImage& image, int mode, Clock& clock);

}  // namespace v7
