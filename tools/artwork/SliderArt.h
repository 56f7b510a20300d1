// Slider artwork: the tracks with tick marks and the three thumb looks.
#pragma once

#include <QImage>
#include <Qt>

namespace v7::art {

enum class ThumbLook { Silver, Gold, DarkGrey };

// 131 x 22 horizontal or 22 x 131 vertical track. The groove and ticks line up with the
// thumb travel the sliders use (margins 7/7/3/2 horizontal, 3/2/7/7 vertical).
QImage DrawTrack(Qt::Orientation orientation);

// 19 x 9 thumb for the horizontal track, 9 x 19 for the vertical one.
QImage DrawThumb(Qt::Orientation orientation, ThumbLook look);

}  // namespace v7::art
