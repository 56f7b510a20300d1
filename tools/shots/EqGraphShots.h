// The EQ graph in its typical states, in both languages: eq-graph-<state>-<zh|en>.png.
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WriteEqGraphShots(ShotFolder& folder);

}  // namespace v7::shots
