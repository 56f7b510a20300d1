// The program's windows on the simulated machine, in both languages: the main window on both
// ribbon tabs with the machine connected and without it (main-<zh|en>-<input|sound>-<connected|
// disconnected>.png), the application menu, the About box, the sync dialog and the info box.
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WriteWindowShots(ShotFolder& folder);

}  // namespace v7::shots
