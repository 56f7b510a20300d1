#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "dsp/GateCurve.h"
#include "edit/ParameterWriter.h"
#include "protocol/RecordingSink.h"

namespace v7 {
namespace {

using Direct = std::function<bool(ParameterAccessors&)>;

// Each parameter written through the catalogue sends what its accessor sends when called
// directly, and leaves the same image.
TEST(ParameterWriter, EachParameterGoesThroughItsAccessor) {
  struct Case {
    ParameterId id;
    int value;
    Direct direct;
  };
  using A = ParameterAccessors;
  const GateData gate = BuildGateData(-40.0);
  const std::vector<Case> cases = {
      {ParameterId::kMicVolume, 3, [](A& a) { return a.SetMicVolume(3); }},
      {ParameterId::kMusicVolume, -7, [](A& a) { return a.SetMusicVolume(-7); }},
      {ParameterId::kMainVolume, -1, [](A& a) { return a.SetOutputVolume(kDspMainVolume, -1); }},
      {ParameterId::kCenterVolume, -2,
       [](A& a) { return a.SetOutputVolume(kDspCenterVolume, -2); }},
      {ParameterId::kSubVolume, -3, [](A& a) { return a.SetOutputVolume(kDspSubVolume, -3); }},
      {ParameterId::kMainMic, -4, [](A& a) { return a.SetOutputMix(&DspParams::mainMic, -4); }},
      {ParameterId::kMainMusic, -5, [](A& a) { return a.SetOutputMix(&DspParams::mainMusic, -5); }},
      {ParameterId::kCenterMic, -6, [](A& a) { return a.SetOutputMix(&DspParams::centerMic, -6); }},
      {ParameterId::kCenterMusic, -7,
       [](A& a) { return a.SetOutputMix(&DspParams::centerMusic, -7); }},
      {ParameterId::kSubMic, -8, [](A& a) { return a.SetOutputMix(&DspParams::subMic, -8); }},
      {ParameterId::kSubMusic, -9, [](A& a) { return a.SetOutputMix(&DspParams::subMusic, -9); }},
      {ParameterId::kEchoVolume, -10, [](A& a) { return a.SetEchoVolume(-10); }},
      {ParameterId::kEchoRatio, -50, [](A& a) { return a.SetEchoRatio(-50); }},
      {ParameterId::kEchoTime, 9000, [](A& a) { return a.SetEchoTime(9000); }},
      {ParameterId::kMicMute, 1, [](A& a) { return a.SetMute(MuteChannel::kMic, true); }},
      {ParameterId::kMusicMute, 1, [](A& a) { return a.SetMute(MuteChannel::kMusic, true); }},
      {ParameterId::kFbcBypass, 1, [](A& a) { return a.SetFbcBypass(true); }},
      {ParameterId::kMicEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageMic, true); }},
      {ParameterId::kMusicEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageMusic, true); }},
      {ParameterId::kEchoEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageEcho, true); }},
      {ParameterId::kMainEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageMain, true); }},
      {ParameterId::kCenterEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageCenter, true); }},
      {ParameterId::kSubEqBypass, 1, [](A& a) { return a.SetEqBypass(kPageSub, true); }},
      {ParameterId::kMicSubRestoreTime, 200, [](A& a) { return a.SetAutoSub(200, 50, 30); }},
      {ParameterId::kMicSubRatio, 70, [](A& a) { return a.SetAutoSub(20, 70, 30); }},
      {ParameterId::kMicSubSensitivity, 44, [](A& a) { return a.SetAutoSub(20, 50, 44); }},
      {ParameterId::kMicGateThreshold, -40,
       [&gate](A& a) { return a.WriteDynamics(kPageMic, gate.table, gate.record); }},
      {ParameterId::kMusicGateThreshold, -40,
       [&gate](A& a) { return a.WriteDynamics(kPageMusic, gate.table, gate.record); }},
  };
  ASSERT_EQ(cases.size(), ParameterCatalogue().size());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(ParameterOf(c.id).name));
    ParameterImage viaCatalogue;
    ParameterImage direct;
    for (ParameterImage* image : {&viaCatalogue, &direct}) image->autoSub = {20, 50, 30};
    testing_support::RecordingSink catalogueSink;
    testing_support::RecordingSink directSink;
    ParameterAccessors catalogueAccessors(viaCatalogue, catalogueSink);
    ParameterAccessors directAccessors(direct, directSink);
    EXPECT_TRUE(WriteParameter(catalogueAccessors, c.id, c.value));
    EXPECT_TRUE(c.direct(directAccessors));
    EXPECT_FALSE(catalogueSink.sent.empty());
    EXPECT_EQ(catalogueSink.sent, directSink.sent);
    EXPECT_EQ(viaCatalogue.dsp, direct.dsp);
    EXPECT_EQ(viaCatalogue.autoSub, direct.autoSub);
    EXPECT_EQ(viaCatalogue.micDynamicsRecord, direct.micDynamicsRecord);
    EXPECT_EQ(viaCatalogue.musicDynamicsTable, direct.musicDynamicsTable);
    const ParameterEntry& entry = ParameterOf(c.id);
    EXPECT_EQ(ReadParameter(viaCatalogue, entry),
              std::clamp(c.value, entry.range.min, entry.range.max));
  }
}

// Any int written through the catalogue reaches the image (and the machine) as the value the
// parameter's wire range allows.
TEST(ParameterWriter, EveryValueIsLimitedToItsWireRange) {
  for (const ParameterEntry& entry : ParameterCatalogue()) {
    for (int value : {INT32_MIN, -1000, -1, 0, 1, 1000, INT32_MAX}) {
      ParameterImage image;
      testing_support::RecordingSink sink;
      ParameterAccessors accessors(image, sink);
      WriteParameter(accessors, entry.id, value);
      EXPECT_EQ(ReadParameter(image, entry), LimitToWire(entry, value))
          << entry.name << " " << value;
    }
  }
}

TEST(ParameterWriter, AClosedLinkStillChangesTheImage) {
  ParameterImage image;
  testing_support::RecordingSink sink;
  sink.open = false;
  ParameterAccessors accessors(image, sink);
  EXPECT_FALSE(WriteParameter(accessors, ParameterId::kMicSubRatio, 12));
  EXPECT_EQ(image.autoSub[kAutoSubRatio], 12);
}

}  // namespace
}  // namespace v7
