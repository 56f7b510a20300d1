#include <gtest/gtest.h>

#include <vector>

#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/RecordingObserver.h"
#include "protocol/ReportDispatcher.h"

namespace v7 {
namespace {

Report Reply(uint8_t code, std::vector<uint8_t> args) {
  return BuildCommand(code, args);
}

// A memory or DSP reply with a length byte that may claim more than the data given.
Report DataReply(uint8_t code, int address, int claimedLength, std::vector<uint8_t> data) {
  Report report = BuildMemoryCommand(code, address, data);
  report.bytes[kReportLengthByte] = static_cast<uint8_t>(claimedLength);
  return report;
}

std::vector<uint8_t> Filled(size_t count, uint8_t first) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(first + i);
  return bytes;
}

class ReportDispatcherTest : public ::testing::Test {
 protected:
  ReportDispatcherTest() { dispatcher.SetObserver(&observer); }

  std::vector<LinkMessage> Messages() const { return observer.Messages(); }

  ParameterImage image;
  RecordingObserver observer;
  ReportDispatcher dispatcher{image};
};

TEST_F(ReportDispatcherTest, SmallReplies) {
  dispatcher.HandleReport(Reply(kCmdGetMode, {2}));
  EXPECT_EQ(image.currentMode, 2);
  dispatcher.HandleReport(Reply(kCmdGetMode, {9}));  // not a mode: kept
  EXPECT_EQ(image.currentMode, 2);

  dispatcher.HandleReport(Reply(kCmdGetVolumes, {0xF6, 0x05}));
  EXPECT_EQ(image.dsp.micVolume, -10);
  EXPECT_EQ(image.dsp.musicVolume, 5);

  dispatcher.HandleReport(Reply(kCmdGetLevels, {200, 17}));
  EXPECT_EQ(image.levelMeters[0], 200);
  EXPECT_EQ(image.levelMeters[1], 17);

  dispatcher.HandleReport(Reply(kCmdGetProtocol, {7}));
  EXPECT_EQ(image.protocolVersion, 7);

  dispatcher.HandleReport(Reply(kCmdUnsolicitedSub, {0, 0x33}));
  EXPECT_EQ(image.autoSub[5], 0x33);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportDispatcherTest, DspAcknowledgementAndReplyNineMarkDirty) {
  for (uint8_t code : {kCmdWriteDsp, kCmdParamsChanged}) {
    image.dirty = false;
    dispatcher.HandleReport(Reply(code, {}));
    EXPECT_TRUE(image.dirty) << int{code};
  }
}

TEST_F(ReportDispatcherTest, AutoSubOnlyFromTheReadSubCode) {
  dispatcher.HandleReport(Reply(kCmdAutoSub, {kAutoSubWrite, 9, 9, 9}));
  EXPECT_EQ(image.autoSub, AutoSubParams{});
  dispatcher.HandleReport(Reply(kCmdAutoSub, {kAutoSubRead, 10, 20, 30}));
  EXPECT_EQ(image.autoSub, (AutoSubParams{10, 20, 30, 0, 0, 0}));
}

TEST_F(ReportDispatcherTest, TablesAndSettings) {
  const std::vector<uint8_t> keys = Filled(kRemoteKeyBytes, 0x40);
  dispatcher.HandleReport(Reply(kCmdGetRemoteKeys, keys));
  EXPECT_EQ(std::vector<uint8_t>(image.remoteKeys.begin(), image.remoteKeys.end()), keys);

  image.editSettings[0] = 1;
  const std::vector<uint8_t> settings = {1, 0xF6, 127, 0, 0xFB, 1, 0x81, 0x5A, 0xA5};
  dispatcher.HandleReport(Reply(kCmdGetSettings, settings));
  EXPECT_EQ(std::vector<uint8_t>(image.deviceSettings.begin(), image.deviceSettings.end()),
            settings);
  EXPECT_EQ(image.editSettings, image.deviceSettings);
}

TEST_F(ReportDispatcherTest, IdentityTexts) {
  dispatcher.HandleReport(Reply(kCmdGetModel, {'V', '7', 0, 'x'}));
  EXPECT_EQ(image.modelName, "V7");
  dispatcher.HandleReport(Reply(kCmdGetModel, std::vector<uint8_t>(40, 'A')));
  EXPECT_EQ(image.modelName, std::string(29, 'A'));
  dispatcher.HandleReport(
      Reply(kCmdGetMcuVersion, {'2', '0', '1', '6', '-', '0', '5', '-', '2', '0', 'X', 'Y'}));
  EXPECT_EQ(image.mcuVersion, "2016-05-20X");
  dispatcher.HandleReport(Reply(kCmdGetMcuVersion, {}));
  EXPECT_EQ(image.mcuVersion, "");
}

TEST_F(ReportDispatcherTest, LearnedKeys) {
  struct Case {
    uint8_t index;
    int changedByte;  // -1: none
  };
  for (const Case c : {Case{0, -1}, Case{1, 1}, Case{9, 9}, Case{15, 15}, Case{16, -1},
                       Case{18, -1}, Case{255, -1}}) {
    SCOPED_TRACE(int{c.index});
    image.remoteKeys = kStartupRemoteKeys;
    dispatcher.HandleReport(Reply(kCmdLearnKey, {0x07, c.index, 0x5A}));
    RemoteKeyTable expected = kStartupRemoteKeys;
    expected[0] = 0x07;
    if (c.changedByte > 0) expected[c.changedByte] = 0x5A;
    EXPECT_EQ(image.remoteKeys, expected);
    // The code reaches the learning dialog in every case.
    EXPECT_EQ(observer.Keys().back(), 0x5A);
  }
}

TEST_F(ReportDispatcherTest, DspReadsDecodeByAddress) {
  DspParams expected;
  expected.micVolume = -17;
  expected.subMic = -3;
  expected.subMusic = -9;
  expected.musicEqBypass = 1;
  expected.echoTime = 5000;
  expected.echoRatio = -33;
  expected.micDynamicsSwitch = 0;
  expected.musicMute = 1;
  for (const DspField& field : DspFields()) {
    const DspFieldBytes bytes = EncodeDspField(expected, field);
    dispatcher.HandleReport(DataReply(kCmdReadDsp, field.address, bytes.length,
                                      {bytes.bytes.begin(), bytes.bytes.begin() + bytes.length}));
  }
  EXPECT_EQ(image.dsp, expected);
}

TEST_F(ReportDispatcherTest, DspReadsAtOtherAddressesChangeNothing) {
  const DspParams before = image.dsp;
  dispatcher.HandleReport(DataReply(kCmdReadDsp, 500, 4, {0, 0x40, 0, 0}));
  EXPECT_EQ(image.dsp, before);
}

TEST_F(ReportDispatcherTest, DspPairDecodesBothWordsWhateverTheLengthByteSays) {
  dispatcher.HandleReport(
      DataReply(kCmdReadDsp, kDspMainMix, 4, {0x00, 0x40, 0x26, 0xE7, 0x00, 0x80, 0x00, 0x00}));
  EXPECT_EQ(image.dsp.mainMic, -6);
  EXPECT_EQ(image.dsp.mainMusic, 0);
}

TEST_F(ReportDispatcherTest, MemoryRepliesFillTheEqArea) {
  dispatcher.HandleReport(DataReply(kCmdReadMemory, 280, 56, Filled(56, 1)));
  EXPECT_EQ(image.eqArea[279], 0);
  EXPECT_EQ(image.eqArea[280], 1);
  EXPECT_EQ(image.eqArea[335], 56);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportDispatcherTest, MemoryReplyPastTheEqAreaIsReported) {
  const Report reply = DataReply(kCmdReadMemory, 280, 57, Filled(56, 1));
  dispatcher.HandleReport(reply);
  EXPECT_EQ(image.eqArea, EqArea{});
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], (LinkMessage{LinkMessageKind::kMemoryPastEqArea, reply, {}}));
}

TEST_F(ReportDispatcherTest, LengthClaimingMoreThanTheReportCopiesOnlyWhatItCarries) {
  image.eqArea.fill(0xEE);
  dispatcher.HandleReport(DataReply(kCmdReadMemory, 0, 200, Filled(56, 1)));
  EXPECT_EQ(image.eqArea[55], 56);
  EXPECT_EQ(image.eqArea[56], 0xEE);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportDispatcherTest, UninitialisedMemoryClearsTheWholeEqArea) {
  image.FillStartupBands();
  dispatcher.HandleReport(DataReply(kCmdReadMemory, 112, 56, {0xFF, 0xFF, 1, 2}));
  EXPECT_EQ(image.eqArea, EqArea{});
}

TEST_F(ReportDispatcherTest, DynamicsRecordsTakeAtMost24Bytes) {
  dispatcher.HandleReport(DataReply(kCmdReadMemory, 0x0150, 56, Filled(56, 1)));
  dispatcher.HandleReport(DataReply(kCmdReadMemory, 0x0168, 10, Filled(10, 100)));
  EXPECT_EQ(image.musicDynamicsRecord[0], 1);
  EXPECT_EQ(image.musicDynamicsRecord[23], 24);
  EXPECT_EQ(image.micDynamicsRecord[9], 109);
  EXPECT_EQ(image.micDynamicsRecord[10], 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportDispatcherTest, OtherHighAddressesAreReported) {
  const std::vector<int> addresses = {337, 0x0160, 384, 0xFFFF};
  for (int address : addresses) {
    dispatcher.HandleReport(DataReply(kCmdReadMemory, address, 4, {1, 2, 3, 4}));
  }
  ASSERT_EQ(Messages().size(), addresses.size());
  for (size_t i = 0; i < addresses.size(); ++i) {
    EXPECT_EQ(Messages()[i].kind, LinkMessageKind::kUnknownMemoryAddress);
    EXPECT_EQ(Messages()[i].arrived.Address(), addresses[i]);
  }
  EXPECT_EQ(image.musicDynamicsRecord, DynamicsRecord{});
}

TEST_F(ReportDispatcherTest, EchoOfTheLastLoadMatches) {
  const Report sent = BuildCommand(kCmdLoadMode, {2});
  dispatcher.RememberSent(sent);
  dispatcher.RememberSent(
      BuildCommand(kCmdGetModel, std::span<const uint8_t>{}));  // not remembered
  EXPECT_EQ(dispatcher.LastEchoReport(), sent);
  dispatcher.HandleReport(sent);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportDispatcherTest, EchoComparesTheClaimedBytes) {
  dispatcher.RememberSent(BuildCommand(kCmdEcho2, {0x12, 0x34, 4, 0xAA, 0xBB}));
  // Same first five bytes after the id, different beyond: with n = 4 it matches.
  dispatcher.HandleReport(BuildCommand(kCmdEcho2, {0x12, 0x34, 4, 0xAA, 0xCC}));
  EXPECT_TRUE(Messages().empty());
  // A length byte beyond the report compares the whole report and does not read past it.
  dispatcher.HandleReport(BuildCommand(kCmdEcho2, {0x12, 0x34, 250, 0xAA, 0xBB}));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ReportDispatcherTest, EchoMismatchCarriesBothReports) {
  const Report sent = BuildCommand(kCmdEcho2, {0x01, 0x20, 6, 0xAA, 0xBB, 0xCC});
  const Report echo = BuildCommand(kCmdEcho2, {0x01, 0x20, 6, 0xAA, 0xBD, 0xCC});
  dispatcher.RememberSent(sent);
  dispatcher.HandleReport(echo);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], (LinkMessage{LinkMessageKind::kEchoMismatch, echo, sent}));
}

TEST_F(ReportDispatcherTest, UnknownCodesChangeNothing) {
  image.FillStartupBands();
  const EqArea area = image.eqArea;
  for (int code : {0, 1, 8, 14, 99, 133, 138, 200, 255}) {
    dispatcher.HandleReport(Reply(static_cast<uint8_t>(code), Filled(59, 1)));
  }
  EXPECT_EQ(image.eqArea, area);
  EXPECT_EQ(image.dsp, DspParams{});
  EXPECT_EQ(image.remoteKeys, kStartupRemoteKeys);
  EXPECT_FALSE(image.dirty);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace v7
