#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedLinkFixture.h"
#include "params/DspFieldTable.h"
#include "sim/MachineParameters.h"
#include "sync/ReadSequence.h"
#include "sync/SyncCompletion.h"

namespace v7 {
namespace {

using Bytes = std::vector<uint8_t>;

// Command byte and the argument bytes that matter, as the sequence is documented.
struct Request {
  uint8_t code;
  Bytes args;
};

// The DSP reads as the machine has always been asked for them: word address and byte count.
const std::vector<ReadRange> kDocumentedDspReads = {
    {456, 4}, {459, 4}, {443, 4}, {314, 8}, {318, 8}, {316, 8}, {310, 4},
    {151, 4}, {264, 8}, {212, 8}, {439, 8}, {441, 8}, {359, 8}, {305, 8},
    {160, 8}, {269, 4}, {307, 4}, {266, 4}, {120, 8}, {78, 8}};

std::vector<Request> DocumentedReadSequence() {
  std::vector<Request> r = {{128, {}}, {129, {}}, {127, {}}, {7, {}}, {32, {1}}, {12, {}}};
  for (auto [address, bytes] : kDocumentedDspReads)
    r.push_back({21,
                 {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
                  static_cast<uint8_t>(bytes)}});
  r.push_back({146, {}});
  r.push_back({98, {}});
  for (int address : {0, 56, 112, 168, 224, 280})
    r.push_back({134, {static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 56}});
  r.push_back({134, {0x01, 0x50, 24}});
  r.push_back({134, {0x01, 0x68, 24}});
  return r;
}

void ExpectRequests(const std::vector<Report>& sent, const std::vector<Request>& expected) {
  ASSERT_EQ(sent.size(), expected.size());
  for (size_t i = 0; i < sent.size(); ++i) {
    Report want;
    want.bytes[0] = 0x02;
    want.bytes[1] = expected[i].code;
    std::copy(expected[i].args.begin(), expected[i].args.end(), want.bytes.begin() + 2);
    EXPECT_EQ(sent[i], want) << "request " << i;
  }
}

using ReadSequenceTest = testing_support::SimulatedLinkFixture;

TEST(ReadSequenceDspReads, ComeFromTheFieldTableInTheDocumentedOrder) {
  EXPECT_EQ(DspReadRanges(), kDocumentedDspReads);
}

TEST(ReadSequenceDspReads, CoverEveryFieldButTheTwoVolumesTheVolumesReplyBrings) {
  std::vector<int> unread;
  for (const DspField& field : DspFields()) {
    const auto it = std::find(kDspReadOrder.begin(), kDspReadOrder.end(), field.address);
    if (it == kDspReadOrder.end()) unread.push_back(field.address);
  }
  EXPECT_EQ(unread, (std::vector<int>{kDspMusicVolume, kDspMicVolume}));
}

TEST_F(ReadSequenceTest, FullReadSendsThe36RequestsInOrderAndFillsTheImage) {
  image.dirty = true;
  ASSERT_EQ(ReadAllParameters(link, image, clock), SyncResult::kCompleted);
  Settle();
  ExpectRequests(Requests(), DocumentedReadSequence());
  EXPECT_EQ(Requests().size(), static_cast<size_t>(kReadSequenceRequests));

  const MachineParameters current = machine.Current();
  DspParams expected = DecodeDspFields(current);
  EXPECT_EQ(image.dsp, expected);
  EXPECT_TRUE(std::equal(image.eqArea.begin(), image.eqArea.end(), current.memory.begin()));
  EXPECT_TRUE(std::equal(image.musicDynamicsRecord.begin(), image.musicDynamicsRecord.end(),
                         current.memory.begin() + 0x150));
  EXPECT_TRUE(std::equal(image.micDynamicsRecord.begin(), image.micDynamicsRecord.end(),
                         current.memory.begin() + 0x168));
  EXPECT_EQ(image.autoSub[0], current.autoSub[0]);
  EXPECT_EQ(image.deviceSettings, machine.Settings());
  EXPECT_EQ(image.remoteKeys, machine.RemoteKeys());
  EXPECT_EQ(image.currentMode, machine.CurrentMode());
  EXPECT_EQ(image.mcuVersion, SimulatedMachine::kDefaultMcuVersion);
  EXPECT_FALSE(image.dirty);
  EXPECT_EQ(clock.Requested(), kReadSequenceEndPause);
}

TEST_F(ReadSequenceTest, AnotherModelGetsTheTwoIdentityRequestsThenGoodbye) {
  machine.SetModelName("X9");
  int pending = 2;
  EXPECT_EQ(ReadAllParameters(link, image, clock), SyncResult::kIdentityOnly);
  EXPECT_EQ(HandleSyncComplete(link, image, pending, clock), SyncOutcome::kModelMismatch);
  EXPECT_EQ(machine.RequestCodes(), (Bytes{128, 129, 138}));
  EXPECT_FALSE(link.IsConnected());
  EXPECT_EQ(pending, 2);
}

TEST_F(ReadSequenceTest, LowerCaseModelStopsTheReadButPassesTheCheck) {
  machine.SetModelName("v7");
  int pending = kNoPendingMode;
  EXPECT_EQ(ReadAllParameters(link, image, clock), SyncResult::kIdentityOnly);
  EXPECT_EQ(HandleSyncComplete(link, image, pending, clock), SyncOutcome::kAccepted);
  Settle();
  EXPECT_EQ(machine.RequestCodes(), (Bytes{128, 129}));
  EXPECT_TRUE(link.IsConnected());
  EXPECT_EQ(image.modelName, "v7");
}

TEST_F(ReadSequenceTest, PendingModeIsStoredWithPreambleAndCleared) {
  int pending = 1;
  EXPECT_EQ(HandleSyncComplete(link, image, pending, clock), SyncOutcome::kAccepted);
  Settle();
  ExpectRequests(Requests(), {{3, {1}}, {4, {1}}});
  EXPECT_EQ(pending, kNoPendingMode);
  EXPECT_EQ(image.currentMode, 1);
  EXPECT_EQ(clock.Requested(), std::chrono::milliseconds(20));
}

TEST_F(ReadSequenceTest, ModelNameThatNeverArrivesKeepsTheLastOne) {
  // The identity check uses the name the image already holds.
  machine.SetModelName("X9");
  machine.DropNextReplies(1);  // the model reply is lost
  ASSERT_EQ(ReadAllParameters(link, image, clock, kReplyWaitHere), SyncResult::kCompleted);
  Settle();
  EXPECT_EQ(image.modelName, "V7");
}

}  // namespace
}  // namespace v7
