#include "params/EqResetBands.h"

#include <algorithm>
#include <array>

namespace v7 {
namespace {

constexpr float kResetGainDb = 0.0f;
constexpr int kPeqType = static_cast<int>(FilterType::Peq);
constexpr int kLowPassType = static_cast<int>(FilterType::Lp);
constexpr std::array<int, kTenBandCount> kResetFrequencies = {31,   62,   125,  250,  500,
                                                              1000, 2300, 4500, 9000, 15000};

struct SubLowPass {
  int band;
  int freqHz;
  float coefficientQ;
  float recordQ;
};
constexpr std::array<SubLowPass, 2> kSubLowPasses = {
    {{2, 100, 0.7f, 0.707f}, {3, 130, 1.0f, 1.0f}}};

}  // namespace

ResetBand ResetBandOf(int page, int band) {
  page = std::clamp(page, 0, kPageCount - 1);
  band = std::clamp(band, 0, ParameterImage::BandCountOfPage(page) - 1);
  if (page == kPageSub) {
    for (const SubLowPass& lp : kSubLowPasses) {
      if (lp.band == band)
        return {{kResetGainDb, lp.freqHz, lp.recordQ, kLowPassType}, lp.coefficientQ};
    }
  }
  return {{kResetGainDb, kResetFrequencies[static_cast<size_t>(band)], kStartupBandQ, kPeqType},
          kStartupBandQ};
}

}  // namespace v7
