// The program icon.
#pragma once

#include <QImage>

namespace v7::art {

// Square icon of `size` pixels: a dark tile with a glowing equaliser curve and "V7".
QImage DrawProgramIcon(int size);

}  // namespace v7::art
