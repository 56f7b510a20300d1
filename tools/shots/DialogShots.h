// The machine settings, mic-controlled subwoofer and remote learning dialogs on a connected
// simulated machine, in both languages (settings-, micsub-, remote-<zh|en>.png), and the
// key-learning dialog waiting for a code and with one (learning-<zh|en>[-code].png).
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WriteDialogShots(ShotFolder& folder);

}  // namespace v7::shots
