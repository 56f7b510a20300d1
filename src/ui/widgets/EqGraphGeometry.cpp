#include "ui/widgets/EqGraphGeometry.h"

#include <algorithm>
#include <cmath>

#include "dsp/ResponseCurve.h"

namespace v7 {

// A graph squeezed below its margins keeps a one-pixel plot so the mappings stay finite.
EqGraphGeometry::EqGraphGeometry(int clientWidth, int clientHeight)
    : clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      width_(std::max(1, clientWidth - kPlotLeft - kRightMargin)),
      height_(std::max(1, clientHeight - kPlotTop - kBottomMargin)) {}

double EqGraphGeometry::XOfFrequency(double hz) const {
  return kPlotLeft + (std::log10(hz) - 1.0) * width_ / kDecades;
}

double EqGraphGeometry::YOfGain(double db) const {
  return kPlotTop + height_ * kGainTop / kGainSpan - db * height_ / kGainSpan;
}

double EqGraphGeometry::XOfPoint(int i) const {
  return kPlotLeft + static_cast<double>(i) * width_ / kResponsePoints;
}

double EqGraphGeometry::FrequencyAtPlotX(double plotX) const {
  return kStartHz * std::pow(10.0, kDecades * plotX / width_);
}

double EqGraphGeometry::GainAtPlotY(double plotY) const {
  return kGainTop - kGainSpan * plotY / height_;
}

}  // namespace v7
