#include "ui/widgets/EqGraphRenderer.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/ResponseMath.h"
#include "ui/widgets/EqGraphSpline.h"
#include "ui/widgets/EqGraphTexts.h"

namespace v7 {
namespace {

constexpr std::array<QRgb, 32> kBandColours{
    0xFA64B4, 0xFF50FF, 0x5050FF, 0x50FF64, 0xFFFF64, 0xFF6464, 0xFFB414, 0xFF64B4,
    0xB464FF, 0x8CB4FF, 0x14B4FF, 0x50FFFF, 0x28FFA0, 0x145AFA, 0x50FFFF, 0xFFFF14,
    0x5064FF, 0x14FF50, 0x50FF28, 0xB4FF14, 0xFF50FF, 0x5078FA, 0xFAFAFA, 0xFA647B,
    0x7B50FF, 0x50507B, 0x7BFF64, 0xFF7B64, 0x7B6464, 0xFA647B, 0x7B50FF, 0x50507B};
constexpr std::array<QRgb, 6> kFillColours{0x495A97, 0x499770, 0x709B3A,
                                           0x3DAFA8, 0xCAB74D, 0xC84CBD};
constexpr int kFillAlpha = 0x20;
constexpr int kOutlineAlpha = 0x7F;
constexpr int kMarkerAlpha = 0x25;
constexpr int kSelectedMarkerAlpha = 0x50;

const QColor kOuterGridColour(0x80, 0x80, 0x80);
const QColor kInnerGridColour(0x40, 0x40, 0x40);
const QColor kScaleTextColour(0xA0, 0xA0, 0xA0);
const QColor kTitleColour(0xFF, 0xFF, 0x00);
const QColor kReadoutLabelColour(0xB4, 0xB4, 0xB4);
const QColor kReadoutValueColour(0x10, 0xFF, 0x10);
const QColor kInfoColour(0x00, 0xFF, 0x00);
const QColor kWarnColour(0xFF, 0xFF, 0x00);
const QColor kAlarmColour(0xFF, 0x00, 0x00);
const QColor kTotalCurveColour(0x00, 0xC8, 0xFF);
const QColor kSelectedLineColour(0xFF, 0x00, 0x00);

constexpr int kGainLineFirst = -15;
constexpr int kGainLineLast = 15;
constexpr int kGainLineStep = 3;
constexpr std::array<int, 30> kGridFrequencies{
    10,  20,  30,  40,   50,   60,   70,   80,   90,   100,  200,  300,  400,   500,   600,
    700, 800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 12000, 16000};

struct FrequencyLabel {
  int hz;
  const char* text;
};
// "12kHz" and "16kHz" sit right of their grid lines so they do not crowd "10kHz".
constexpr std::array<FrequencyLabel, 11> kFrequencyLabels{{{20, "20Hz"},
                                                           {50, "50Hz"},
                                                           {100, "100Hz"},
                                                           {200, "200Hz"},
                                                           {500, "500Hz"},
                                                           {1000, "1kHz"},
                                                           {2000, "2kHz"},
                                                           {5000, "5kHz"},
                                                           {10000, "10kHz"},
                                                           {13000, "12kHz"},
                                                           {18000, "16kHz"}}};

constexpr int kScaleLabelGap = 5;
constexpr int kFrequencyLabelGap = 6;
constexpr int kTitleGap = 2;
constexpr int kInfoLineX = 36;
constexpr int kInfoLineY = 3;
constexpr double kMarkerHalf = 9.0;
constexpr double kRingSize = 18.0;
constexpr double kMarkerInset = 2.0;
constexpr double kMarkerSize = 14.0;
constexpr int kArcStartDeg = 15;
constexpr int kArcSweepDeg = 150;
constexpr int kDegreeSixteenths = 16;
constexpr double kRingPenWidth = 2.0;
constexpr double kDashedPenWidth = 1.5;
constexpr double kTotalPenWidth = 2.0;
constexpr double kLabelCellHeight = 13.0;
constexpr double kBypassCellHeight = 72.0;
constexpr double kNumberPointSize = 8.0;
constexpr double kInfoPointSize = 9.0;
// Tahoma is the narrow sibling of Verdana, and DejaVu Sans Condensed the narrow cut of its
// free twin: at 13 px it sets "10kHz" within a pixel of Tahoma's width, where plain DejaVu
// Sans runs 15 % wider and the labels at 10 and 13 kHz run into each other.
const QStringList kLabelFamilies{"Tahoma", "DejaVu Sans Condensed", "DejaVu Sans", "Nimbus Sans"};
// Coordinates far outside the widget are held here so float-to-int conversion stays defined.
constexpr double kCoordinateLimit = 1.0e6;

struct ReadoutRow {
  const char* label;
  QString (*value)(const EqGraphBand&);
  int offsetBelow;  // rows hang below a marker at or above 0 dB...
  int offsetAbove;  // ...and stand above a marker below it
};
const std::array<ReadoutRow, 3> kReadoutRows{{
    {"F:", [](const EqGraphBand& b) { return EqGraphTexts::FrequencyValue(b.frequency); }, 18, -42},
    {"G:", [](const EqGraphBand& b) { return EqGraphTexts::GainValue(b.gain); }, 27, -33},
    {"Q:", [](const EqGraphBand& b) { return EqGraphTexts::QValue(b.q); }, 36, -24},
}};
constexpr double kReadoutBelowFromDb = -0.01;
constexpr double kReadoutShift = 4.0;
constexpr double kReadoutShiftTwoDigits = 7.0;
constexpr int kReadoutCharWidth = 3;
constexpr int kReadoutLabelX = 1;
constexpr int kReadoutValueX = 13;

// NaN, which has no place on the graph, gives 0.
int Truncated(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QFont MakeFont(const QStringList& families) {
  QFont font;
  font.setFamilies(families);
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// A font "N pixels high" here means the whole text cell (ascent plus descent), not the em; the
// em size is scaled so the chosen font's cell has that height.
QFont FontWithCellHeight(const QStringList& families, double cellHeight) {
  QFont font = MakeFont(families);
  font.setPixelSize(static_cast<int>(cellHeight));
  const double measured = QFontMetricsF(font).height();
  if (measured > 0.0) {
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / measured))));
  }
  return font;
}

QFont FontWithPointSize(const QStringList& families, double points) {
  QFont font = MakeFont(families);
  font.setPointSizeF(points);
  return font;
}

// y of the horizontal grid line for gain line value v (-15 at the top, +15 at the bottom).
int GainLineY(const EqGraphGeometry& g, int v) {
  return g.Top() + (v - kGainLineFirst) * g.Height() / (kGainLineLast - kGainLineFirst);
}

// The filled body of a marker: 14 x 14 inside the 18 x 18 square around its centre.
QRectF MarkerBody(const QPointF& centre) {
  return {Truncated(centre.x() - kMarkerHalf) + kMarkerInset,
          Truncated(centre.y() - kMarkerHalf) + kMarkerInset, kMarkerSize, kMarkerSize};
}

}  // namespace

EqGraphRenderer::EqGraphRenderer()
    : labelFont_(FontWithCellHeight(kLabelFamilies, kLabelCellHeight)),
      numberFont_(FontWithPointSize({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"},
                                    kNumberPointSize)),
      infoFont_(FontWithPointSize(
          {"SimSun", QString::fromUtf8("宋体"), "WenQuanYi Micro Hei", "Droid Sans Fallback"},
          kInfoPointSize)),
      bypassFont_(FontWithCellHeight(
          {"SimHei", QString::fromUtf8("黑体"), "WenQuanYi Micro Hei", "Droid Sans Fallback"},
          kBypassCellHeight)),
      labelMetrics_(labelFont_),
      numberMetrics_(numberFont_),
      infoMetrics_(infoFont_),
      bypassMetrics_(bypassFont_) {}

QColor EqGraphRenderer::BandColour(int bandNumber) {
  const auto i =
      static_cast<std::size_t>(std::clamp<int>(bandNumber - 1, 0, kBandColours.size() - 1));
  return QColor::fromRgb(kBandColours[i]);
}

QColor EqGraphRenderer::FillColour(int identity) {
  const auto i = static_cast<std::size_t>(std::clamp<int>(identity, 0, kFillColours.size() - 1));
  return WithAlpha(QColor::fromRgb(kFillColours[i]), kFillAlpha);
}

QColor EqGraphRenderer::GainColour(double gain) {
  constexpr double kGreenLimit = 6.0;
  constexpr double kYellowLimit = 10.1;
  if (gain >= -kGreenLimit && gain <= kGreenLimit) {
    return kInfoColour;
  }
  return std::abs(gain) < kYellowLimit ? kWarnColour : kAlarmColour;
}

void EqGraphRenderer::InvalidateBackground() {
  background_ = QImage();
}

void EqGraphRenderer::Paint(QPainter& painter, const EqGraphGeometry& geometry,
                            const EqGraphScene& scene) {
  EnsureBackground(geometry);
  painter.drawImage(0, 0, background_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  DrawTitle(painter, geometry, scene);
  DrawSelectedFill(painter, geometry, scene);
  for (EqGraphBand& band : scene.bands) {
    DrawMarker(painter, geometry, scene, band);
  }
  if (scene.hovered >= 0 && scene.hovered < static_cast<int>(scene.bands.size())) {
    const EqGraphBand& hovered = scene.bands[static_cast<std::size_t>(scene.hovered)];
    if (IsActiveType(hovered.type)) {
      DrawReadout(painter, geometry, hovered);
    }
  }
  DrawTotalCurve(painter, geometry, scene);
  if (scene.bypass) {
    DrawBypass(painter, geometry);
  }
}

// The grid and its scale labels change only with the size, so they are drawn once into a
// picture that every paint starts from.
void EqGraphRenderer::EnsureBackground(const EqGraphGeometry& g) {
  const QSize size(g.ClientWidth(), g.ClientHeight());
  if (!background_.isNull() && background_.size() == size) {
    return;
  }
  background_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  background_.fill(Qt::black);
  QPainter p(&background_);
  DrawGrid(p, g);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawScaleLabels(p, g);
}

void EqGraphRenderer::DrawGrid(QPainter& p, const EqGraphGeometry& g) const {
  for (int v = kGainLineFirst; v <= kGainLineLast; v += kGainLineStep) {
    const bool outer = v == kGainLineFirst || v == kGainLineLast;
    const int y = GainLineY(g, v);
    p.setPen(QPen(outer ? kOuterGridColour : kInnerGridColour, 1));
    p.drawLine(g.Left(), y, g.Right(), y);
  }
  p.setPen(QPen(kOuterGridColour, 1));
  p.drawLine(g.Left(), g.Bottom() + 1, g.Right(), g.Bottom() + 1);
  p.setPen(QPen(kInnerGridColour, 1));
  for (int hz : kGridFrequencies) {
    const int x = Truncated(g.XOfFrequency(hz));
    p.drawLine(x, g.Top() + 1, x, g.Bottom());
  }
}

void EqGraphRenderer::DrawScaleLabels(QPainter& p, const EqGraphGeometry& g) const {
  const double textHeight = labelMetrics_.height();
  for (int v = kGainLineFirst; v <= kGainLineLast; v += kGainLineStep) {
    const int y = GainLineY(g, v);
    const QString text = EqGraphTexts::GainLabel(v);
    const double x = g.Left() - labelMetrics_.horizontalAdvance(text) - kScaleLabelGap;
    DrawTextAt(p, labelFont_, labelMetrics_, x, y - textHeight / 2, kScaleTextColour, text);
  }
  for (const FrequencyLabel& label : kFrequencyLabels) {
    const QString text = QString::fromLatin1(label.text);
    const double x = g.XOfFrequency(label.hz) - labelMetrics_.horizontalAdvance(text) / 2;
    DrawTextAt(p, labelFont_, labelMetrics_, x, g.Bottom() + kFrequencyLabelGap, kScaleTextColour,
               text);
  }
}

void EqGraphRenderer::DrawTitle(QPainter& p, const EqGraphGeometry& g,
                                const EqGraphScene& scene) const {
  const QString title = EqGraphTexts::Title(scene.identity, scene.english);
  const double x = g.ClientWidth() - EqGraphGeometry::kRightMargin -
                   labelMetrics_.horizontalAdvance(title) - kTitleGap;
  const double y = g.Top() - labelMetrics_.height() - 1;
  DrawTextAt(p, labelFont_, labelMetrics_, x, y, kTitleColour, title);
}

void EqGraphRenderer::DrawSelectedFill(QPainter& p, const EqGraphGeometry& g,
                                       const EqGraphScene& scene) const {
  if (scene.selected < 0 || scene.selected >= static_cast<int>(scene.bands.size())) {
    return;
  }
  const EqGraphBand& band = scene.bands[static_cast<std::size_t>(scene.selected)];
  if (!IsActiveType(band.type)) {
    return;
  }
  // Depths far below the widget (a pass filter reaches -250 dB) are held at its bottom edge:
  // the visible area is the same, and the spline closing the area along the bottom stays a
  // straight line instead of bulging up towards those distant points.
  const double lowest = g.ClientHeight();
  std::array<QPointF, kResponsePoints + 2> points;
  for (int k = 1; k <= kResponsePoints; ++k) {
    const double y = std::min(static_cast<double>(Truncated(g.YOfGain(band.curve[k - 1]))), lowest);
    points[k] = QPointF(Truncated(g.XOfPoint(k)), y);
  }
  // A pass filter's area closes along the bottom instead of the 0 dB line.
  const bool pass = !HasGain(band.type);
  const int middle = g.Top() + g.Height() / 2;
  points.front() = pass ? QPointF(points[1].x(), g.ClientHeight()) : QPointF(g.Left(), middle);
  points.back() =
      pass ? QPointF(points[kResponsePoints].x(), g.ClientHeight()) : QPointF(g.Right(), middle);
  // Where the outline turns sharply (a pass filter's vertical ends, a shelf stepping off the
  // 0 dB line) the spline swings out sideways, past the first and last points; the area is kept
  // to the plot's columns so it never tints the scale labels or the right margin.
  p.save();
  p.setClipRect(QRectF(g.Left(), 0, g.Width(), g.ClientHeight()));
  p.setPen(Qt::NoPen);
  p.setBrush(FillColour(scene.identity));
  p.drawPolygon(EqGraphSpline::Closed(points), Qt::OddEvenFill);
  p.restore();
}

void EqGraphRenderer::DrawMarker(QPainter& p, const EqGraphGeometry& g, const EqGraphScene& scene,
                                 EqGraphBand& band) const {
  if (!IsActiveType(band.type)) {
    return;
  }
  const QPointF centre(g.XOfFrequency(band.frequency), g.YOfGain(band.gain));
  band.markerX = Truncated(centre.x() - g.Left());
  band.markerY = Truncated(centre.y() - g.Top());
  const bool selected = band.index == scene.selected;
  const QColor colour = BandColour(band.index + 1);
  if (band.type == FilterType::Peq) {
    DrawPeqMarker(p, centre, colour, selected);
  } else {
    DrawSquareMarker(p, g, centre, colour, selected);
  }
  DrawBandNumber(p, centre, band);
  if (selected) {
    if (scene.hovered < 0) {
      DrawReadout(p, g, band);
    }
    DrawInfoLine(p, scene, band);
  }
}

void EqGraphRenderer::DrawPeqMarker(QPainter& p, const QPointF& centre, const QColor& colour,
                                    bool selected) const {
  const QRectF ring(Truncated(centre.x()) - kMarkerHalf, Truncated(centre.y()) - kMarkerHalf,
                    kRingSize, kRingSize);
  p.setPen(QPen(WithAlpha(colour, kOutlineAlpha), kRingPenWidth));
  p.setBrush(Qt::NoBrush);
  // Angles run clockwise on screen, so both arcs sweep negatively in Qt's convention.
  constexpr int kSweep = -kArcSweepDeg * kDegreeSixteenths;
  p.drawArc(ring, -kArcStartDeg * kDegreeSixteenths, kSweep);
  p.drawArc(ring, -(180 + kArcStartDeg) * kDegreeSixteenths, kSweep);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(colour, selected ? kSelectedMarkerAlpha : kMarkerAlpha));
  p.drawEllipse(MarkerBody(centre));
}

void EqGraphRenderer::DrawSquareMarker(QPainter& p, const EqGraphGeometry& g, const QPointF& centre,
                                       const QColor& colour, bool selected) const {
  QPen outline(WithAlpha(colour, kOutlineAlpha), kDashedPenWidth, Qt::DashLine);
  p.setPen(outline);
  p.setBrush(WithAlpha(colour, selected ? kSelectedMarkerAlpha : kMarkerAlpha));
  p.drawRect(MarkerBody(centre));
  if (selected) {
    const int x = Truncated(centre.x());
    p.setPen(QPen(kSelectedLineColour, kDashedPenWidth, Qt::DashLine));
    p.drawLine(QPointF(x, g.Top()), QPointF(x, g.ClientHeight() - EqGraphGeometry::kBottomMargin));
  }
}

void EqGraphRenderer::DrawBandNumber(QPainter& p, const QPointF& centre,
                                     const EqGraphBand& band) const {
  const QString text = EqGraphTexts::BandNumber(band.index + 1);
  const double x = centre.x() - numberMetrics_.horizontalAdvance(text) / 2;
  const double y = centre.y() - numberMetrics_.height() / 2;
  DrawTextAt(p, numberFont_, numberMetrics_, x, y, BandColour(band.index + 1), text);
}

void EqGraphRenderer::DrawInfoLine(QPainter& p, const EqGraphScene& scene,
                                   const EqGraphBand& band) const {
  const QString info =
      EqGraphTexts::InfoLine(scene.english, band.index + 1, band.frequency, band.q);
  DrawTextAt(p, infoFont_, infoMetrics_, kInfoLineX, kInfoLineY, kInfoColour, info);
  DrawTextAt(p, infoFont_, infoMetrics_, kInfoLineX + infoMetrics_.horizontalAdvance(info),
             kInfoLineY, GainColour(band.gain), EqGraphTexts::InfoGain(band.gain));
}

void EqGraphRenderer::DrawReadout(QPainter& p, const EqGraphGeometry& g,
                                  const EqGraphBand& band) const {
  constexpr int kFirstTwoDigitNumber = 10;
  const double shift =
      band.index + 1 >= kFirstTwoDigitNumber ? kReadoutShiftTwoDigits : kReadoutShift;
  const long lx = std::lround(
      std::clamp(g.XOfFrequency(band.frequency) - shift, -kCoordinateLimit, kCoordinateLimit));
  const long ly = std::lround(
      std::clamp(g.YOfGain(band.gain) - kReadoutShift, -kCoordinateLimit, kCoordinateLimit));
  const bool below = band.gain >= kReadoutBelowFromDb;
  for (const ReadoutRow& row : kReadoutRows) {
    const QString value = row.value(band);
    const long h = kReadoutCharWidth * (value.size() + 2);
    const double y = static_cast<double>(ly + (below ? row.offsetBelow : row.offsetAbove));
    DrawTextAt(p, labelFont_, labelMetrics_, static_cast<double>(lx - h + kReadoutLabelX), y,
               kReadoutLabelColour, QString::fromLatin1(row.label));
    DrawTextAt(p, labelFont_, labelMetrics_, static_cast<double>(lx - h + kReadoutValueX), y,
               kReadoutValueColour, value);
  }
}

void EqGraphRenderer::DrawTotalCurve(QPainter& p, const EqGraphGeometry& g,
                                     const EqGraphScene& scene) {
  SumCurves(scene.bands, static_cast<int>(scene.bands.size()), total_);
  std::array<QPointF, kResponsePoints> points;
  for (int i = 0; i < kResponsePoints; ++i) {
    points[i] = QPointF(Truncated(g.XOfPoint(i)), Truncated(g.YOfGain(total_[i])));
  }
  p.setPen(QPen(kTotalCurveColour, kTotalPenWidth));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(EqGraphSpline::Open(points));
}

void EqGraphRenderer::DrawBypass(QPainter& p, const EqGraphGeometry& g) const {
  const QString text = EqGraphTexts::Bypass();
  const double x = (g.ClientWidth() - bypassMetrics_.horizontalAdvance(text)) / 2;
  const double y = (g.ClientHeight() - bypassMetrics_.height()) / 2;
  DrawTextAt(p, bypassFont_, bypassMetrics_, x, y, Qt::white, text);
}

void EqGraphRenderer::DrawTextAt(QPainter& p, const QFont& font, const QFontMetricsF& metrics,
                                 double x, double y, const QColor& colour, const QString& text) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QPointF(x, y + metrics.ascent()), text);
}

}  // namespace v7
