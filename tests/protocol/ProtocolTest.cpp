#include <gtest/gtest.h>

#include <vector>

#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/RecordingSink.h"

namespace v7 {
namespace {

// The report as sent, with the zero tail cut off after `length` bytes (which must all be zero).
std::vector<uint8_t> Head(const Report& report, size_t length) {
  for (size_t i = length; i < report.bytes.size(); ++i) {
    EXPECT_EQ(report.bytes[i], 0) << "byte " << i;
  }
  return {report.bytes.begin(), report.bytes.begin() + length};
}

class ProtocolTest : public ::testing::Test {
 protected:
  testing_support::RecordingSink sink;
};

TEST_F(ProtocolTest, CommandWithoutArgumentsIsIdCodeAndZeros) {
  EXPECT_EQ(SendCommand(sink, kCmdGoodbye), kReportSize);
  ASSERT_EQ(sink.sent.size(), 1u);
  EXPECT_EQ(Head(sink.sent[0], 2), (std::vector<uint8_t>{0x02, 0x8A}));
}

TEST_F(ProtocolTest, ArgumentsFollowTheCode) {
  SendCommand(sink, kCmdReadMemory, {1, 80, 24});
  EXPECT_EQ(Head(sink.sent[0], 5), (std::vector<uint8_t>{0x02, 0x86, 0x01, 0x50, 0x18}));
}

TEST_F(ProtocolTest, FiftyNineArgumentsFitSixtyDoNot) {
  const std::vector<uint8_t> full(kMaxCommandArgs, 0xAB);
  EXPECT_EQ(SendCommand(sink, kCmdSetRemoteKeys, full), kReportSize);
  EXPECT_EQ(sink.sent.back().bytes[60], 0xAB);
  const std::vector<uint8_t> tooMany(kMaxCommandArgs + 1, 0xAB);
  EXPECT_EQ(SendCommand(sink, kCmdSetRemoteKeys, tooMany), 0);
  EXPECT_EQ(sink.sent.size(), 1u);
}

TEST_F(ProtocolTest, MemoryAndDspWritesCarryAddressLengthAndData) {
  const uint8_t band[] = {0x00, 0x96, 0x00, 0x16, 0x05, 0x86, 0x01};
  WriteDeviceMemory(sink, 287, band);
  EXPECT_EQ(Head(sink.sent[0], 12), (std::vector<uint8_t>{0x02, 0x85, 0x01, 0x1F, 0x07, 0x00, 0x96,
                                                          0x00, 0x16, 0x05, 0x86, 0x01}));
  const DspWord words[] = {0, kDspUnity};
  WriteDspWords(sink, 212, words);
  EXPECT_EQ(Head(sink.sent[1], 13), (std::vector<uint8_t>{0x02, 0x14, 0x00, 0xD4, 0x08, 0, 0, 0, 0,
                                                          0x00, 0x80, 0x00, 0x00}));
}

TEST_F(ProtocolTest, FiftySixDataBytesFitFiftySevenAreRefused) {
  const std::vector<uint8_t> full(kMaxReportData, 0x11);
  EXPECT_EQ(WriteDeviceMemory(sink, 280, full), kReportSize);
  EXPECT_EQ(sink.sent.back().bytes[4], 56);
  EXPECT_EQ(sink.sent.back().bytes[60], 0x11);
  const std::vector<uint8_t> tooLong(kMaxReportData + 1, 0x11);
  EXPECT_EQ(WriteDeviceMemory(sink, 0, tooLong), 0);
  EXPECT_EQ(WriteDspParam(sink, 0, tooLong), 0);
  EXPECT_EQ(WriteDeviceMemory(sink, 0x10000, full), 0);
  EXPECT_EQ(sink.sent.size(), 1u);
}

TEST_F(ProtocolTest, ReadsAskForAddressAndLength) {
  ReadDspParam(sink, 456, 4);
  ReadDeviceMemory(sink, 0x0168, 24);
  EXPECT_EQ(Head(sink.sent[0], 5), (std::vector<uint8_t>{0x02, 0x15, 0x01, 0xC8, 0x04}));
  EXPECT_EQ(Head(sink.sent[1], 5), (std::vector<uint8_t>{0x02, 0x86, 0x01, 0x68, 0x18}));
  EXPECT_EQ(ReadDeviceMemory(sink, 0, 57), 0);
  EXPECT_EQ(ReadDspParam(sink, -1, 4), 0);
  EXPECT_EQ(sink.sent.size(), 2u);
}

TEST(ReportTest, ClaimedLengthIsClampedToTheReport) {
  Report report;
  report.bytes[4] = 200;
  EXPECT_EQ(report.Length(), 200);
  EXPECT_EQ(report.DataLength(), kMaxReportData);
}

TEST(ReportTest, HexFormIsUppercasePairsSeparatedBySpaces) {
  const Report report = BuildCommand(kCmdGoodbye, std::span<const uint8_t>{});
  const std::string hex = FormatReportHex(report);
  EXPECT_EQ(hex.substr(0, 9), "02 8A 00 ");
  EXPECT_EQ(hex.size(), kReportSize * 3 - 1);
  EXPECT_EQ(FormatReportHex(BuildCommand(0xAB, std::span<const uint8_t>{})).substr(0, 5), "02 AB");
}

}  // namespace
}  // namespace v7
