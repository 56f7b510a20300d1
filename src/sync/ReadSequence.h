#pragma once

#include <chrono>

#include "link/Clock.h"
#include "protocol/ReportSink.h"
#include "params/ParameterImage.h"

namespace v7 {

inline constexpr int kReadSequenceRequests = 36;
inline constexpr std::chrono::milliseconds kReadSequenceEndPause{200};

// ReadAllParameters: machine to image. Every request waits for the previous reply (the link's
// pacing), so each reply is stored before the next request leaves. Asks for the model name
// and MCU version and stops there unless the model is exactly "V7" (returns false); otherwise
// asks for everything else, waits for the last reply, clears `dirty`, pauses 200 ms and
// returns true. The dynamics
// tables are not read back: the image keeps its own.
bool ReadAllParameters(ReportSink& sink, ParameterImage& image, Clock& clock);

}  // namespace v7
