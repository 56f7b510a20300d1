#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "params/DspCodec.h"

namespace v7 {
namespace {

struct GainCase {
  float gain;
  uint16_t code;
  float decoded;
};

TEST(EqBandCodec, GainCodesRoundToTheNearestTenth) {
  const GainCase cases[] = {
      {-15.0f, 0, -15.0f},  {15.0f, 300, 15.0f}, {0.0f, 150, 0.0f},   {-0.04f, 150, 0.0f},
      {-0.06f, 149, -0.1f}, {2.96f, 180, 3.0f},  {-20.0f, 0, -15.0f}, {40.0f, 300, 15.0f},
  };
  for (const GainCase& c : cases) {
    SCOPED_TRACE(c.gain);
    EXPECT_EQ(EqGainCode(c.gain), c.code);
    const EqBand record = EncodeEqBand({c.gain, 1000, 1.0f, 1});
    EXPECT_FLOAT_EQ(DecodeEqBand(record.data()).gainDb, c.decoded);
  }
}

TEST(EqBandCodec, QCodesInSinglePrecision) {
  EXPECT_EQ(EqQCode(1.414f), 1414);
  EXPECT_EQ(EqQCode(0.7f), 700);
  EXPECT_EQ(EqQCode(-1.0f), 0);
  EXPECT_EQ(EqQCode(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(EqQCode(1000.0f), 65535);
}

TEST(EqBandCodec, RecordLayoutIsBigEndianWithTypeLast) {
  const EqBand record = EncodeEqBand({0.0f, 22, 1.414f, 1});
  EXPECT_EQ(record, (EqBand{0x00, 0x96, 0x00, 0x16, 0x05, 0x86, 0x01}));
  const EqBandSettings back = DecodeEqBand(record.data());
  EXPECT_EQ(back.freqHz, 22);
  EXPECT_FLOAT_EQ(back.q, 1.414f);
  EXPECT_EQ(back.type, 1);
}

TEST(DspWordCodec, GainWords) {
  EXPECT_EQ(GainToDspWord(0), 0x00800000);
  EXPECT_EQ(GainToDspWord(-6), 0x004026E7);
  EXPECT_EQ(DspWordToGain(0x004026E7), -6);
  EXPECT_EQ(DspWordToGain(0x00800000), 0);
  // Every whole gain the controls use survives the round trip.
  for (int dB = -80; dB <= 20; ++dB) EXPECT_EQ(DspWordToGain(GainToDspWord(dB)), dB) << dB;
}

TEST(DspWordCodec, OutOfRangeWordsAndGainsAreClamped) {
  EXPECT_EQ(GainToDspWord(60), std::numeric_limits<DspWord>::max());
  EXPECT_EQ(DspWordToGain(0), DspWordToGain(1));
  EXPECT_EQ(DspWordToGain(-5), DspWordToGain(1));
}

TEST(DspWordCodec, GainsThatAreNoNumberGiveSilenceOrTheLargestWord) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double dB;
    DspWord word;
  };
  for (const Case c : {Case{kNaN, 0}, Case{-kInf, 0}, Case{-1e300, 0},
                       Case{kInf, std::numeric_limits<DspWord>::max()},
                       Case{1e300, std::numeric_limits<DspWord>::max()}}) {
    EXPECT_EQ(GainToDspWord(c.dB), c.word) << c.dB;
  }
  for (int tenths : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
    EXPECT_EQ(DspWordToTenths(TenthsToDspWord(tenths)), tenths < 0 ? -1384 : 481);
}

TEST(DspWordCodec, TenthsTruncateTowardZero) {
  EXPECT_EQ(TenthsToDspWord(0), 0x00800000);
  for (int tenths = -110; tenths <= 0; ++tenths) {
    EXPECT_EQ(DspWordToTenths(TenthsToDspWord(tenths)), tenths) << tenths;
  }
  // A positive ratio loses its last tenth to the truncated word: the machine's own coding.
  EXPECT_EQ(DspWordToTenths(TenthsToDspWord(10)), 9);
}

TEST(DspWordCodec, MuteAndSelectors) {
  EXPECT_EQ(MuteWord(0), kDspUnity);
  EXPECT_EQ(MuteWord(1), 0);
  EXPECT_EQ(SelectorWords(0), (std::array<DspWord, 2>{kDspUnity, 0}));
  EXPECT_EQ(SelectorWords(1), (std::array<DspWord, 2>{0, kDspUnity}));
  EXPECT_EQ(InvertedSelectorWords(1), (std::array<DspWord, 2>{kDspUnity, 0}));
  EXPECT_EQ(InvertedSelectorWords(0), (std::array<DspWord, 2>{0, kDspUnity}));
  // Decoding looks only at the second byte of the first word.
  EXPECT_EQ(DecodeSelector(0x00800000), 0);
  EXPECT_EQ(DecodeSelector(0x12801234), 0);
  EXPECT_EQ(DecodeSelector(0x00000000), 1);
  EXPECT_EQ(DecodeSelector(0x00400000), 1);
  EXPECT_EQ(DecodeInvertedSelector(0x00800000), 1);
  EXPECT_EQ(DecodeInvertedSelector(0), 0);
}

TEST(DspWordCodec, BigEndianBytes) {
  uint8_t bytes[4];
  PutDspWord(bytes, 0x004026E7);
  EXPECT_EQ(bytes[0], 0x00);
  EXPECT_EQ(bytes[1], 0x40);
  EXPECT_EQ(bytes[2], 0x26);
  EXPECT_EQ(bytes[3], 0xE7);
  EXPECT_EQ(GetDspWord(bytes), 0x004026E7);
  PutDspWord(bytes, -2);
  EXPECT_EQ(GetDspWord(bytes), -2);
}

}  // namespace
}  // namespace v7
