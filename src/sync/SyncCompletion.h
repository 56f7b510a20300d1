#pragma once

#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"

namespace v7 {

// pendingModeIndex when no opened file designates a mode.
inline constexpr int kNoPendingMode = -1;

enum class SyncOutcome {
  kModelMismatch,  // another model: goodbye said and the link closed
  kAccepted,       // the caller refreshes its views from the image
};

// The front ends' common handling of a finished synchronisation: the model check (letter
// case ignored).
// On a mismatch the link is closed with the goodbye command and the pending mode is kept.
// Otherwise a pending mode designated by an opened file's name is stored (commands 3 and 4,
// 20 ms apart) and cleared. The GUI adds its box, its refresh and its 150 ms pause.
SyncOutcome HandleSyncComplete(DeviceLink& link, ParameterImage& image, int& pendingModeIndex,
                               Clock& clock);

}  // namespace v7
