#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "FileTestUtil.h"
#include "TempFolder.h"
#include "files/ModeFile.h"

namespace v7 {
namespace {

using testing_support::Contents;
using testing_support::PutFile;
using testing_support::RecordingObserver;
using testing_support::TempFolder;

// --- the expected file, built here from the documented layout, not from the writer ---

void PutLE(std::vector<uint8_t>& f, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i) f[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> StartupEqArea() {
  const int freqs[] = {22, 62, 125, 250, 500, 1000, 2300, 4500, 9000, 12000};
  const int bandsPerBlock[] = {10, 10, 7, 7, 7, 7};
  std::vector<uint8_t> area;
  for (int bands : bandsPerBlock) {
    for (int b = 0; b < bands; ++b) {
      const int f = freqs[b];
      area.insert(area.end(), {0x00, 0x96, static_cast<uint8_t>(f >> 8), static_cast<uint8_t>(f),
                               0x05, 0x86, 0x01});
    }
  }
  return area;
}

std::vector<uint8_t> ExpectedStartupFile() {
  std::vector<uint8_t> f(907, 0);
  const std::string tag = "Ver1.0.1";
  for (size_t i = 0; i < tag.size(); ++i) f[2 * i] = static_cast<uint8_t>(tag[i]);
  PutLE(f, 60, 0x12100920);
  const std::vector<uint8_t> area = StartupEqArea();
  EXPECT_EQ(area.size(), 336u);
  std::copy_n(area.begin(), 50, f.begin() + 70);
  std::copy(area.begin(), area.end(), f.begin() + 120);
  PutLE(f, 538, 1);  // echoTime
  PutLE(f, 710, 1);  // musicDynamicsSwitch
  PutLE(f, 874, 1);  // micDynamicsSwitch
  const uint8_t keys[] = {0x01, 0xD8, 0x58, 0xB8, 0x38, 0x88, 0xE8, 0xC8,
                          0x98, 0xA8, 0xB0, 0x30, 0xD0, 0x18, 0x78, 0xF8};
  std::copy(std::begin(keys), std::end(keys), f.begin() + 887);
  return f;
}

class ModeFileTest : public testing::Test {
 protected:
  ModeFileTest() { image.FillStartupBands(); }

  // A value in every stored field, each different from the start-up image.
  static void FillDistinct(ParameterImage& im) {
    for (size_t i = 0; i < im.eqArea.size(); ++i) im.eqArea[i] = static_cast<uint8_t>(i * 7 + 3);
    im.autoSub = {10, 20, 30, 0, 0, 40};
    int32_t v = -40;
    for (int32_t* field : {&im.dsp.centerVolume, &im.dsp.subVolume, &im.dsp.mainVolume,
                           &im.dsp.micVolume, &im.dsp.musicVolume, &im.dsp.centerMic,
                           &im.dsp.centerMusic, &im.dsp.subMic, &im.dsp.subMusic, &im.dsp.mainMic,
                           &im.dsp.mainMusic, &im.dsp.echoVolume, &im.dsp.echoRatio})
      *field = v++;
    im.dsp.micMute = 1;
    im.dsp.micEqBypass = im.dsp.centerEqBypass = im.dsp.echoEqBypass = 1;
    im.dsp.echoTime = 7300;
    im.dsp.musicDynamicsSwitch = 0;
    im.dsp.fbcBypass = 1;
    im.musicDynamicsRecord.fill(0x11);
    im.micDynamicsRecord.fill(0x22);
    im.musicDynamicsTable.fill(0x33);
    im.micDynamicsTable.fill(0x44);
  }

  ParameterImage image;
  TempFolder dir;
  RecordingObserver observer;
};

TEST_F(ModeFileTest, StartupImageWritesTheDocumentedBytes) {
  const std::string path = dir.Path("preset.V7M");
  ASSERT_TRUE(WriteModeFile(image, path, observer));
  EXPECT_EQ(Contents(path), ExpectedStartupFile());
  EXPECT_EQ(observer.calls, 0);
}

TEST_F(ModeFileTest, LayoutNamesEachFieldAtItsDocumentedOffset) {
  const std::span<const ModeFileField> layout = ModeFileLayout();
  auto find = [&](const std::string& name) {
    for (const ModeFileField& f : layout)
      if (name == f.name) return f;
    return ModeFileField{"", 0, 0, false};
  };
  EXPECT_EQ(find("eqArea").offset, 120u);
  EXPECT_EQ(find("autoSub").offset, 456u);
  EXPECT_EQ(find("echoTime").offset, 538u);
  EXPECT_EQ(find("musicDynamicsTable").size, 136u);
  EXPECT_EQ(find("deviceSettings").offset, 878u);
  EXPECT_EQ(find("fbcBypass").offset, 903u);
  EXPECT_EQ(layout.back().offset + layout.back().size, kModeFileBytes);
}

TEST_F(ModeFileTest, HeaderCarriesSyncFlagAndTheLoadedTag) {
  image.syncComplete = true;
  image.fileVersion = u"Other 2";
  const ModeFileBytes bytes = EncodeModeFile(image);
  EXPECT_EQ(bytes[66], 1);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16),
            (std::vector<uint8_t>{'O', 0, 't', 0, 'h', 0, 'e', 0, 'r', 0, ' ', 0, '2', 0, 0, 0}));
}

TEST_F(ModeFileTest, BothMicMuteSlotsAndNoMusicMute) {
  image.dsp.micMute = 1;
  image.dsp.musicMute = 1;
  const ModeFileBytes bytes = EncodeModeFile(image);
  EXPECT_EQ(bytes[506], 1);
  EXPECT_EQ(bytes[510], 1);

  // On reading, the second slot is applied last.
  ModeFileBytes edited = bytes;
  edited[506] = 0;
  ParameterImage loaded;
  DecodeModeFile(edited, loaded);
  EXPECT_EQ(loaded.dsp.micMute, 1);
  edited[506] = 1;
  edited[510] = 0;
  DecodeModeFile(edited, loaded);
  EXPECT_EQ(loaded.dsp.micMute, 0);
  EXPECT_EQ(loaded.dsp.musicMute, 0);
}

TEST_F(ModeFileTest, RoundTripKeepsEveryLoadedFieldAndLeavesTheUnloadedOnes) {
  FillDistinct(image);
  image.deviceSettings = {1, 2, 3, 4, 5, 1, 0xFF, 7, 8};
  image.remoteKeys.fill(0x5A);
  image.dsp.musicMute = 1;
  const std::string path = dir.Path("a.V7M");
  ASSERT_TRUE(WriteModeFile(image, path, observer));

  ParameterImage loaded;
  ASSERT_TRUE(ReadModeFile(loaded, path, observer));
  DspParams expectedDsp = image.dsp;
  expectedDsp.musicMute = 0;  // not stored
  EXPECT_EQ(loaded.dsp, expectedDsp);
  EXPECT_EQ(loaded.eqArea, image.eqArea);
  EXPECT_EQ(loaded.autoSub, image.autoSub);
  EXPECT_EQ(loaded.musicDynamicsRecord, image.musicDynamicsRecord);
  EXPECT_EQ(loaded.micDynamicsRecord, image.micDynamicsRecord);
  EXPECT_EQ(loaded.musicDynamicsTable, image.musicDynamicsTable);
  EXPECT_EQ(loaded.micDynamicsTable, image.micDynamicsTable);
  EXPECT_EQ(loaded.deviceSettings, DeviceSettings{});
  EXPECT_EQ(loaded.remoteKeys, kStartupRemoteKeys);

  // Written again, only the unapplied settings and remote bytes differ.
  std::vector<uint8_t> first = Contents(path);
  ASSERT_TRUE(WriteModeFile(loaded, path, observer));
  std::vector<uint8_t> second = Contents(path);
  ASSERT_EQ(second.size(), 907u);
  std::fill(first.begin() + 878, first.begin() + 903, 0);
  std::fill(second.begin() + 878, second.begin() + 903, 0);
  EXPECT_EQ(first, second);
}

TEST_F(ModeFileTest, FbcBypassIsLoadedOnlyForTheCurrentTagInAnyCase) {
  image.dsp.fbcBypass = 1;
  struct Case {
    std::u16string tag;
    int32_t fbc;
  };
  for (const Case& c : {Case{u"Ver1.0.1", 1}, Case{u"VER1.0.1", 1}, Case{u"Ver1.0.0", 0},
                        Case{u"Ver1.0.1x", 0}, Case{u"", 0}}) {
    image.fileVersion = c.tag;
    ParameterImage loaded;
    loaded.fileVersion = u"before";
    DecodeModeFile(EncodeModeFile(image), loaded);
    EXPECT_EQ(loaded.dsp.fbcBypass, c.fbc);
    EXPECT_EQ(loaded.fileVersion, c.tag);
  }
}

TEST_F(ModeFileTest, OverlongTagIsCutToTheTwentyNineUnitsAFileHolds) {
  image.fileVersion = std::u16string(40, u'x');
  ParameterImage loaded;
  DecodeModeFile(EncodeModeFile(image), loaded);
  EXPECT_EQ(loaded.fileVersion, std::u16string(29, u'x'));

  ModeFileBytes unterminated = EncodeModeFile(image);
  unterminated[58] = 'y';
  DecodeModeFile(unterminated, loaded);
  EXPECT_EQ(loaded.fileVersion, std::u16string(29, u'x'));
}

TEST_F(ModeFileTest, ShortFilesChangeOnlyTheFieldsTheyHoldWhole) {
  FillDistinct(image);
  image.fileVersion = u"short";
  const ModeFileBytes full = EncodeModeFile(image);

  ParameterImage fresh;
  fresh.FillStartupBands();
  const EqArea startupArea = fresh.eqArea;

  ParameterImage headerOnly;
  headerOnly.FillStartupBands();
  DecodeModeFile(std::span(full).first(120), headerOnly);
  EXPECT_EQ(headerOnly.fileVersion, u"short");
  EXPECT_EQ(headerOnly.eqArea, startupArea);
  EXPECT_EQ(headerOnly.dsp, DspParams{});

  // 460 bytes: the EQ area is whole, the auto-sub record (456..461) is cut and kept.
  ParameterImage partial;
  DecodeModeFile(std::span(full).first(460), partial);
  EXPECT_EQ(partial.eqArea, image.eqArea);
  EXPECT_EQ(partial.autoSub, AutoSubParams{});

  ParameterImage tiny;
  DecodeModeFile(std::span(full).first(10), tiny);
  EXPECT_EQ(tiny.fileVersion, u"Ver1.0.1");
}

TEST_F(ModeFileTest, SaveIntoAFolderThatCannotExistReportsTheWriterText) {
  PutFile(dir.Path("plain"), {1});
  const std::string path = dir.Path("plain/a.V7M");
  EXPECT_FALSE(WriteModeFile(image, path, observer));
  EXPECT_EQ(observer.caption, "Can't write to file");
  EXPECT_EQ(observer.text,
            "Errcode=20,Can't write to file:\n" + path + "\nProbaby it is write protected.");
}

TEST_F(ModeFileTest, FailedSaveLeavesTheOldFileAsItWas) {
  const std::string path = dir.Path("keep.V7M");
  const std::vector<uint8_t> old(907, 0xAB);
  PutFile(path, old);
  {
    testing_support::FileSizeLimit limit(100);
    EXPECT_FALSE(WriteModeFile(image, path, observer));
  }
  EXPECT_EQ(Contents(path), old);
  EXPECT_EQ(observer.text.rfind("Errcode=27,", 0), 0u) << observer.text;  // EFBIG
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Root()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ModeFileTest, SaveIntoAReadOnlyFolderFailsForOrdinaryUsers) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  const std::string path = dir.Path("keep.V7M");
  PutFile(path, {1, 2, 3});
  std::filesystem::permissions(
      dir.Root(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(WriteModeFile(image, path, observer));
  EXPECT_EQ(observer.caption, "Can't write to file");
  EXPECT_EQ(Contents(path), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ModeFileTest, MissingFileReportsTheReaderTextAndChangesNothing) {
  const std::string path = dir.Path("none.V7M");
  image.fileVersion = u"kept";
  EXPECT_FALSE(ReadModeFile(image, path, observer));
  EXPECT_EQ(observer.caption, "Can't write to file");
  EXPECT_EQ(observer.text, "Can't write to file:\n" + path + "\nProbaby it is write protected.");
  EXPECT_EQ(image.fileVersion, u"kept");
}

// Where the file stores a field (the last slot of micMute, which is the one that counts).
size_t OffsetOf(std::string_view name) {
  size_t offset = 0;
  for (const ModeFileField& f : ModeFileLayout())
    if (f.name == name) offset = f.offset;
  return offset;
}

// A file with the right header but fields no machine or program could produce.
TEST_F(ModeFileTest, FieldsNoMachineCouldHoldAreLimitedAndTold) {
  std::vector<uint8_t> file = ExpectedStartupFile();
  PutLE(file, OffsetOf("echoTime"), 1255557764);
  PutLE(file, OffsetOf("micVolume"), 0x80000000);
  PutLE(file, OffsetOf("micMute"), 5);
  PutLE(file, OffsetOf("echoRatio"), 0x7FFFFFFF);
  // A low shelf at +20 dB (gain code 350) is a band the description keeps as it is.
  const uint8_t shelf20dB[] = {0x01, 0x5E, 0x00, 0x64, 0x05, 0x86, 0x04};
  std::copy(std::begin(shelf20dB), std::end(shelf20dB), file.begin() + OffsetOf("eqArea"));
  const std::string path = dir.Path("garbage.V7M");
  PutFile(path, file);

  ASSERT_TRUE(ReadModeFile(image, path, observer));
  EXPECT_EQ(observer.calls, 0);
  EXPECT_EQ(observer.limitedIn, path);
  const std::vector<LimitedValue> expected = {{"echoRatio", INT32_MAX, 481},
                                              {"echoTime", 1255557764, 7300},
                                              {"micMute", 5, 1},
                                              {"micVolume", INT32_MIN, -138}};
  EXPECT_EQ(observer.limited, expected);
  EXPECT_EQ(image.dsp.echoTime, 7300);
  EXPECT_EQ(image.dsp.micVolume, -138);
  EXPECT_EQ(image.GetEqBandByBlock(0, 0).gainDb, 20.0f);
  EXPECT_EQ(LimitedValuesText(expected),
            "echoRatio 2147483647 -> 481\nechoTime 1255557764 -> 7300\nmicMute 5 -> 1\n"
            "micVolume -2147483648 -> -138");
}

TEST_F(ModeFileTest, AFileWithinTheWireRangesIsToldNothing) {
  FillDistinct(image);
  const std::string path = dir.Path("fine.V7M");
  ASSERT_TRUE(WriteModeFile(image, path, observer));
  ParameterImage loaded;
  ASSERT_TRUE(ReadModeFile(loaded, path, observer));
  EXPECT_TRUE(observer.limitedIn.empty());
}

TEST_F(ModeFileTest, OnlyWhatThisWriterProducesLooksLikeAModeFile) {
  const ModeFileBytes written = EncodeModeFile(image);
  const std::vector<uint8_t> good(written.begin(), written.end());
  EXPECT_EQ(CheckModeFile(good), ModeFileDoubt::kNone);

  std::vector<uint8_t> noMarker = good;
  noMarker[61] = 0;
  std::vector<uint8_t> unterminated = good;
  for (size_t i = 0; i < kModeFileVersionBytes; ++i) unterminated[i] = 'x';
  const std::string passwd = "root:x:0:0:root:/root:/bin/bash\n";
  struct Case {
    std::vector<uint8_t> bytes;
    ModeFileDoubt doubt;
  };
  const Case cases[] = {
      {std::vector<uint8_t>(good.begin(), good.begin() + 460), ModeFileDoubt::kWrongSize},
      {std::vector<uint8_t>(passwd.begin(), passwd.end()), ModeFileDoubt::kWrongSize},
      {{}, ModeFileDoubt::kWrongSize},
      {std::vector<uint8_t>(kModeFileCheckBytes, 0), ModeFileDoubt::kWrongSize},
      {std::vector<uint8_t>(kModeFileBytes, 0), ModeFileDoubt::kNoMarker},
      {noMarker, ModeFileDoubt::kNoMarker},
      {unterminated, ModeFileDoubt::kUnterminatedVersion},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckModeFile(c.bytes), c.doubt) << c.bytes.size();
    EXPECT_STRNE(ModeFileDoubtText(c.doubt), "");
  }
}

}  // namespace
}  // namespace v7
