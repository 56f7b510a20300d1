#pragma once

namespace v7 {

// Plot geometry of the EQ graph for a client area of the given size: the plot starts 36 px
// from the left and 18 px from the top and leaves 6 px right and 20 px below. Frequencies run
// logarithmically over 3.4 decades from 10 Hz, gains linearly from +15 dB (top) to -15 dB.
class EqGraphGeometry {
 public:
  static constexpr int kPlotLeft = 36;
  static constexpr int kPlotTop = 18;
  static constexpr int kRightMargin = 6;
  static constexpr int kBottomMargin = 20;
  // The pointer is compared with marker positions 16 px below the top, two pixels above the
  // plot's own origin, so the hit zone sits slightly above each marker's centre.
  static constexpr int kHitOffsetX = 36;
  static constexpr int kHitOffsetY = 16;
  static constexpr double kGainSpan = 30.0;  // dB from bottom to top
  static constexpr double kGainTop = 15.0;
  static constexpr double kDecades = 3.4;
  static constexpr double kStartHz = 10.0;

  EqGraphGeometry(int clientWidth, int clientHeight);

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  int Left() const { return kPlotLeft; }
  int Top() const { return kPlotTop; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Right() const { return kPlotLeft + width_; }
  int Bottom() const { return kPlotTop + height_; }

  double XOfFrequency(double hz) const;
  double YOfGain(double db) const;
  // x of response grid point i (0..511).
  double XOfPoint(int i) const;
  // Inverse mappings for positions relative to the plot origin.
  double FrequencyAtPlotX(double plotX) const;
  double GainAtPlotY(double plotY) const;

  static int HitX(int pointerX) { return pointerX - kHitOffsetX; }
  static int HitY(int pointerY) { return pointerY - kHitOffsetY; }

 private:
  int clientWidth_;
  int clientHeight_;
  int width_;
  int height_;
};

}  // namespace v7
