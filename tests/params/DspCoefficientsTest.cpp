#include <gtest/gtest.h>

#include <vector>

#include "params/DspCoefficients.h"

namespace v7 {
namespace {

constexpr int32_t kUnity = 0x00800000;

struct CoefficientCase {
  const char* name;
  int type;
  int freq;
  float gain;
  float q;
  DspCoefficients expected;
};

// Expected words worked out independently in double precision from the filter formulas.
const CoefficientCase kCases[] = {
    {"PeqBoost", 1, 1000, 6.0f, 1.414f, {15688647, -7607397, 8777362, -15688647, 7218643}},
    {"PeqCut", 1, 250, -7.5f, 0.7f, {15898913, -7529479, 8140189, -15898913, 7777897}},
    {"LowPass", 2, 100, 0.0f, 0.7f, {16541995, -8156577, 797, 1594, 797}},
    {"HighPass", 3, 5000, 3.0f, 0.5f, {5089312, -771913, 5032106, -10064212, 5032106}},
    {"LowShelf", 4, 200, -6.0f, 1.0f, {16223749, -7852825, 8308163, -16228159, 7928858}},
    {"HighShelf", 5, 8000, 9.5f, 0.8f, {-2524058, -1071334, 14494054, -4361133, 1851079}},
    // The short 2*pi constant and truncation toward zero: a precise 2*pi would give
    // -16777216 and -8388608 here.
    {"ShortTwoPiAtNyquist",
     1,
     16000,
     3.0f,
     1.0f,
     {-16777215, -8388607, 8388608, 16777215, 8388607}},
};

class ComputeDspCoefficientsTest : public testing::TestWithParam<CoefficientCase> {};

TEST_P(ComputeDspCoefficientsTest, MatchesReferenceWords) {
  const CoefficientCase& c = GetParam();
  EXPECT_EQ(ComputeDspCoefficients(c.type, c.freq, c.gain, c.q, 0.0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Filters, ComputeDspCoefficientsTest, testing::ValuesIn(kCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ComputeDspCoefficients, FlatPeqAndOffArePassThroughWhateverFrequencyAndQ) {
  const DspCoefficients unity{0, 0, kUnity, 0, 0};
  for (int freq : {20, 1000, 20000}) {
    EXPECT_EQ(ComputeDspCoefficients(1, freq, 0.0f, 0.3f, 0.0), unity);
    EXPECT_EQ(ComputeDspCoefficients(0, freq, 12.0f, 4.0f, 0.0), unity);
  }
  EXPECT_EQ(ComputeDspCoefficients(9, 1000, 5.0f, 1.0f, 0.0), unity);
}

TEST(ComputeDspCoefficients, FlatPeqCarriesTheExtraGain) {
  // 10^(-6/20) * 2^23 truncated.
  EXPECT_EQ(ComputeDspCoefficients(1, 1000, 0.0f, 1.0f, -6.0).b0, 4204263);
}

TEST(ComputeDspCoefficients, ZeroQOrImpossibleShelfNeverProducesUndefinedWords) {
  // Q 0 divides by zero and a steep shelf has no real root: both must still give defined
  // integers (NaN terms become 0) instead of reaching an undefined float-to-int conversion.
  const DspCoefficients silent{0, 0, 0, 0, 0};
  EXPECT_EQ(ComputeDspCoefficients(1, 1000, 6.0f, 0.0f, 0.0), silent);
  EXPECT_EQ(ComputeDspCoefficients(4, 1000, 15.0f, 10.0f, 0.0), silent);
}

std::vector<uint8_t> Bytes(const BandCoefficientWrite& w) {
  return std::vector<uint8_t>(w.bytes.begin(), w.bytes.end());
}

TEST(PackBandCoefficients, FlatMicBandZeroGoesToWord214InFeedForwardOrder) {
  const BandCoefficientWrite w = PackBandCoefficients(1, 0, 1, 1000, 0.0f, 1.414f);
  EXPECT_EQ(w.address, 0x00D6);
  std::vector<uint8_t> expected(20, 0);
  expected[1] = 0x80;
  EXPECT_EQ(Bytes(w), expected);
}

TEST(PackBandCoefficients, SubLowPassBandTwoGoesToWord409AsB0B1B2A1A2) {
  const BandCoefficientWrite w = PackBandCoefficients(4, 2, 2, 100, 0.0f, 0.7f);
  EXPECT_EQ(w.address, 409);
  const std::vector<uint8_t> expected = {
      0x00, 0x00, 0x03, 0x1D,  // B0 797
      0x00, 0x00, 0x06, 0x3A,  // B1 1594
      0x00, 0x00, 0x03, 0x1D,  // B2 797
      0x00, 0xFC, 0x69, 0x2B,  // A1 16541995
      0xFF, 0x83, 0x8A, 0x5F,  // A2 -8156577
  };
  EXPECT_EQ(Bytes(w), expected);
}

TEST(PackBandCoefficients, MainAndCentreBlocksLeadWithFeedbackWords) {
  for (auto [block, base] : {std::pair{2, 320}, std::pair{3, 361}}) {
    const BandCoefficientWrite w = PackBandCoefficients(block, 1, 2, 100, 0.0f, 0.7f);
    EXPECT_EQ(w.address, base + 5);
    EXPECT_EQ(std::vector<uint8_t>(w.bytes.begin(), w.bytes.begin() + 4),
              (std::vector<uint8_t>{0x00, 0xFC, 0x69, 0x2B}));
    EXPECT_EQ(std::vector<uint8_t>(w.bytes.begin() + 8, w.bytes.begin() + 12),
              (std::vector<uint8_t>{0x00, 0x00, 0x03, 0x1D}));
  }
}

TEST(PackBandCoefficients, BaseAddressesOfEveryBlock) {
  const int bases[] = {162, 214, 320, 361, 399, 270};
  for (int block = 0; block < 6; ++block)
    EXPECT_EQ(PackBandCoefficients(block, 0, 0, 1000, 0.0f, 1.0f).address, bases[block]);
}

TEST(PackBandCoefficients, OutOfRangeIndicesStayInsideTheirBlock) {
  EXPECT_EQ(PackBandCoefficients(2, 9, 0, 1000, 0.0f, 1.0f).address, 320 + 5 * 6);
  EXPECT_EQ(PackBandCoefficients(7, -1, 0, 1000, 0.0f, 1.0f).address, 270);
}

}  // namespace
}  // namespace v7
