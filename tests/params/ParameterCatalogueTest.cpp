#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dsp/GateCurve.h"
#include "params/ParameterCatalogue.h"

namespace v7 {
namespace {

TEST(ParameterCatalogue, EachIdHasItsOwnEntryAndEachNameIsUnique) {
  std::set<std::string_view> names;
  for (size_t i = 0; i < ParameterCatalogue().size(); ++i) {
    const ParameterEntry& entry = ParameterCatalogue()[i];
    EXPECT_EQ(static_cast<size_t>(entry.id), i) << entry.name;
    EXPECT_EQ(&ParameterOf(entry.id), &entry);
    EXPECT_EQ(FindParameter(entry.name), &entry);
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
  }
  EXPECT_EQ(FindParameter("volume"), nullptr);
}

TEST(ParameterCatalogue, RangesOfTheProgramsControls) {
  struct Case {
    std::string_view name;
    int min, max;
    ParameterUnit unit;
  };
  for (const Case c : {
           Case{"mic-volume", -80, 5, ParameterUnit::kDecibel},
           Case{"music-volume", -80, 5, ParameterUnit::kDecibel},
           Case{"sub-volume", -80, 0, ParameterUnit::kDecibel},
           Case{"center-music", -80, 0, ParameterUnit::kDecibel},
           Case{"echo-volume", -80, 0, ParameterUnit::kDecibel},
           Case{"echo-ratio", -100, -20, ParameterUnit::kTenthDecibel},
           Case{"echo-time", 1, 7300, ParameterUnit::kSamples},
           Case{"mic-gate-threshold", -88, -20, ParameterUnit::kDecibel},
           Case{"mic-sub-restore-time", 0, 255, ParameterUnit::kMachineUnits},
           Case{"mic-sub-ratio", 0, 99, ParameterUnit::kMachineUnits},
           Case{"mic-sub-sensitivity", 20, 60, ParameterUnit::kMachineUnits},
           Case{"fbc-bypass", 0, 1, ParameterUnit::kSwitch},
       }) {
    SCOPED_TRACE(std::string(c.name));
    const ParameterEntry* entry = FindParameter(c.name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->range.min, c.min);
    EXPECT_EQ(entry->range.max, c.max);
    EXPECT_EQ(entry->unit, c.unit);
  }
}

TEST(ParameterCatalogue, OnlyTheEchoTimeIsClamped) {
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    EXPECT_EQ(entry.outOfRange == OutOfRange::kClamped, entry.id == ParameterId::kEchoTime)
        << entry.name;
  }
}

TEST(ParameterCatalogue, DefaultsAreWhatAFreshImageReads) {
  const ParameterImage image;
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    if (!entry.defaultValue) continue;
    EXPECT_EQ(ReadParameter(image, entry), *entry.defaultValue) << entry.name;
  }
  EXPECT_EQ(ParameterOf(ParameterId::kEchoTime).defaultValue, kEchoTimeMin);
  EXPECT_EQ(ParameterOf(ParameterId::kMicGateThreshold).defaultValue, -56);
  EXPECT_FALSE(ParameterOf(ParameterId::kMicSubRatio).defaultValue.has_value());
}

TEST(ParameterCatalogue, ReadsTheImage) {
  ParameterImage image;
  image.dsp.subMusic = -12;
  image.dsp.echoRatio = -45;
  image.autoSub[kAutoSubSensitivity] = 33;
  const GateData gate = BuildGateData(-40.0);
  std::copy(gate.record.begin(), gate.record.end(), image.musicDynamicsRecord.begin());
  image.micDynamicsRecord.fill(0xFF);
  EXPECT_EQ(ReadParameter(image, ParameterOf(ParameterId::kSubMusic)), -12);
  EXPECT_EQ(ReadParameter(image, ParameterOf(ParameterId::kEchoRatio)), -45);
  EXPECT_EQ(ReadParameter(image, ParameterOf(ParameterId::kMicSubSensitivity)), 33);
  EXPECT_EQ(ReadParameter(image, ParameterOf(ParameterId::kMusicGateThreshold)), -40);
  EXPECT_EQ(ReadParameter(image, ParameterOf(ParameterId::kMicGateThreshold)), -56);
}

TEST(ParameterCatalogue, EveryGateThresholdInRangeReadsBack) {
  ParameterImage image;
  const ParameterEntry& entry = ParameterOf(ParameterId::kMicGateThreshold);
  for (int threshold = entry.range.min; threshold <= entry.range.max; ++threshold) {
    const GateData gate = BuildGateData(threshold);
    std::copy(gate.record.begin(), gate.record.end(), image.micDynamicsRecord.begin());
    EXPECT_EQ(ReadParameter(image, entry), threshold);
  }
}

}  // namespace
}  // namespace v7
