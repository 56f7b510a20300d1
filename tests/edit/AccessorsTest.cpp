#include <gtest/gtest.h>

#include <vector>

#include "edit/ParameterAccessors.h"
#include "params/DspCoefficients.h"
#include "protocol/RecordingSink.h"

namespace v7 {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Data(const Report& r) {
  return Bytes(r.Data(), r.Data() + r.Length());
}

Bytes Words(std::initializer_list<uint32_t> words) {
  Bytes out;
  for (uint32_t w : words)
    out.insert(out.end(), {static_cast<uint8_t>(w >> 24), static_cast<uint8_t>(w >> 16),
                           static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w)});
  return out;
}

Bytes CoefficientBytes(int block, int band, int type, int freq, float gain, float q) {
  const BandCoefficientWrite w = PackBandCoefficients(block, band, type, freq, gain, q);
  return Bytes(w.bytes.begin(), w.bytes.end());
}

class ParameterAccessorsTest : public testing::Test {
 protected:
  const Report& Only() {
    EXPECT_EQ(sink.sent.size(), 1u);
    return sink.sent.front();
  }
  void ExpectDsp(const Report& r, int address, const Bytes& data) {
    EXPECT_EQ(r.Code(), 20);
    EXPECT_EQ(r.Address(), address);
    EXPECT_EQ(Data(r), data);
  }

  ParameterImage image;
  testing_support::RecordingSink sink;
  ParameterAccessors accessors{image, sink};
};

TEST_F(ParameterAccessorsTest, EchoTimeIsClampedToOneAnd7300) {
  struct Case {
    int in, stored;
  };
  for (Case c : {Case{0, 1}, Case{-5, 1}, Case{8000, 7300}, Case{7300, 7300}, Case{320, 320}}) {
    sink.sent.clear();
    accessors.SetEchoTime(c.in);
    EXPECT_EQ(image.dsp.echoTime, c.stored);
    ExpectDsp(Only(), 269, Words({static_cast<uint32_t>(c.stored)}));
  }
}

// Whatever the image holds, a DSP field leaves limited to what its words carry, and the image
// keeps what was sent.
TEST_F(ParameterAccessorsTest, EveryDspSendIsLimitedToTheWireRange) {
  struct Case {
    int32_t DspParams::*field;
    int address;
    int32_t given;
    int32_t sent;
    Bytes words;
  };
  for (const Case& c : {
           Case{&DspParams::echoTime, 269, 1255557764, 7300, Words({7300})},
           Case{&DspParams::micVolume, 311, INT32_MIN, -138, Words({1})},
           Case{&DspParams::echoRatio, 266, INT32_MAX, 481,
                Words({static_cast<uint32_t>(TenthsToDspWord(481))})},
           Case{&DspParams::micMute, 310, -4, 1, Words({0})},
           Case{&DspParams::micDynamicsSwitch, 78, 9, 1, Words({0x00800000, 0})},
       }) {
    SCOPED_TRACE(c.address);
    sink.sent.clear();
    image.dsp.*c.field = c.given;
    ASSERT_TRUE(accessors.SendDspField(c.address));
    EXPECT_EQ(image.dsp.*c.field, c.sent);
    ExpectDsp(Only(), c.address, c.words);
  }
  sink.sent.clear();
  accessors.SetOutputMix(&DspParams::subMusic, 1000);
  ExpectDsp(Only(), 316, Words({0x00800000, static_cast<uint32_t>(GainToDspWord(48))}));
}

TEST_F(ParameterAccessorsTest, TogglingMusicEqBypassFromZeroSendsTheBypassSelector) {
  accessors.ToggleEqBypass(kPageMusic);
  EXPECT_EQ(image.dsp.musicEqBypass, 1);
  ExpectDsp(Only(), 212, Words({0, 0x00800000}));
  sink.sent.clear();
  accessors.ToggleEqBypass(kPageMusic);
  ExpectDsp(Only(), 212, Words({0x00800000, 0}));
}

TEST_F(ParameterAccessorsTest, EveryPageBypassGoesToItsAddress) {
  const int addresses[] = {264, 212, 305, 359, 439, 441};
  for (int page = 0; page < kPageCount; ++page) {
    sink.sent.clear();
    accessors.SetEqBypass(page, true);
    EXPECT_EQ(image.GetEqBypass(page), 1);
    ExpectDsp(Only(), addresses[page], Words({0, 0x00800000}));
  }
}

TEST_F(ParameterAccessorsTest, SingleWordSetters) {
  struct Case {
    const char* name;
    std::function<bool(ParameterAccessors&)> call;
    int address;
    uint32_t word;
  };
  const Case cases[] = {
      {"mic volume", [](auto& a) { return a.SetMicVolume(-6); }, 311, 0x004026E7},
      {"music volume", [](auto& a) { return a.SetMusicVolume(0); }, 153, 0x00800000},
      {"main volume", [](auto& a) { return a.SetOutputVolume(443, -6); }, 443, 0x004026E7},
      {"centre volume", [](auto& a) { return a.SetOutputVolume(456, 0); }, 456, 0x00800000},
      {"sub volume", [](auto& a) { return a.SetOutputVolume(459, -6); }, 459, 0x004026E7},
      {"echo volume", [](auto& a) { return a.SetEchoVolume(-6); }, 307, 0x004026E7},
      {"echo ratio", [](auto& a) { return a.SetEchoRatio(-60); }, 266, 0x004026E7},
      {"mic mute", [](auto& a) { return a.SetMute(MuteChannel::kMic, true); }, 310, 0},
      {"music unmute", [](auto& a) { return a.SetMute(MuteChannel::kMusic, false); }, 151,
       0x00800000},
  };
  for (const Case& c : cases) {
    sink.sent.clear();
    EXPECT_TRUE(c.call(accessors)) << c.name;
    ExpectDsp(Only(), c.address, Words({c.word}));
  }
  EXPECT_EQ(image.dsp.mainVolume, -6);
  EXPECT_EQ(image.dsp.subVolume, -6);
  EXPECT_EQ(image.dsp.micMute, 1);
}

TEST_F(ParameterAccessorsTest, OutputVolumeAtAnotherAddressIsIgnored) {
  EXPECT_FALSE(accessors.SetOutputVolume(311, -6));
  EXPECT_TRUE(sink.sent.empty());
  EXPECT_EQ(image.dsp.micVolume, 0);
}

TEST_F(ParameterAccessorsTest, OutputMixSendsBothWordsOfItsPairMicFirst) {
  image.dsp.centerMic = -6;
  accessors.SetOutputMix(&DspParams::centerMusic, 0);
  ExpectDsp(Only(), 318, Words({0x004026E7, 0x00800000}));
  sink.sent.clear();
  accessors.SetOutputMix(&DspParams::subMic, 0);
  ExpectDsp(Only(), 316, Words({0x00800000, 0x00800000}));
  sink.sent.clear();
  EXPECT_FALSE(accessors.SetOutputMix(&DspParams::echoTime, 5));
  EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ParameterAccessorsTest, MuteAndFbcTogglesFlipAndSend) {
  accessors.ToggleMute(MuteChannel::kMusic);
  EXPECT_EQ(image.dsp.musicMute, 1);
  accessors.ToggleFbc();
  EXPECT_EQ(image.dsp.fbcBypass, 1);
  ASSERT_EQ(sink.sent.size(), 2u);
  ExpectDsp(sink.sent[0], 151, Words({0}));
  ExpectDsp(sink.sent[1], 160, Words({0, 0x00800000}));
}

TEST_F(ParameterAccessorsTest, SetEqBandStoresTheRecordThenSendsItAndTheCoefficients) {
  accessors.SetEqBand(kPageMain, 1, 4, 200, -6.0f, 1.0f);
  EXPECT_EQ(image.GetEqBand(kPageMain, 1), (EqBandSettings{-6.0f, 200, 1.0f, 4}));
  ASSERT_EQ(sink.sent.size(), 2u);
  EXPECT_EQ(sink.sent[0].Code(), 133);
  EXPECT_EQ(sink.sent[0].Address(), 147);
  EXPECT_EQ(Data(sink.sent[0]), (Bytes{0x00, 0x5A, 0x00, 0xC8, 0x03, 0xE8, 0x04}));
  ExpectDsp(sink.sent[1], 325, CoefficientBytes(2, 1, 4, 200, -6.0f, 1.0f));
}

TEST_F(ParameterAccessorsTest, SetEqBandClampsGainAndIndicesForRecordAndCoefficientsAlike) {
  accessors.SetEqBand(9, 12, 1, 1000, 40.0f, 2.0f);  // page 5 (sub), band 6
  EXPECT_EQ(image.GetEqBand(kPageSub, 6).gainDb, 15.0f);
  ASSERT_EQ(sink.sent.size(), 2u);
  EXPECT_EQ(sink.sent[0].Address(), 238 + 42);
  ExpectDsp(sink.sent[1], 399 + 30, CoefficientBytes(4, 6, 1, 1000, 15.0f, 2.0f));
}

TEST_F(ParameterAccessorsTest, ResetSubBlockKeepsItsTwoLowPassesAndSendsOne49ByteWrite) {
  accessors.ResetEqBlock(kPageSub);
  ASSERT_EQ(sink.sent.size(), 8u);
  const Bytes unity = Words({0x00800000, 0, 0, 0, 0});
  for (int band = 0; band < 7; ++band) {
    const Bytes expected = band == 2   ? CoefficientBytes(4, 2, 2, 100, 0.0f, 0.7f)
                           : band == 3 ? CoefficientBytes(4, 3, 2, 130, 0.0f, 1.0f)
                                       : unity;
    ExpectDsp(sink.sent[band], 399 + 5 * band, expected);
  }
  EXPECT_EQ(sink.sent[7].Code(), 133);
  EXPECT_EQ(sink.sent[7].Address(), 238);
  EXPECT_EQ(sink.sent[7].Length(), 49);
  EXPECT_EQ(image.GetEqBand(kPageSub, 2), (EqBandSettings{0.0f, 100, 0.707f, 2}));
  EXPECT_EQ(image.GetEqBand(kPageSub, 3), (EqBandSettings{0.0f, 130, 1.0f, 2}));
  EXPECT_EQ(image.GetEqBand(kPageSub, 6), (EqBandSettings{0.0f, 2300, 1.414f, 1}));
  EXPECT_EQ(Data(sink.sent[7]), Bytes(image.eqArea.begin() + 238, image.eqArea.begin() + 238 + 49));
}

TEST_F(ParameterAccessorsTest, ResetMicBlockSendsTwo35ByteWritesAfterUnityCoefficients) {
  accessors.ResetEqBlock(kPageMic);
  ASSERT_EQ(sink.sent.size(), 12u);
  for (int band = 0; band < 10; ++band)
    ExpectDsp(sink.sent[band], 214 + 5 * band, Words({0x00800000, 0, 0, 0, 0}));
  EXPECT_EQ(sink.sent[10].Address(), 70);
  EXPECT_EQ(sink.sent[10].Length(), 35);
  EXPECT_EQ(sink.sent[11].Address(), 105);
  EXPECT_EQ(sink.sent[11].Length(), 35);
  EXPECT_EQ(image.GetEqBand(kPageMic, 0).freqHz, 31);
  EXPECT_EQ(image.GetEqBand(kPageMic, 9).freqHz, 15000);
  EXPECT_EQ(Data(sink.sent[10]),
            (Bytes{0x00, 0x96, 0x00, 0x1F, 0x05, 0x86, 0x01, 0x00, 0x96, 0x00, 0x3E, 0x05,
                   0x86, 0x01, 0x00, 0x96, 0x00, 0x7D, 0x05, 0x86, 0x01, 0x00, 0x96, 0x00,
                   0xFA, 0x05, 0x86, 0x01, 0x00, 0x96, 0x01, 0xF4, 0x05, 0x86, 0x01}));
}

TEST_F(ParameterAccessorsTest, DynamicsTableGoesOutIn11And11And12Words) {
  DynamicsTable table;
  for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i);
  DynamicsRecord record{};
  record[0] = 7;
  accessors.WriteDynamics(kPageMic, table, record);
  EXPECT_EQ(image.micDynamicsTable, table);
  EXPECT_EQ(image.micDynamicsRecord, record);
  ASSERT_EQ(sink.sent.size(), 4u);
  ExpectDsp(sink.sent[0], 41, Bytes(table.begin(), table.begin() + 44));
  ExpectDsp(sink.sent[1], 52, Bytes(table.begin() + 44, table.begin() + 88));
  ExpectDsp(sink.sent[2], 63, Bytes(table.begin() + 88, table.end()));
  EXPECT_EQ(sink.sent[3].Code(), 133);
  EXPECT_EQ(sink.sent[3].Address(), 0x0168);
  EXPECT_EQ(Data(sink.sent[3]), Bytes(record.begin(), record.end()));
}

TEST_F(ParameterAccessorsTest, MusicDynamicsUseWord83AndAddress0x150) {
  accessors.WriteDynamics(kPageMusic, DynamicsTable{}, DynamicsRecord{});
  ASSERT_EQ(sink.sent.size(), 4u);
  EXPECT_EQ(sink.sent[0].Address(), 83);
  EXPECT_EQ(sink.sent[3].Address(), 0x0150);
  sink.sent.clear();
  EXPECT_FALSE(accessors.WriteDynamics(kPageEcho, DynamicsTable{}, DynamicsRecord{}));
  EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ParameterAccessorsTest, OnlyAnUninitialisedRecordIsReplacedByThePanelDefault) {
  image.musicDynamicsRecord.fill(0xFF);
  EXPECT_TRUE(accessors.ReplaceUninitialisedRecord(kPageMusic));
  EXPECT_EQ(image.musicDynamicsRecord, kPanelDefaultDynamicsRecord);
  ASSERT_EQ(sink.sent.size(), 1u);
  EXPECT_EQ(sink.sent[0].Address(), 0x0150);
  EXPECT_FALSE(accessors.ReplaceUninitialisedRecord(kPageMusic));
  image.micDynamicsRecord[0] = 0xFF;  // only one FF byte: a real record
  EXPECT_FALSE(accessors.ReplaceUninitialisedRecord(kPageMic));
  EXPECT_EQ(sink.sent.size(), 1u);
}

TEST_F(ParameterAccessorsTest, SettingsAreEditedLocallyAndAppliedWithTheReservedBytes) {
  image.deviceSettings = {0, 10, 20, 30, 40, 0, 0, 0xA7, 0x5C};  // as reply 146 delivered
  accessors.ResetEditSettings();
  accessors.SetEditSetting(kSettingPanelLock, 1);
  accessors.SetEditSetting(7, 0);  // reserved: not editable
  accessors.SetLockBit(3, true);
  accessors.SetLockBit(8, true);  // no such bit
  EXPECT_TRUE(sink.sent.empty());
  accessors.ApplyDeviceSettings();
  const Report& r = Only();
  EXPECT_EQ(r.Code(), 145);
  EXPECT_EQ(Bytes(r.bytes.begin() + 2, r.bytes.begin() + 11),
            (Bytes{0, 10, 20, 30, 40, 1, 0x08, 0xA7, 0x5C}));
  EXPECT_EQ(image.deviceSettings, image.editSettings);
}

TEST_F(ParameterAccessorsTest, AutoSubAndRemoteKeys) {
  accessors.SetAutoSub(3, 4, 5);
  accessors.ApplyRemoteKeys();
  ASSERT_EQ(sink.sent.size(), 2u);
  EXPECT_EQ(Bytes(sink.sent[0].bytes.begin(), sink.sent[0].bytes.begin() + 7),
            (Bytes{0x02, 0x20, 0, 3, 4, 5, 0}));
  EXPECT_EQ(image.autoSub, (AutoSubParams{3, 4, 5, 0, 0, 0}));
  EXPECT_EQ(sink.sent[1].Code(), 99);
  EXPECT_EQ(Bytes(sink.sent[1].bytes.begin() + 2, sink.sent[1].bytes.begin() + 18),
            Bytes(kStartupRemoteKeys.begin(), kStartupRemoteKeys.end()));
}

TEST_F(ParameterAccessorsTest, WithTheLinkClosedTheImageStillChanges) {
  sink.open = false;
  EXPECT_FALSE(accessors.SetMicVolume(-12));
  EXPECT_FALSE(accessors.SetEqBand(kPageEcho, 0, 2, 500, 3.0f, 0.7f));
  EXPECT_EQ(image.dsp.micVolume, -12);
  EXPECT_EQ(image.GetEqBand(kPageEcho, 0).freqHz, 500);
  EXPECT_TRUE(sink.sent.empty());
}

}  // namespace
}  // namespace v7
