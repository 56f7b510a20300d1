// Segmented (LED-style) level meter with horizontal bars that fall off smoothly between
// level updates.
#pragma once

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <span>
#include <vector>

namespace v7 {

class LevelMeter : public QWidget {
  Q_OBJECT

 public:
  struct Band {
    int level = 0;
    int peak = 0;
    int holdCount = 0;
    friend bool operator==(const Band&, const Band&) = default;
  };

  struct ZoneColours {
    QColor normal;
    QColor medium;
    QColor high;
  };

  static constexpr int kDefaultMediumThreshold = 180;
  static constexpr int kDefaultHighThreshold = 200;
  static constexpr int kDefaultMaximum = 230;
  static constexpr int kDefaultBandCount = 8;
  static constexpr int kDefaultSegmentCount = 8;
  static constexpr int kHoldTicks = 10;
  static constexpr int kDefaultTimerPeriodMs = 10;

  explicit LevelMeter(QWidget* parent = nullptr, int controlId = 0);

  // Configuration; call ResetBands after changing the band or segment count.
  void SetBandCount(int count);
  void SetSegmentCount(int count);
  void SetBackgroundColour(const QColor& colour);
  void SetLitColours(const ZoneColours& colours);
  void SetUnlitColours(const ZoneColours& colours);
  // Medium and high zone thresholds and the range maximum (the maximum is at least 1).
  void SetRange(int mediumThreshold, int highThreshold, int maximum);

  // Every band full (level and peak at the maximum, hold count at kHoldTicks), so a freshly
  // configured meter shows all segments and falls to zero.
  void ResetBands();
  // Takes levels[band] (clamped to 0..maximum) as that band's level. Restarts the fall-off
  // if it had stopped after falling to zero. Returns whether the fall-off runs afterwards;
  // false also for a band index outside the meter.
  bool SetLevel(std::span<const int> levels, int band);
  // Starts the periodic fall-off if it is not running and remembers the period.
  void StartFallOff(int periodMs);
  void StopFallOff();
  bool IsFallOffRunning() const { return timer_.isActive(); }
  int FallOffPeriodMs() const { return periodMs_; }

  // One fall-off step; run by the timer. Stops the timer once everything is at zero.
  void FallOffTick();

  const std::vector<Band>& Bands() const { return bands_; }
  int BandCount() const { return bandCount_; }
  // Segments drawn per bar: the configured count, or a tenth of the maximum below 2.
  int EffectiveSegmentCount() const;
  // Lit segments for a level, and the first medium and high segment.
  int LitSegments(int level) const;
  int MediumZoneStart() const;
  int HighZoneStart() const;

  // Draws the meter into `target` (its size is the meter's drawing area).
  void Render(QImage& target) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FallStep() const;
  QColor SegmentColour(int segment, bool lit) const;
  void PaintBand(QPainter& painter, QRect area, const Band& band) const;

  QColor background_;
  ZoneColours lit_;
  ZoneColours unlit_;
  int mediumThreshold_ = kDefaultMediumThreshold;
  int highThreshold_ = kDefaultHighThreshold;
  int maximum_ = kDefaultMaximum;
  int bandCount_ = kDefaultBandCount;
  int segmentCount_ = kDefaultSegmentCount;
  int periodMs_ = kDefaultTimerPeriodMs;
  bool fallOffStarted_ = false;
  QTimer timer_;
  std::vector<Band> bands_;
  QImage surface_;  // off-screen surface of the client size
};

}  // namespace v7
