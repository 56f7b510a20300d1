#include <gtest/gtest.h>

#include <limits>

#include "params/DspFieldTable.h"
#include "params/ParameterCatalogue.h"

namespace v7 {
namespace {

constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

const DspField& FieldOf(int32_t DspParams::*member) {
  for (const DspField& field : DspFields())
    if (field.first == member || field.second == member) return field;
  throw std::logic_error("no DSP field");
}

// The wire ranges are exactly what a reply can decode to: the ends survive the round trip and
// any word at all decodes inside them.
TEST(WireRange, GainAndTenthsRangesAreWhatTheWordsCarry) {
  EXPECT_EQ(DspWordToGain(kIntMax), kGainWireRange.max);
  EXPECT_EQ(DspWordToGain(1), kGainWireRange.min);
  EXPECT_EQ(DspWordToGain(GainToDspWord(kGainWireRange.max)), kGainWireRange.max);
  EXPECT_EQ(GainToDspWord(kGainWireRange.min), 1);
  EXPECT_LT(GainToDspWord(kGainWireRange.max), kIntMax);
  EXPECT_EQ(GainToDspWord(kGainWireRange.max + 1), kIntMax);
  EXPECT_EQ(DspWordToTenths(kIntMax), kTenthsWireRange.max);
  EXPECT_EQ(DspWordToTenths(1), kTenthsWireRange.min);
  EXPECT_EQ(TenthsToDspWord(kTenthsWireRange.min), 1);
  EXPECT_LT(TenthsToDspWord(kTenthsWireRange.max), kIntMax);
}

TEST(WireRange, EveryCatalogueEntryHasOneWiderThanItsControls) {
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    SCOPED_TRACE(std::string(entry.name));
    EXPECT_LE(entry.wire.min, entry.range.min);
    EXPECT_GE(entry.wire.max, entry.range.max);
    if (entry.field.kind == ImageField::Kind::kDsp) {
      const ParameterRange fieldRange = WireRangeOf(FieldOf(entry.field.dsp));
      EXPECT_EQ(entry.wire.min, fieldRange.min);
      EXPECT_EQ(entry.wire.max, fieldRange.max);
    }
  }
  EXPECT_EQ(ParameterOf(ParameterId::kMicSubRatio).wire.max, 255);
  EXPECT_EQ(ParameterOf(ParameterId::kMicGateThreshold).wire.min, -89);
}

TEST(WireRange, SwitchesAreOnForAnythingButZeroAndTheRestIsClamped) {
  struct Case {
    ParameterId id;
    int given, sent;
  };
  for (const Case c :
       {Case{ParameterId::kMicMute, -3, 1}, Case{ParameterId::kMicMute, 0, 0},
        Case{ParameterId::kFbcBypass, kIntMin, 1}, Case{ParameterId::kEchoTime, 1255557764, 7300},
        Case{ParameterId::kEchoTime, 0, 1}, Case{ParameterId::kMicVolume, 5, 5},
        Case{ParameterId::kSubMusic, kIntMax, 48}, Case{ParameterId::kEchoRatio, kIntMin, -1384},
        Case{ParameterId::kMicSubSensitivity, 300, 255},
        Case{ParameterId::kMusicGateThreshold, -120, -89}}) {
    const ParameterEntry& entry = ParameterOf(c.id);
    EXPECT_EQ(LimitToWire(entry, c.given), c.sent) << entry.name << " " << c.given;
    if (entry.field.kind == ImageField::Kind::kDsp) {
      EXPECT_EQ(LimitToWireRange(FieldOf(entry.field.dsp), c.given), c.sent) << entry.name;
    }
  }
}

TEST(WireRange, LimitingTheImageNamesEachChangedMemberInAddressOrder) {
  DspParams params;
  params.centerMusic = -500;
  params.micDynamicsSwitch = 7;
  params.echoTime = -1;
  params.subVolume = 12;  // inside the wire range, though beyond the control's
  const std::vector<LimitedValue> expected = {
      {"micDynamicsSwitch", 7, 1}, {"echoTime", -1, 1}, {"centerMusic", -500, -138}};
  EXPECT_EQ(LimitToWireRanges(params), expected);
  EXPECT_EQ(params.centerMusic, -138);
  EXPECT_EQ(params.subVolume, 12);
  EXPECT_TRUE(LimitToWireRanges(params).empty());
}

TEST(WireRange, EveryMemberHasItsName) {
  for (const DspField& field : DspFields()) {
    EXPECT_FALSE(DspMemberName(field.first).empty()) << field.address;
    if (field.second) {
      EXPECT_FALSE(DspMemberName(field.second).empty()) << field.address;
    }
  }
  EXPECT_EQ(DspMemberName(&DspParams::echoTime), "echoTime");
  EXPECT_TRUE(DspMemberName(nullptr).empty());
}

}  // namespace
}  // namespace v7
