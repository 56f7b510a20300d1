#include "sync/SyncCompletion.h"

#include "sync/ModeCommands.h"
#include "sync/ModelCheck.h"

namespace v7 {

SyncOutcome HandleSyncComplete(DeviceLink& link, ParameterImage& image, int& pendingModeIndex,
                               Clock& clock) {
  if (!IsSupportedModel(image.modelName)) {
    link.CloseUsbDeviceWithGoodbye();
    return SyncOutcome::kModelMismatch;
  }
  if (pendingModeIndex != kNoPendingMode) {
    StoreDesignatedMode(link, image, pendingModeIndex, clock);
    pendingModeIndex = kNoPendingMode;
  }
  return SyncOutcome::kAccepted;
}

}  // namespace v7
