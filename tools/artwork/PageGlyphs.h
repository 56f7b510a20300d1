// Small line-art symbols of the six tuning pages, drawn beside the page names.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace v7::art {

enum class PageGlyph { Mic, Music, Echo, MainOut, CentreOut, SubOut, Back };

// Draws the symbol into `box` (about square) with strokes in `colour`.
void DrawPageGlyph(QPainter& painter, PageGlyph glyph, const QRectF& box, const QColor& colour);

}  // namespace v7::art
