#include "ui/widgets/LevelMeter.h"

#include <QPainter>
#include <QPalette>
#include <QVariant>
#include <algorithm>

namespace v7 {

namespace {

const LevelMeter::ZoneColours kLitColours = {QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00),
                                             QColor(0xFF, 0x00, 0x00)};
const LevelMeter::ZoneColours kUnlitColours = {QColor(0x02, 0x3C, 0x02), QColor(0x3C, 0x3C, 0x02),
                                               QColor(0x3C, 0x02, 0x02)};

// With fewer than two segments the meter works in tenths of its maximum.
constexpr int kMinSegments = 2;
constexpr int kFallbackDivisor = 10;
constexpr int kFallbackPeakStep = 5;

}  // namespace

LevelMeter::LevelMeter(QWidget* parent, int controlId)
    : QWidget(parent),
      background_(palette().color(QPalette::Button)),
      lit_(kLitColours),
      unlit_(kUnlitColours) {
  setProperty("controlId", controlId);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The tick must keep its period closely; it runs on this thread, so it never
  // interleaves with SetLevel.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &LevelMeter::FallOffTick);
  ResetBands();
}

void LevelMeter::SetBandCount(int count) {
  bandCount_ = std::max(1, count);
}

void LevelMeter::SetSegmentCount(int count) {
  segmentCount_ = std::max(0, count);
}

void LevelMeter::SetBackgroundColour(const QColor& colour) {
  background_ = colour;
  update();
}

void LevelMeter::SetLitColours(const ZoneColours& colours) {
  lit_ = colours;
  update();
}

void LevelMeter::SetUnlitColours(const ZoneColours& colours) {
  unlit_ = colours;
  update();
}

void LevelMeter::SetRange(int mediumThreshold, int highThreshold, int maximum) {
  mediumThreshold_ = mediumThreshold;
  highThreshold_ = highThreshold;
  maximum_ = std::max(1, maximum);
  update();
}

void LevelMeter::ResetBands() {
  bands_.assign(std::size_t(bandCount_), Band{maximum_, maximum_, kHoldTicks});
  if (fallOffStarted_ && !timer_.isActive()) timer_.start(periodMs_);
  update();
}

bool LevelMeter::SetLevel(std::span<const int> levels, int band) {
  if (band < 0 || std::size_t(band) >= bands_.size() || std::size_t(band) >= levels.size()) {
    return false;
  }
  Band& b = bands_[std::size_t(band)];
  b.level = std::clamp(levels[std::size_t(band)], 0, maximum_);
  if (b.peak < b.level) {
    b.peak = b.level;
    b.holdCount = kHoldTicks;
  }
  // A fall-off that stopped at zero starts again with the new level.
  if (fallOffStarted_ && !timer_.isActive()) timer_.start(periodMs_);
  update();
  return timer_.isActive();
}

void LevelMeter::StartFallOff(int periodMs) {
  if (timer_.isActive()) return;
  periodMs_ = std::max(1, periodMs);
  fallOffStarted_ = true;
  timer_.start(periodMs_);
}

void LevelMeter::StopFallOff() {
  fallOffStarted_ = false;
  timer_.stop();
}

int LevelMeter::EffectiveSegmentCount() const {
  return segmentCount_ < kMinSegments ? std::max(1, maximum_ / kFallbackDivisor) : segmentCount_;
}

int LevelMeter::FallStep() const {
  const int step =
      segmentCount_ < kMinSegments ? maximum_ / kFallbackDivisor : maximum_ / segmentCount_;
  return std::max(1, step);  // a meter with more segments than levels still empties
}

void LevelMeter::FallOffTick() {
  update();
  const int step = FallStep();
  const int peakStep = segmentCount_ < kMinSegments ? kFallbackPeakStep : step / 2;
  bool changed = false;
  for (Band& b : bands_) {
    const Band before = b;
    if (b.level > 0) b.level = std::max(0, b.level - step);
    if (b.holdCount > 0) --b.holdCount;
    if (b.holdCount == 0 && b.peak > 0) b.peak = std::max(0, b.peak - peakStep);
    changed |= !(b == before);
  }
  if (!changed) timer_.stop();
}

int LevelMeter::LitSegments(int level) const {
  return EffectiveSegmentCount() * std::clamp(level, 0, maximum_) / maximum_;
}

int LevelMeter::MediumZoneStart() const {
  return EffectiveSegmentCount() * mediumThreshold_ / maximum_;
}

int LevelMeter::HighZoneStart() const {
  return EffectiveSegmentCount() * highThreshold_ / maximum_;
}

QColor LevelMeter::SegmentColour(int segment, bool lit) const {
  const ZoneColours& zone = lit ? lit_ : unlit_;
  if (segment < MediumZoneStart()) return zone.normal;
  if (segment < HighZoneStart()) return zone.medium;
  return zone.high;
}

void LevelMeter::PaintBand(QPainter& painter, QRect area, const Band& band) const {
  const int segments = EffectiveSegmentCount();
  const int segmentWidth = area.width() / segments;
  const int lit = LitSegments(band.level);
  // One-pixel gaps of background between segments and between stacked bars.
  const int leftGap = segments > 1 ? 1 : 0;
  const int verticalGap = bands_.size() > 1 ? 1 : 0;
  for (int i = 0; i < segments; ++i) {
    const QRect segment(area.left() + i * segmentWidth + leftGap, area.top() + verticalGap,
                        segmentWidth - leftGap, area.height() - 2 * verticalGap);
    painter.fillRect(segment, SegmentColour(i, i < lit));
  }
}

void LevelMeter::Render(QImage& target) const {
  target.fill(background_);
  if (bands_.empty()) return;
  QPainter painter(&target);
  const int bandHeight = target.height() / int(bands_.size());
  // Bars sit on the bottom edge; the remainder of the division stays at the top.
  const int top = target.height() - bandHeight * int(bands_.size());
  for (std::size_t b = 0; b < bands_.size(); ++b) {
    PaintBand(painter, QRect(0, top + int(b) * bandHeight, target.width(), bandHeight), bands_[b]);
  }
}

void LevelMeter::paintEvent(QPaintEvent*) {
  if (surface_.size() != size()) surface_ = QImage(size(), QImage::Format_RGB32);
  if (surface_.isNull()) return;
  Render(surface_);
  QPainter(this).drawImage(0, 0, surface_);
}

}  // namespace v7
