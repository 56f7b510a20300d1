#include "ui/widgets/EqPreview.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "dsp/ResponseMath.h"

namespace v7 {

namespace {

constexpr std::array<float, EqPreview::kBands> kPresetFrequencies = {31,  62,   125, 250,
                                                                     500, 1000, 2000};
constexpr float kPresetQ = 1.414f;
constexpr double kTinyValue = 1e-7;  // frequencies and Qs this close to 0 are not taken over
constexpr double kMinQ = 0.1;

// The plot spans +-15 dB vertically and 10 Hz .. 10^4.4 Hz horizontally.
constexpr double kGainSpanDb = 30.0;
constexpr double kDecades = 3.4;

// A response this low stands for "nothing passes" where the formula would take log10(0).
constexpr double kMinSquaredMagnitude = 1e-30;

constexpr QRgb kFineGridColour = 0xFF171717;
constexpr QRgb kGridColour = 0xFF404040;
constexpr QRgb kOuterGridColour = 0xFF808080;
constexpr QRgb kHoverFrameColour = 0xFF00FFFF;
constexpr double kCurveWidth = 1.7;
constexpr int kPassPixelSize = 32;

constexpr std::array<int, 29> kGridFrequencies = {
    10,  20,  30,  40,   50,   60,   70,   80,   90,   100,  200,  300,  400,   500,  600,
    700, 800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 20000};

// Squared magnitude of a biquad at s = sin(w / 2), numerator or denominator.
double SquaredMagnitude(double x0, double x1, double x2, double s) {
  const double s2 = s * s;
  const double p = (x0 + x1 + x2) * (x0 + x1 + x2) -
                   4.0 * (4.0 * x0 * x2 + x0 * x1 + x1 * x2) * s2 + 16.0 * x0 * x2 * s2 * s2;
  return std::max(p, kMinSquaredMagnitude);
}

// The textbook peaking filter at the band's own frequency and Q.
BiquadCoefficients PeakingCoefficients(const PreviewBand& band, double sampleRate) {
  const double w0 = 2.0 * std::numbers::pi * band.frequency / sampleRate;
  const double cw = std::cos(w0);
  const double alpha = std::sin(w0) / (2.0 * band.q);
  const double a = std::pow(10.0, band.gain / 40.0);
  return {1.0 + alpha * a, -2.0 * cw, 1.0 - alpha * a, 1.0 + alpha / a, -2.0 * cw, 1.0 - alpha / a};
}

// Coefficients divided by a0; false for a band that is off.
bool PreviewCoefficients(const PreviewBand& band, double sampleRate, BiquadCoefficients& c) {
  if (band.type == FilterType::Peq) {
    c = PeakingCoefficients(band, sampleRate);
  } else if (ComputeCoefficients(band.type, band.frequency, sampleRate, band.q, band.gain, c) !=
             kCoefficientsOk) {
    return false;
  }
  const double a0 = c.a0;
  c = {c.b0 / a0, c.b1 / a0, c.b2 / a0, 1.0, c.a1 / a0, c.a2 / a0};
  return true;
}

double ResponseDb(const BiquadCoefficients& c, double s) {
  return 10.0 * std::log10(SquaredMagnitude(c.b0, c.b1, c.b2, s)) -
         10.0 * std::log10(SquaredMagnitude(c.a0, c.a1, c.a2, s));
}

// A band's value in tenths of a dB, as the total adds them.
double QuantisedDb(double db) {
  return std::trunc(10.0 * db + 0.5) / 10.0;
}

QFont PassFont() {
  QFont font;
  font.setFamilies(
      {QStringLiteral("SimHei"), QStringLiteral("黑体"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(kPassPixelSize);
  return font;
}

}  // namespace

EqPreview::EqPreview(QWidget* parent, int controlId) : QWidget(parent) {
  setProperty("controlId", controlId);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int b = 0; b < kBands; ++b) {
    bands_[std::size_t(b)].frequency = kPresetFrequencies[std::size_t(b)];
    bands_[std::size_t(b)].q = kPresetQ;
  }
  RecomputeAll();
}

QSize EqPreview::sizeHint() const {
  return {282, 136};
}

const PreviewBand& EqPreview::Band(int band) const {
  return bands_[std::size_t(std::clamp(band, 0, kBands - 1))];
}

double EqPreview::PlotWidth() const {
  return double(width() - marginRight_ - marginLeft_);
}

double EqPreview::PlotHeight() const {
  return double(height() - marginBottom_ - marginTop_);
}

double EqPreview::YOfGain(double gainDb) const {
  return marginTop_ + PlotHeight() / 2.0 - gainDb * PlotHeight() / kGainSpanDb;
}

double EqPreview::GainAtY(double y) const {
  return (PlotHeight() / 2.0 - (y - marginTop_)) / (PlotHeight() / kGainSpanDb);
}

double EqPreview::XOfFrequency(double frequencyHz) const {
  return marginLeft_ + (std::log10(frequencyHz) - 1.0) * PlotWidth() / kDecades;
}

void EqPreview::SetGain(int band, float gainDb) {
  if (!IsBand(band)) return;
  bands_[std::size_t(band)].gain = std::clamp(gainDb, -kMaxGainDb, kMaxGainDb);
  RecomputeBand(band);
  update();
}

void EqPreview::SetFrequency(int band, float frequencyHz) {
  if (!IsBand(band) || std::abs(frequencyHz) < kTinyValue) return;
  bands_[std::size_t(band)].frequency = std::clamp(frequencyHz, kMinFrequency, kMaxFrequency);
  RecomputeBand(band);
  update();
}

void EqPreview::SetQ(int band, float q) {
  if (!IsBand(band) || !(std::abs(q) >= kTinyValue)) return;
  bands_[std::size_t(band)].q = std::max(q, float(kMinQ));
  RecomputeBand(band);
  update();
}

void EqPreview::SetType(int band, FilterType type) {
  if (!IsBand(band)) return;
  bands_[std::size_t(band)].type = type;
  RecomputeBand(band);
  update();
}

void EqPreview::SetBypass(bool bypass) {
  bypass_ = bypass;
  update();
}

void EqPreview::SetCurveColour(const QColor& colour) {
  curveColour_ = colour;
  update();
}

void EqPreview::RecomputeBand(int band) {
  if (!IsBand(band)) return;
  PreviewBand& b = bands_[std::size_t(band)];
  BiquadCoefficients c;
  // A band that is off lies flat on the 0 dB line.
  const bool active = PreviewCoefficients(b, sampleRate_, c);
  const float plotWidth = float(PlotWidth());
  for (int k = 0; k < kPoints; ++k) {
    const float x = plotWidth / float(kPoints) * float(k) + float(marginLeft_);
    const double frequency =
        std::trunc(10.0 * std::pow(10.0, kDecades * (std::trunc(x) - marginLeft_) / plotWidth));
    const double s = std::sin(std::numbers::pi * frequency / sampleRate_);
    const double response = active ? ResponseDb(c, s) : 0.0;
    b.points[std::size_t(k)] = QPointF(x, float(YOfGain(response)));
  }
  RecomputeTotal();
}

void EqPreview::RecomputeTotal() {
  for (int k = 0; k < kPoints; ++k) {
    double sum = 0.0;
    for (const PreviewBand& b : bands_) sum += QuantisedDb(GainAtY(b.points[std::size_t(k)].y()));
    const double x = bands_[0].points[std::size_t(k)].x();
    total_[std::size_t(k)] = QPointF(x, float(YOfGain(sum)));
  }
}

void EqPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RecomputeAll();
}

void EqPreview::RecomputeAll() {
  curveSize_ = size();
  for (int b = 0; b < kBands; ++b) RecomputeBand(b);
}

void EqPreview::DrawGridLines(QPainter& painter) const {
  const double left = marginLeft_;
  const double right = marginLeft_ + PlotWidth();
  // Lines sit on whole pixels (pixel centres lie half a pixel in) so they stay crisp.
  painter.translate(0.5, 0.5);
  painter.setPen(QPen(QColor::fromRgba(kFineGridColour), 1.0));
  for (int db = -15; db <= 15; ++db) {
    const double y = std::trunc(YOfGain(db));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
  }
  for (int db = -15; db <= 15; db += 3) {
    const bool outer = db == -15 || db == 15;
    painter.setPen(QPen(QColor::fromRgba(outer ? kOuterGridColour : kGridColour), 1.0));
    const double y = std::trunc(YOfGain(db));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
  }
  painter.setPen(QPen(QColor::fromRgba(kGridColour), 1.0));
  const double top = marginTop_;
  const double bottom = marginTop_ + PlotHeight();
  for (int f : kGridFrequencies) {
    const double x = std::trunc(XOfFrequency(f));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
  }
}

void EqPreview::BuildGrid() {
  grid_ = QImage(size(), QImage::Format_RGB32);
  grid_.fill(Qt::black);
  QPainter painter(&grid_);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawGridLines(painter);
}

void EqPreview::DrawCurve(QPainter& painter) const {
  QPainterPath path(total_[0]);
  for (std::size_t k = 1; k < total_.size(); ++k) path.lineTo(total_[k]);
  painter.setPen(QPen(curveColour_, kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void EqPreview::DrawPass(QPainter& painter) const {
  painter.setFont(PassFont());
  painter.setPen(Qt::white);
  painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("PASS"));
}

void EqPreview::paintEvent(QPaintEvent*) {
  if (size().isEmpty()) return;
  if (curveSize_ != size()) RecomputeAll();
  // The grid is kept for the panel's size; only a new size draws it again.
  if (grid_.size() != size()) BuildGrid();
  frame_ = grid_.copy();
  {
    QPainter painter(&frame_);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawCurve(painter);
    if (bypass_) DrawPass(painter);
    if (hovered_) {
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setPen(QColor::fromRgba(kHoverFrameColour));
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }
  QPainter(this).drawImage(0, 0, frame_);
}

void EqPreview::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  hovered_ = true;
  update();
}

void EqPreview::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  hovered_ = false;
  update();
}

void EqPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked(property("controlId").toInt());
  }
}

}  // namespace v7
