#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "dsp/ResponseMath.h"

namespace v7 {
namespace {

ResponseCurve BandCurve(FilterType type, float frequency, float gain, float q) {
  ResponseCurve curve{};
  ComputeBandCurve(type, frequency, gain, q, curve);
  return curve;
}

TEST(ResponseMathGrid, SpansThreePointFourDecadesFromTenHertz) {
  const ResponseCurve& f = GridFrequencies();
  EXPECT_EQ(f[0], 10.0f);
  EXPECT_NEAR(f[256], 501.19, 0.01);
  EXPECT_NEAR(f[301], 997.3, 0.05);
  EXPECT_NEAR(f[509], 23992.6, 0.1);
  EXPECT_NEAR(f[510], 24362.3, 0.1);
  EXPECT_NEAR(f[511], 24738.0, 1.0);
  for (int i = 0; i < kResponsePoints; ++i) {
    EXPECT_EQ(f[i], static_cast<float>(10.0 * std::pow(10.0, 3.4 * i / 512))) << i;
  }
}

TEST(ResponseMathCoefficients, RejectsTypesWithoutAFilter) {
  for (int code : {0, 6, -1, 42}) {
    BiquadCoefficients c{7, 7, 7, 7, 7, 7};
    EXPECT_EQ(ComputeCoefficients(static_cast<FilterType>(code), 1000, 48000, 1, 0, c),
              kCoefficientsBadType)
        << code;
    EXPECT_EQ(c.b0, 7.0) << "coefficients must stay untouched for type " << code;
  }
}

TEST(ResponseMathCoefficients, NormalisesAllButThePeakingPrototype) {
  for (FilterType type : {FilterType::Lp, FilterType::Hp, FilterType::Ls, FilterType::Hs}) {
    BiquadCoefficients c;
    ASSERT_EQ(ComputeCoefficients(type, 1000, 48000, 0.7, 6, c), kCoefficientsOk);
    EXPECT_EQ(c.a0, 1.0);
  }
  BiquadCoefficients peak;
  ASSERT_EQ(ComputeCoefficients(FilterType::Peq, 1000, 48000, 1.0, 6, peak), kCoefficientsOk);
  const double a = std::pow(10.0, 6.0 / 40.0);
  const double alpha = 1.0 / 5.6;
  EXPECT_NEAR(peak.b0, 1 + alpha * a, 1e-12);
  EXPECT_NEAR(peak.a0, 1 + alpha / a, 1e-12);
  EXPECT_NEAR(peak.b1, 0.0, 1e-15);
}

struct CentreCase {
  float frequency;
  int index;
};

TEST(ResponseMathPeq, PeakSitsOnTheBandsGridPosition) {
  const std::array<CentreCase, 5> cases{
      {{20, 45}, {31, 74}, {1000, 301}, {12000, 464}, {20000, 497}}};
  for (const CentreCase& c : cases) {
    const ResponseCurve curve = BandCurve(FilterType::Peq, c.frequency, 6.0f, 1.41f);
    EXPECT_EQ(std::max_element(curve.begin(), curve.end()) - curve.begin(), c.index) << c.frequency;
    EXPECT_NEAR(curve[c.index], 6.0, 1e-5) << c.frequency;
  }
}

TEST(ResponseMathPeq, BoostAndCutMatchTheReferenceValues) {
  const ResponseCurve boost = BandCurve(FilterType::Peq, 1000, 6, 1.41f);
  EXPECT_NEAR(boost[301], 6.0, 1e-5);
  EXPECT_NEAR(boost[261], 1.27, 0.005);
  EXPECT_NEAR(boost[341], 1.27, 0.005);
  EXPECT_EQ(boost[261], boost[341]);

  const ResponseCurve cut = BandCurve(FilterType::Peq, 100, -12, 1.0f);
  EXPECT_NEAR(cut[151], -12.0, 1e-5);
  EXPECT_NEAR(cut[0], -0.28, 0.01);
}

TEST(ResponseMathPeq, ShapeIsTheShiftedPrototypeWithRepeatedEnds) {
  BiquadCoefficients c;
  ASSERT_EQ(ComputeCoefficients(FilterType::Peq, 0, 48000, 1.41f, 6, c), kCoefficientsOk);
  const auto prototype = [&c](int i) {
    return static_cast<float>(ResponseDb(i, 0, FilterType::Peq, c));
  };

  const ResponseCurve low = BandCurve(FilterType::Peq, 20, 6, 1.41f);  // centre 45
  EXPECT_EQ(low[0], prototype(256 - 45));
  EXPECT_EQ(low[511], prototype(511));  // beyond the prototype's end
  EXPECT_EQ(low[480], prototype(511));

  const ResponseCurve high = BandCurve(FilterType::Peq, 20000, 6, 1.41f);  // centre 497
  EXPECT_EQ(high[0], prototype(0));
  EXPECT_EQ(high[511], prototype(256 + 511 - 497));
  for (int k = 1; k < 14; ++k) {
    EXPECT_EQ(high[497 - k], high[497 + k]) << k;
  }
}

TEST(ResponseMathPeq, AbsurdFrequenciesStayInsideTheCurve) {
  for (float f : {0.0f, -5.0f, 1e30f, std::nanf("")}) {
    ResponseCurve curve = BandCurve(FilterType::Peq, f, 6, 1.41f);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](float v) { return std::isfinite(v); }))
        << f;
  }
}

struct PointCase {
  FilterType type;
  float frequency;
  float gain;
  float q;
  int index;
  double expectedDb;
  double tolerance;
};

TEST(ResponseMathTypes, LowHighPassAndShelfReferenceValues) {
  const std::vector<PointCase> cases{
      {FilterType::Lp, 1000, 0, 0.7f, 301, -3.07, 0.01},
      {FilterType::Lp, 1000, 0, 0.7f, 0, 0.0, 0.001},
      {FilterType::Hp, 1000, 0, 0.7f, 301, -3.12, 0.01},
      {FilterType::Hp, 1000, 0, 0.7f, 0, -80.0, 0.05},
      {FilterType::Ls, 100, 6, 0.7f, 0, 6.0, 0.02},
      {FilterType::Ls, 100, 6, 0.7f, 511, 0.0, 0.001},
      {FilterType::Hs, 1000, -6, 0.7f, 511, -6.0, 0.05},
      {FilterType::Hs, 1000, -6, 0.7f, 0, 0.0, 0.001},
  };
  for (const PointCase& c : cases) {
    const ResponseCurve curve = BandCurve(c.type, c.frequency, c.gain, c.q);
    EXPECT_NEAR(curve[c.index], c.expectedDb, c.tolerance)
        << "type " << static_cast<int>(c.type) << " index " << c.index;
  }
}

TEST(ResponseMathTypes, CurveEqualsResponseDbAtEveryGridPoint) {
  for (FilterType type : {FilterType::Lp, FilterType::Hp, FilterType::Ls, FilterType::Hs}) {
    BiquadCoefficients c;
    ASSERT_EQ(ComputeCoefficients(type, 2500, kDisplaySampleRate, 1.3f, 4.5f, c), kCoefficientsOk);
    const ResponseCurve curve = BandCurve(type, 2500, 4.5f, 1.3f);
    for (int i = 0; i < kResponsePoints; ++i) {
      ASSERT_EQ(curve[i], static_cast<float>(ResponseDb(i, GridFrequencies()[i], type, c))) << i;
    }
  }
}

TEST(ResponseMathTypes, PassFiltersIgnoreGain) {
  for (FilterType type : {FilterType::Lp, FilterType::Hp}) {
    EXPECT_EQ(BandCurve(type, 800, 12, 0.7f), BandCurve(type, 800, -9, 0.7f));
  }
}

TEST(ResponseMathTypes, LowPassStaysFiniteAcrossTheWholeGrid) {
  const ResponseCurve curve = BandCurve(FilterType::Lp, 20000, 0, 0.1f);
  EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](float v) { return std::isfinite(v); }));
  EXPECT_GT(*std::min_element(curve.begin(), curve.end()), -300.0f);
}

TEST(ResponseMathBandCurve, OffOrUnknownTypeLeavesTheCurveAlone) {
  for (FilterType type : {FilterType::Off, static_cast<FilterType>(9)}) {
    ResponseCurve curve;
    curve.fill(3.5f);
    ComputeBandCurve(type, 1000, 6, 1, curve);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](float v) { return v == 3.5f; }));
  }
}

TEST(ResponseMathBandCurve, BandRecordOverloadUsesItsFields) {
  EqGraphBand band;
  band.type = FilterType::Ls;
  band.frequency = 300;
  band.gain = -4;
  band.q = 0.9f;
  ComputeBandCurve(band);
  EXPECT_EQ(band.curve, BandCurve(FilterType::Ls, 300, -4, 0.9f));
}

TEST(ResponseMathBandCurve, DisplayResponseCarriesGridAndCurve) {
  const DisplayResponse r = BandDisplayResponse(FilterType::Peq, 1000, 6, 1.41f);
  EXPECT_EQ(r.frequencyHz, GridFrequencies());
  EXPECT_EQ(r.gainDb, BandCurve(FilterType::Peq, 1000, 6, 1.41f));
  const DisplayResponse off = BandDisplayResponse(FilterType::Off, 1000, 6, 1.41f);
  EXPECT_TRUE(std::all_of(off.gainDb.begin(), off.gainDb.end(), [](float v) { return v == 0.0f; }));
}

class SumCurvesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      bands_[i].type = FilterType::Peq;
      bands_[i].curve.fill(static_cast<float>(i + 1));
    }
  }
  float SumAt(int count, int point = 100) {
    ResponseCurve total;
    total.fill(-99.0f);
    SumCurves(bands_, count, total);
    return total[point];
  }
  std::array<EqGraphBand, 4> bands_{};
};

TEST_F(SumCurvesTest, AddsTheFirstCountBands) {
  EXPECT_EQ(SumAt(4), 10.0f);
  EXPECT_EQ(SumAt(2), 3.0f);
}

TEST_F(SumCurvesTest, SkipsBandsThatAreOffDespiteStaleCurves) {
  bands_[1].type = FilterType::Off;
  bands_[3].type = static_cast<FilterType>(8);
  EXPECT_EQ(SumAt(4), 4.0f);
}

TEST_F(SumCurvesTest, NoActiveBandGivesZeroEverywhere) {
  EXPECT_EQ(SumAt(0, 0), 0.0f);
  EXPECT_EQ(SumAt(-3, 511), 0.0f);
  for (EqGraphBand& b : bands_) {
    b.type = FilterType::Off;
  }
  EXPECT_EQ(SumAt(4, 300), 0.0f);
}

TEST_F(SumCurvesTest, CountBeyondTheRecordsIsLimited) {
  EXPECT_EQ(SumAt(40), 10.0f);
}

TEST_F(SumCurvesTest, TotalIsNotClamped) {
  bands_[0].curve.fill(15.0f);
  bands_[1].curve.fill(15.0f);
  EXPECT_EQ(SumAt(2), 30.0f);
}

}  // namespace
}  // namespace v7
