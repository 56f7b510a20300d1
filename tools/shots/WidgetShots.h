// The small widgets in their states, one sheet per language: widgets-zh.png, widgets-en.png.
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WriteWidgetSheets(ShotFolder& folder);

}  // namespace v7::shots
