// The ribbon as a keyboard user sees it (the microphone slider carrying the focus
// mark) and the About box
// at 1x and 2x scale, in both languages: ribbon-focus-<zh|en>.png, about-<zh|en>-<1x|2x>.png.
#pragma once

#include "ShotFolder.h"

namespace v7::shots {

void WriteKeyboardShots(ShotFolder& folder);

}  // namespace v7::shots
