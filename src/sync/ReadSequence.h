#pragma once

#include <array>
#include <chrono>
#include <vector>

#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "sync/PacedRequests.h"
#include "sync/SyncResult.h"

namespace v7 {

inline constexpr int kReadSequenceRequests = 36;

// The DSP fields the read sequence asks for, in the order the machine has always been asked
// for them. The mic and music volumes are not among them: the volumes reply brings them.
inline constexpr std::array<DspAddress, 20> kDspReadOrder = {
    kDspCenterVolume,
    kDspSubVolume,
    kDspMainVolume,
    kDspMainMix,
    kDspCenterMix,
    kDspSubMix,
    kDspMicMute,
    kDspMusicMute,
    kDspMicEqBypass,
    kDspMusicEqBypass,
    kDspCenterEqBypass,
    kDspSubEqBypass,
    kDspMainEqBypass,
    kDspEchoEqBypass,
    kDspFbcBypass,
    kDspEchoTime,
    kDspEchoVolume,
    kDspEchoRatio,
    kDspMusicDynamicsSwitch,
    kDspMicDynamicsSwitch,
};

struct ReadRange {
  int address;
  int bytes;

  bool operator==(const ReadRange&) const = default;
};
// Each field of kDspReadOrder with the length of its words in the field table.
std::vector<ReadRange> DspReadRanges();
inline constexpr std::chrono::milliseconds kReadSequenceEndPause{200};

// ReadAllParameters: machine to image. Every request waits for the previous reply (the link's
// pacing), so each reply is stored before the next request leaves. Asks for the model name
// and MCU version and stops there unless the model is exactly "V7" (kIdentityOnly); otherwise
// asks for everything else, waits for the last reply, clears `dirty`, pauses 200 ms and
// returns kCompleted. Stops early, with `dirty` as it was, when the machine has gone or is
// not answering (see PacedRequests). The dynamics tables are not read back: the image keeps
// its own.
SyncResult ReadAllParameters(ReportSink& sink, ParameterImage& image, Clock& clock,
                             std::chrono::milliseconds replyWait = kReplyWait);

}  // namespace v7
