// Pictures compiled into the program, looked up by their numeric id.
#pragma once

#include <QImage>

namespace v7 {

// Decodes the picture compiled in as ":/png/<id>.png" into a 32-bit image with
// premultiplied alpha. Returns false, leaving `image` null, when the picture is missing,
// empty or does not decode.
bool LoadPngResource(int id, QImage& image);

// The same, as a value: a null image when the picture cannot be had.
QImage PngResource(int id);

}  // namespace v7
