// Small passive picture of a seven-band equaliser: the total response over a fixed grid,
// "PASS" while bypassed, a cyan frame while the pointer rests on it. A click is reported
// with `Clicked`; it edits nothing itself.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <array>

#include "dsp/FilterType.h"

namespace v7 {

// One band of the preview with its own 56 curve points in widget pixels.
struct PreviewBand {
  static constexpr int kPoints = 56;
  FilterType type = FilterType::Peq;
  float frequency = 1000.0f;
  float gain = 0.0f;
  float q = 1.414f;
  std::array<QPointF, kPoints> points{};
};

class EqPreview : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBands = 7;
  static constexpr int kPoints = PreviewBand::kPoints;
  static constexpr float kMaxGainDb = 15.0f;
  static constexpr float kMinFrequency = 20.0f;
  static constexpr float kMaxFrequency = 20000.0f;
  static constexpr QRgb kDefaultCurveColour = 0xFF00C8FF;

  explicit EqPreview(QWidget* parent = nullptr, int controlId = 0);

  // Gain limited to -15..+15 dB; frequency ignored when (nearly) 0, else limited to
  // 20..20000 Hz; Q ignored when (nearly) 0. Each recomputes the band and repaints.
  void SetGain(int band, float gainDb);
  void SetFrequency(int band, float frequencyHz);
  void SetQ(int band, float q);
  void SetType(int band, FilterType type);
  void RecomputeBand(int band);
  void SetBypass(bool bypass);
  void SetCurveColour(const QColor& colour);

  bool IsBypassed() const { return bypass_; }
  bool IsHovered() const { return hovered_; }
  QColor CurveColour() const { return curveColour_; }
  const PreviewBand& Band(int band) const;
  const std::array<QPointF, kPoints>& TotalCurve() const { return total_; }

  // Plot mapping of the current size: gain to y, frequency to x.
  double YOfGain(double gainDb) const;
  double XOfFrequency(double frequencyHz) const;
  double GainAtY(double y) const;
  // The grid cache's size, empty before the first paint.
  QSize GridSize() const { return grid_.size(); }

  QSize sizeHint() const override;

 signals:
  void Clicked(int controlId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double PlotWidth() const;
  double PlotHeight() const;
  bool IsBand(int band) const { return band >= 0 && band < kBands; }
  void RecomputeAll();
  void RecomputeTotal();
  void BuildGrid();
  void DrawGridLines(QPainter& painter) const;
  void DrawCurve(QPainter& painter) const;
  void DrawPass(QPainter& painter) const;

  bool bypass_ = false;
  bool hovered_ = false;
  int marginLeft_ = 2;
  int marginTop_ = 2;
  int marginRight_ = 2;
  int marginBottom_ = 2;
  float sampleRate_ = 48000.0f;
  std::array<QPointF, kPoints> total_{};
  QSize curveSize_;  // the size the curves were computed for
  QImage grid_;      // the grid, drawn once per size
  QImage frame_;     // off-screen surface of each paint
  std::array<PreviewBand, kBands> bands_;
  QColor curveColour_ = QColor::fromRgba(kDefaultCurveColour);
};

}  // namespace v7
