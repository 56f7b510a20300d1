#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "params/DspCodec.h"

namespace v7 {

// The tuning page index; it selects the channel panel's page, its EQ block and bypass field.
enum Page : int {
  kPageMic = 0,
  kPageMusic = 1,
  kPageEcho = 2,
  kPageMain = 3,
  kPageCenter = 4,
  kPageSub = 5,
};
inline constexpr int kPageCount = 6;
inline constexpr int kEqBlockCount = 6;

// --- Device settings (9 bytes, the same on the wire, in the machine and in mode files) ---
inline constexpr int kDeviceSettingsBytes = 9;
using DeviceSettings = std::array<uint8_t, kDeviceSettingsBytes>;
enum DeviceSettingsByte : int {
  kSettingVolumeSaveMode = 0,  // 0 "By power", 1 "By mode"
  kSettingMicStartVolume = 1,  // signed dB, 127 = disabled
  kSettingMusicStartVolume = 2,
  kSettingMicMaxVolume = 3,  // signed dB
  kSettingMusicMaxVolume = 4,
  kSettingPanelLock = 5,  // 0 or 1
  kSettingLockBits = 6,   // bit 0 mic volume .. bit 7 direct volume
  // bytes 7 and 8 are reserved: kept as read and sent back unchanged
};
inline constexpr uint8_t kStartVolumeDisabled = 127;

// --- Mic-controlled subwoofer (6 bytes, machine units) ---
inline constexpr int kAutoSubBytes = 6;
using AutoSubParams = std::array<uint8_t, kAutoSubBytes>;
enum AutoSubByte : int {
  kAutoSubRestoreTime = 0,
  kAutoSubRatio = 1,
  kAutoSubSensitivity = 2,
  kAutoSubUnsolicited = 5,  // takes reply 143's byte 3
};

// --- Remote keys: header byte, then the codes of keys 1..15 ---
inline constexpr int kRemoteKeyBytes = 16;
inline constexpr int kRemoteKeyCount = 15;
using RemoteKeyTable = std::array<uint8_t, kRemoteKeyBytes>;

// --- Noise-gate / compressor curves, held without looking inside ---
inline constexpr int kDynamicsRecordBytes = 24;
inline constexpr int kDynamicsTableBytes = 136;  // 34 DSP words
using DynamicsRecord = std::array<uint8_t, kDynamicsRecordBytes>;
using DynamicsTable = std::array<uint8_t, kDynamicsTableBytes>;
// A record whose first two bytes are FF FF was never written by the machine.
bool IsUninitialisedRecord(const DynamicsRecord& record);

// --- Device memory: the EQ area, then the two dynamics records ---
inline constexpr int kEqAreaBytes = 336;
using EqArea = std::array<uint8_t, kEqAreaBytes>;
inline constexpr int kMusicDynamicsAddress = 0x0150;  // 336
inline constexpr int kMicDynamicsAddress = 0x0168;    // 360
inline constexpr int kDeviceMemoryBytes = 384;

// First DSP word of each dynamics table.
inline constexpr int kMusicDynamicsTableWord = 83;
inline constexpr int kMicDynamicsTableWord = 41;

// --- DSP parameter RAM addresses (word addresses) ---
enum DspAddress : int {
  kDspMicDynamicsSwitch = 78,
  kDspMusicDynamicsSwitch = 120,
  kDspMusicMute = 151,
  kDspMusicVolume = 153,
  kDspFbcBypass = 160,
  kDspMusicEqBypass = 212,
  kDspMicEqBypass = 264,
  kDspEchoRatio = 266,
  kDspEchoTime = 269,
  kDspEchoEqBypass = 305,
  kDspEchoVolume = 307,
  kDspMicMute = 310,
  kDspMicVolume = 311,
  kDspMainMix = 314,    // mainMic, mainMusic
  kDspSubMix = 316,     // subMic, subMusic
  kDspCenterMix = 318,  // centerMic, centerMusic
  kDspMainEqBypass = 359,
  kDspCenterEqBypass = 439,
  kDspSubEqBypass = 441,
  kDspMainVolume = 443,
  kDspCenterVolume = 456,
  kDspSubVolume = 459,
};
inline constexpr int kDspRamWords = 512;

inline constexpr int kEchoTimeMin = 1;
inline constexpr int kEchoTimeMax = 7300;  // samples at 32 kHz

// The Q of the start-up bands and of the bands a reset block holds.
inline constexpr float kStartupBandQ = 1.414f;

// One 32-bit field per DSP parameter, gains in whole dB. The DSP words they are sent as are
// described by DspFieldTable.h.
struct DspParams {
  int32_t centerVolume = 0;
  int32_t subVolume = 0;
  int32_t mainVolume = 0;
  int32_t micVolume = 0;
  int32_t musicVolume = 0;
  int32_t centerMic = 0;
  int32_t centerMusic = 0;
  int32_t subMic = 0;
  int32_t subMusic = 0;
  int32_t mainMic = 0;
  int32_t mainMusic = 0;
  int32_t micMute = 0;
  int32_t musicMute = 0;
  int32_t micEqBypass = 0;
  int32_t musicEqBypass = 0;
  int32_t centerEqBypass = 0;
  int32_t subEqBypass = 0;
  int32_t mainEqBypass = 0;
  int32_t echoEqBypass = 0;
  int32_t fbcBypass = 0;
  int32_t echoTime = kEchoTimeMin;
  int32_t echoVolume = 0;
  int32_t echoRatio = 0;  // tenths of a dB
  int32_t musicDynamicsSwitch = 1;
  int32_t micDynamicsSwitch = 1;

  bool operator==(const DspParams&) const = default;
};

inline constexpr int kTenBandCount = 10;
inline constexpr int kSevenBandCount = 7;
inline constexpr int kFileVersionUnits = 30;  // UTF-16 code units including the terminator
inline constexpr int kModelNameChars = 29;
inline constexpr int kMcuVersionChars = 11;
inline constexpr int kModeCount = 4;

inline constexpr char16_t kStartupFileVersion[] = u"Ver1.0.1";
inline constexpr char kStartupModelName[] = "V7";
inline constexpr char kStartupMcuVersion[] = "2013-03-01";
inline constexpr RemoteKeyTable kStartupRemoteKeys = {
    0x01, 0xD8, 0x58, 0xB8, 0x38, 0x88, 0xE8, 0xC8, 0x98, 0xA8, 0xB0, 0x30, 0xD0, 0x18, 0x78, 0xF8};

// The program's mirror of the machine's parameters. One instance is owned by whoever runs the
// program and passed by reference; it is not copyable.
//
// Threads: the reader thread stores replies, the UI thread and a synchronisation worker read
// and edit. Each field has one writer at a time by the program's flow, and the link's send
// token orders a reply's stores before the next request leaves. The few values that are polled
// across threads without such an order (the flags and the level meters) are atomic.
class ParameterImage {
 public:
  ParameterImage();
  ParameterImage(const ParameterImage&) = delete;
  ParameterImage& operator=(const ParameterImage&) = delete;

  // Back to the start-up state: zero except the start-up values (EQ area zero, no bands).
  void Reset();
  // The start-up bands the main view fills in before the first connection (nothing is sent):
  // 0 dB, Q 1.414, PEQ at 22, 62, 125, 250, 500, 1000, 2300 (, 4500, 9000, 12000) Hz.
  void FillStartupBands();

  // --- EQ blocks: block i is a run of bands in the EQ area ---
  static int BlockOfPage(int page);  // page clamped to 0..5
  static int PageOfBlock(int block);
  static int BandCountOfBlock(int block);
  static int BandCountOfPage(int page);
  static int BlockAddress(int block);  // device address of the block's first band
  static int BlockBytes(int block);
  // Device address of a band's record; page and band are clamped into the page's block.
  static int EqBandAddress(int page, int band);
  static int EqBandAddressByBlock(int block, int band);

  EqBandSettings GetEqBand(int page, int band) const;
  EqBandSettings GetEqBandByBlock(int block, int band) const;
  // Encodes and stores a band record (sends nothing); returns its device address.
  int PutEqBand(int page, int band, const EqBandSettings& settings);
  int PutEqBandByBlock(int block, int band, const EqBandSettings& settings);

  // The page's EQ bypass field (0 mic .. 5 sub, clamped).
  int32_t GetEqBypass(int page) const;
  int32_t& EqBypassField(int page);
  static int EqBypassAddress(int page);

  // --- the image itself, in order ---
  DeviceSettings deviceSettings{};
  DeviceSettings editSettings{};
  std::array<std::atomic<uint8_t>, 2> levelMeters{};
  DspParams dsp;
  RemoteKeyTable remoteKeys = kStartupRemoteKeys;
  AutoSubParams autoSub{};
  std::u16string fileVersion = kStartupFileVersion;  // at most kFileVersionUnits - 1 units
  std::atomic<bool> syncComplete{false};
  EqArea eqArea{};
  DynamicsRecord musicDynamicsRecord{};
  DynamicsRecord micDynamicsRecord{};
  DynamicsTable musicDynamicsTable{};
  DynamicsTable micDynamicsTable{};
  int32_t currentMode = 0;  // 0..3, shown as M1..M4

  // --- kept beside the image, filled by replies ---
  // One character per byte the machine sent.
  std::string modelName = kStartupModelName;
  std::string mcuVersion = kStartupMcuVersion;
  uint8_t protocolVersion = 0;
  // Set by every DSP write acknowledgement; cleared by a mode store and after a full read.
  std::atomic<bool> dirty{false};
};

}  // namespace v7
