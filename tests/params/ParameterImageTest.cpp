#include <gtest/gtest.h>

#include "params/DspFieldTable.h"
#include "params/ParameterImage.h"

namespace v7 {
namespace {

TEST(ParameterImage, StartupValues) {
  ParameterImage image;
  EXPECT_EQ(image.dsp.echoTime, 1);
  EXPECT_EQ(image.dsp.musicDynamicsSwitch, 1);
  EXPECT_EQ(image.dsp.micDynamicsSwitch, 1);
  EXPECT_EQ(image.dsp.micVolume, 0);
  EXPECT_EQ(image.remoteKeys, (RemoteKeyTable{0x01, 0xD8, 0x58, 0xB8, 0x38, 0x88, 0xE8, 0xC8, 0x98,
                                              0xA8, 0xB0, 0x30, 0xD0, 0x18, 0x78, 0xF8}));
  EXPECT_EQ(image.fileVersion, u"Ver1.0.1");
  EXPECT_EQ(image.modelName, "V7");
  EXPECT_EQ(image.mcuVersion, "2013-03-01");
  EXPECT_FALSE(image.dirty);
  EXPECT_FALSE(image.syncComplete);
  EXPECT_EQ(image.eqArea, EqArea{});
}

TEST(ParameterImage, ResetReturnsToStartup) {
  ParameterImage image;
  image.FillStartupBands();
  image.dsp.micVolume = -12;
  image.remoteKeys[3] = 0;
  image.modelName = "X9";
  image.dirty = true;
  image.levelMeters[1] = 77;
  image.currentMode = 3;
  image.fileVersion = u"Other";
  image.Reset();
  const ParameterImage fresh;
  EXPECT_EQ(image.dsp, fresh.dsp);
  EXPECT_EQ(image.remoteKeys, fresh.remoteKeys);
  EXPECT_EQ(image.modelName, fresh.modelName);
  EXPECT_EQ(image.eqArea, fresh.eqArea);
  EXPECT_EQ(image.fileVersion, fresh.fileVersion);
  EXPECT_EQ(image.currentMode, 0);
  EXPECT_EQ(image.levelMeters[1], 0);
  EXPECT_FALSE(image.dirty);
}

TEST(ParameterImage, StartupBands) {
  ParameterImage image;
  image.FillStartupBands();
  // The first band of the area (music block) as it appears in device memory and mode files.
  const EqArea& area = image.eqArea;
  EXPECT_EQ(std::vector<uint8_t>(area.begin(), area.begin() + 7),
            (std::vector<uint8_t>{0x00, 0x96, 0x00, 0x16, 0x05, 0x86, 0x01}));
  EXPECT_EQ(image.GetEqBand(kPageMic, 9).freqHz, 12000);
  EXPECT_EQ(image.GetEqBand(kPageSub, 6).freqHz, 2300);
  const EqBandSettings band = image.GetEqBand(kPageEcho, 2);
  EXPECT_EQ(band.freqHz, 125);
  EXPECT_FLOAT_EQ(band.gainDb, 0.0f);
  EXPECT_FLOAT_EQ(band.q, 1.414f);
  EXPECT_EQ(band.type, 1);
}

TEST(ParameterImage, BlocksAndPages) {
  struct Case {
    int page, block, address, bands;
  };
  const Case cases[] = {{kPageMusic, 0, 0, 10},   {kPageMic, 1, 70, 10}, {kPageMain, 2, 140, 7},
                        {kPageCenter, 3, 189, 7}, {kPageSub, 4, 238, 7}, {kPageEcho, 5, 287, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    EXPECT_EQ(ParameterImage::BlockOfPage(c.page), c.block);
    EXPECT_EQ(ParameterImage::PageOfBlock(c.block), c.page);
    EXPECT_EQ(ParameterImage::BlockAddress(c.block), c.address);
    EXPECT_EQ(ParameterImage::BandCountOfPage(c.page), c.bands);
  }
  EXPECT_EQ(ParameterImage::BlockAddress(5) + ParameterImage::BlockBytes(5), kEqAreaBytes);
}

TEST(ParameterImage, BandIndexesNeverLeaveTheirBlock) {
  ParameterImage image;
  EXPECT_EQ(ParameterImage::EqBandAddress(kPageMain, 9), 140 + 6 * 7);
  EXPECT_EQ(ParameterImage::EqBandAddress(kPageMain, -3), 140);
  EXPECT_EQ(ParameterImage::EqBandAddress(17, 0), ParameterImage::EqBandAddress(kPageSub, 0));
  const int address = image.PutEqBand(kPageCenter, 4, {3.5f, 800, 2.0f, 4});
  EXPECT_EQ(address, 189 + 28);
  EXPECT_EQ(image.GetEqBandByBlock(3, 4), (EqBandSettings{3.5f, 800, 2.0f, 4}));
}

TEST(ParameterImage, EqBypassFieldsByPage) {
  ParameterImage image;
  int32_t DspParams::*const fields[] = {&DspParams::micEqBypass,    &DspParams::musicEqBypass,
                                        &DspParams::echoEqBypass,   &DspParams::mainEqBypass,
                                        &DspParams::centerEqBypass, &DspParams::subEqBypass};
  for (int page = 0; page < kPageCount; ++page) {
    image.dsp = DspParams{};
    image.dsp.*fields[page] = 1;
    for (int other = 0; other < kPageCount; ++other) {
      EXPECT_EQ(image.GetEqBypass(other), other == page ? 1 : 0) << page << " " << other;
    }
  }
  EXPECT_EQ(ParameterImage::EqBypassAddress(kPageMusic), 212);
  EXPECT_EQ(ParameterImage::EqBypassAddress(kPageEcho), 305);
}

TEST(DspFieldTable, EncodesEachCodingAsTheMachineExpects) {
  DspParams params;
  params.musicEqBypass = 1;
  params.mainMic = -6;
  params.mainMusic = 0;
  params.micMute = 1;
  params.echoTime = 7300;
  const auto bytesOf = [&params](int address) {
    const DspFieldBytes b = EncodeDspField(params, *FindDspField(address));
    return std::vector<uint8_t>(b.bytes.begin(), b.bytes.begin() + b.length);
  };
  EXPECT_EQ(bytesOf(kDspMusicEqBypass), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0x80, 0, 0}));
  EXPECT_EQ(bytesOf(kDspMainMix), (std::vector<uint8_t>{0, 0x40, 0x26, 0xE7, 0, 0x80, 0, 0}));
  EXPECT_EQ(bytesOf(kDspMicMute), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(bytesOf(kDspEchoTime), (std::vector<uint8_t>{0, 0, 0x1C, 0x84}));
  EXPECT_EQ(bytesOf(kDspMicDynamicsSwitch), (std::vector<uint8_t>{0, 0x80, 0, 0, 0, 0, 0, 0}));
}

TEST(DspFieldTable, EveryFieldRoundTrips) {
  DspParams params;
  params.centerVolume = -2;
  params.subVolume = -4;
  params.mainVolume = -1;
  params.micVolume = -20;
  params.musicVolume = -30;
  params.centerMic = -3;
  params.centerMusic = -5;
  params.subMic = -7;
  params.subMusic = -9;
  params.mainMic = -11;
  params.mainMusic = -13;
  params.micMute = 1;
  params.musicEqBypass = 1;
  params.subEqBypass = 1;
  params.echoEqBypass = 1;
  params.echoTime = 4321;
  params.echoVolume = -8;
  params.echoRatio = -57;
  params.musicDynamicsSwitch = 0;
  DspParams decoded;
  for (const DspField& field : DspFields()) {
    const DspFieldBytes bytes = EncodeDspField(params, field);
    EXPECT_TRUE(DecodeDspField(decoded, field, bytes.bytes.data(), bytes.length)) << field.address;
  }
  EXPECT_EQ(decoded, params);
}

TEST(DspFieldTable, ShortDataChangesNothing) {
  DspParams params;
  params.mainMic = 5;
  const uint8_t words[4] = {0, 0x40, 0x26, 0xE7};
  EXPECT_FALSE(DecodeDspField(params, *FindDspField(kDspMainMix), words, 4));
  EXPECT_EQ(params.mainMic, 5);
  EXPECT_EQ(FindDspField(kDspMainMix + 1), nullptr);
}

}  // namespace
}  // namespace v7
