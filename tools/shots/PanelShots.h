// The channel panel on each of its six pages, in both languages, over an image with values
// worth seeing: panel-<zh|en>-<mic|music|echo|main|center|sub>.png, and the band table and
// editor faces beside the graph: bands-<zh|en>-<face>.png.
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WritePanelShots(ShotFolder& folder);

}  // namespace v7::shots
