#pragma once

#include <chrono>

#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "sync/PacedRequests.h"
#include "sync/SyncResult.h"

namespace v7 {

// WriteAllParameters: image to machine. The mic-controlled subwoofer, every DSP field (the
// master volumes only when the volume save mode is "By mode"; never the echo EQ bypass), the
// EQ area, the coefficients of every stored band, a master volume request, then each
// dynamics record (an uninitialised one replaced by the write default first) and its table
// unless the table is absent; then waits for the last reply. kCompleted when every report
// went out; stops early when the machine has gone or is not answering (see PacedRequests).
SyncResult WriteAllParameters(ReportSink& sink, ParameterImage& image,
                              std::chrono::milliseconds replyWait = kReplyWait);

}  // namespace v7
