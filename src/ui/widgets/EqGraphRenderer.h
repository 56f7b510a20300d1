#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <span>

#include "dsp/EqGraphBand.h"
#include "dsp/ResponseCurve.h"
#include "ui/widgets/EqGraphGeometry.h"

class QPainter;
class QPointF;

namespace v7 {

// What one paint of the EQ graph shows.
struct EqGraphScene {
  std::span<EqGraphBand> bands;  // the bands in use; their marker positions are written
  int selected = -1;
  int hovered = -1;
  int identity = 0;
  bool english = false;
  bool bypass = false;
};

// Draws the EQ graph: the cached grid with its scale labels, the title, the selected band's
// area, the markers with their numbers and read-outs, the info line, the total response and
// the bypass overlay. Stores each drawn marker's position in its band for the hit tests.
class EqGraphRenderer {
 public:
  EqGraphRenderer();

  // Drops the cached grid; the next paint rebuilds it at the size it is given.
  void InvalidateBackground();
  void Paint(QPainter& painter, const EqGraphGeometry& geometry, const EqGraphScene& scene);

  static QColor BandColour(int bandNumber);
  static QColor FillColour(int identity);
  // Colour of the info line's gain: green within 6 dB, yellow below 10.1 dB, red beyond.
  static QColor GainColour(double gain);

 private:
  void EnsureBackground(const EqGraphGeometry& g);
  void DrawGrid(QPainter& p, const EqGraphGeometry& g) const;
  void DrawScaleLabels(QPainter& p, const EqGraphGeometry& g) const;
  void DrawTitle(QPainter& p, const EqGraphGeometry& g, const EqGraphScene& scene) const;
  void DrawSelectedFill(QPainter& p, const EqGraphGeometry& g, const EqGraphScene& scene) const;
  void DrawMarker(QPainter& p, const EqGraphGeometry& g, const EqGraphScene& scene,
                  EqGraphBand& band) const;
  void DrawPeqMarker(QPainter& p, const QPointF& centre, const QColor& colour, bool selected) const;
  void DrawSquareMarker(QPainter& p, const EqGraphGeometry& g, const QPointF& centre,
                        const QColor& colour, bool selected) const;
  void DrawBandNumber(QPainter& p, const QPointF& centre, const EqGraphBand& band) const;
  void DrawInfoLine(QPainter& p, const EqGraphScene& scene, const EqGraphBand& band) const;
  void DrawReadout(QPainter& p, const EqGraphGeometry& g, const EqGraphBand& band) const;
  void DrawTotalCurve(QPainter& p, const EqGraphGeometry& g, const EqGraphScene& scene);
  void DrawBypass(QPainter& p, const EqGraphGeometry& g) const;
  // Text placed by its cell: (x, y) is the top left of the text cell, not the baseline.
  static void DrawTextAt(QPainter& p, const QFont& font, const QFontMetricsF& metrics, double x,
                         double y, const QColor& colour, const QString& text);

  QFont labelFont_;
  QFont numberFont_;
  QFont infoFont_;
  QFont bypassFont_;
  QFontMetricsF labelMetrics_;
  QFontMetricsF numberMetrics_;
  QFontMetricsF infoMetrics_;
  QFontMetricsF bypassMetrics_;
  QImage background_;
  ResponseCurve total_{};
};

}  // namespace v7
