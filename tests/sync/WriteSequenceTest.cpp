#include <gtest/gtest.h>

#include "SimulatedLinkFixture.h"
#include "edit/ParameterAccessors.h"
#include "params/DspCoefficients.h"
#include "protocol/RecordingSink.h"
#include "sim/MachineParameters.h"
#include "sync/WriteSequence.h"

namespace v7 {
namespace {

using Bytes = std::vector<uint8_t>;

// (command, address) of each report the documented write sequence sends.
struct Step {
  uint8_t code;
  int address;
  bool operator==(const Step&) const = default;
};

std::vector<Step> DocumentedWriteSequence(bool volumesByMode, bool musicTable, bool micTable) {
  std::vector<Step> s = {{32, 0}};
  if (volumesByMode) s.insert(s.end(), {{20, 311}, {20, 153}});
  for (int a : {456, 443, 459, 314, 314, 318, 318, 316, 316, 310, 151,
                264, 212, 359, 439, 441, 160, 269, 266, 307, 120, 78})
    s.push_back({20, a});
  for (int a : {0, 56, 112, 168, 224, 280}) s.push_back({133, a});
  const int bases[] = {162, 214, 320, 361, 399, 270};
  const int bands[] = {10, 10, 7, 7, 7, 7};
  for (int block = 0; block < 6; ++block)
    for (int band = 0; band < bands[block]; ++band) s.push_back({20, bases[block] + 5 * band});
  s.push_back({12, 0});
  s.push_back({133, 0x150});
  if (musicTable) s.insert(s.end(), {{20, 83}, {20, 94}, {20, 105}});
  s.push_back({133, 0x168});
  if (micTable) s.insert(s.end(), {{20, 41}, {20, 52}, {20, 63}});
  return s;
}

std::vector<Step> Steps(const std::vector<Report>& reports) {
  std::vector<Step> s;
  for (const Report& r : reports) {
    const bool addressed = r.Code() == 20 || r.Code() == 133;
    s.push_back({r.Code(), addressed ? r.Address() : 0});
  }
  return s;
}

class WriteSequenceTest : public testing::Test {
 protected:
  WriteSequenceTest() {
    image.FillStartupBands();
    image.musicDynamicsTable.fill(0x10);
    image.micDynamicsTable.fill(0x20);
  }
  ParameterImage image;
  testing_support::RecordingSink sink;
};

TEST_F(WriteSequenceTest, VolumeSaveModeByPowerSends86ReportsWithoutTheMasterVolumes) {
  EXPECT_EQ(WriteAllParameters(sink, image), SyncResult::kCompleted);
  EXPECT_EQ(sink.sent.size(), 86u);
  EXPECT_EQ(Steps(sink.sent), DocumentedWriteSequence(false, true, true));
}

TEST_F(WriteSequenceTest, VolumeSaveModeByModeSendsTheMasterVolumesFirst) {
  image.deviceSettings[kSettingVolumeSaveMode] = 1;
  image.dsp.micVolume = -6;
  WriteAllParameters(sink, image);
  EXPECT_EQ(Steps(sink.sent), DocumentedWriteSequence(true, true, true));
  EXPECT_EQ(Bytes(sink.sent[1].Data(), sink.sent[1].Data() + 4), (Bytes{0x00, 0x40, 0x26, 0xE7}));
}

TEST_F(WriteSequenceTest, EchoEqBypassNeverReachesTheMachine) {
  image.dsp.echoEqBypass = 1;
  WriteAllParameters(sink, image);
  for (const Report& r : sink.sent) EXPECT_FALSE(r.Code() == 20 && r.Address() == 305);
}

TEST_F(WriteSequenceTest, AbsentTableIsSkippedButItsRecordIsSent) {
  image.musicDynamicsTable.fill(0);
  image.musicDynamicsTable[4] = 9;  // only the first word decides
  WriteAllParameters(sink, image);
  EXPECT_EQ(Steps(sink.sent), DocumentedWriteSequence(false, false, true));
}

TEST_F(WriteSequenceTest, UninitialisedRecordIsReplacedByTheWriteDefault) {
  image.micDynamicsRecord.fill(0xFF);
  image.musicDynamicsRecord[0] = 0xFF;  // one FF byte is a real record
  const DynamicsRecord music = image.musicDynamicsRecord;
  WriteAllParameters(sink, image);
  EXPECT_EQ(image.micDynamicsRecord, kWriteDefaultDynamicsRecord);
  EXPECT_EQ(image.musicDynamicsRecord, music);
  const Report& micRecord = sink.sent[sink.sent.size() - 4];
  ASSERT_EQ(micRecord.Address(), 0x168);
  EXPECT_EQ(Bytes(micRecord.Data(), micRecord.Data() + 24),
            Bytes(kWriteDefaultDynamicsRecord.begin(), kWriteDefaultDynamicsRecord.end()));
}

TEST_F(WriteSequenceTest, BandCoefficientsAreReplayedFromTheStoredRecords) {
  ParameterAccessors accessors(image, sink);
  accessors.SetEqBand(kPageCenter, 2, 5, 8000, 9.5f, 0.8f);
  sink.sent.clear();
  WriteAllParameters(sink, image);
  // Centre block, band 2: decoded 9.5 dB and Q 0.8 from the record.
  const auto it = std::find_if(sink.sent.begin(), sink.sent.end(), [](const Report& r) {
    return r.Code() == 20 && r.Address() == 361 + 10;
  });
  ASSERT_NE(it, sink.sent.end());
  const BandCoefficientWrite w = PackBandCoefficients(3, 2, 5, 8000, 9.5f, 0.8f);
  EXPECT_EQ(Bytes(it->Data(), it->Data() + 20), Bytes(w.bytes.begin(), w.bytes.end()));
}

TEST_F(WriteSequenceTest, WithTheLinkClosedNothingIsSentAndTheMachineIsLost) {
  sink.open = false;
  EXPECT_EQ(WriteAllParameters(sink, image), SyncResult::kMachineLost);
  EXPECT_TRUE(sink.sent.empty());
}

using WriteToMachineTest = testing_support::SimulatedLinkFixture;

TEST_F(WriteToMachineTest, FullWriteReachesTheMachineInOrder) {
  image.dsp.echoTime = 5000;
  image.dsp.centerVolume = -9;
  image.micDynamicsTable.fill(0x30);
  ASSERT_EQ(WriteAllParameters(link, image), SyncResult::kCompleted);
  Settle();
  EXPECT_EQ(Steps(machine.Requests()), DocumentedWriteSequence(false, false, true));
  const DspParams onMachine = DecodeDspFields(machine.Current());
  EXPECT_EQ(onMachine.echoTime, 5000);
  EXPECT_EQ(onMachine.centerVolume, -9);
  EXPECT_TRUE(
      std::equal(image.eqArea.begin(), image.eqArea.end(), machine.Current().memory.begin()));
}

}  // namespace
}  // namespace v7
