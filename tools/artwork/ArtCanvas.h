// Shared helpers of the artwork generator: blank canvases and checked PNG output.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

namespace v7::art {

// A fully transparent canvas with premultiplied alpha.
QImage NewCanvas(QSize size);

// An antialiased painter over `image`.
void BeginPainting(QPainter& painter, QImage& image);

// Writes `image` as PNG; prints the reason and returns false on failure.
bool SavePng(const QImage& image, const QString& path);

// A colour with its lightness scaled by `factor` (values above 1 lighten).
QColor Shade(const QColor& colour, double factor);

// A rounded rectangle filled with a vertical gradient from `top` to `bottom` and outlined
// with a one-pixel `border`.
void FillRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                      const QColor& bottom, const QColor& border);

}  // namespace v7::art
