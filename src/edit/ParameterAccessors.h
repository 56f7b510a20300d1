#pragma once

#include <cstdint>

#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"

namespace v7 {

enum class MuteChannel { kMic, kMusic };

// The record the channel panel puts in place of an uninitialised one (first bytes FF FF).
inline constexpr DynamicsRecord kPanelDefaultDynamicsRecord = {
    0x00, 0x2D, 0x01, 0x05, 0x00, 0x65, 0x00, 0xBB, 0x01, 0x39, 0x00, 0x2E, 0x00, 0x62, 0x01, 0x05};
// The record the write sequence puts in place of an uninitialised one.
inline constexpr DynamicsRecord kWriteDefaultDynamicsRecord = {
    0x00, 0x2D, 0x01, 0x56, 0x00, 0x9B, 0x00, 0xF3, 0x02, 0x3D, 0x00, 0x37, 0x00, 0x96, 0x01, 0x56};

// A table whose first word is zero is absent and is not sent.
bool IsAbsentTable(const DynamicsTable& table);

// The only way the front ends change the parameter image: each call stores the new value in
// the image first and then sends the matching command. With the link closed the sends are
// dropped and the image still changes. Calls that send return true when every report went out.
// Runs on one thread at a time (the UI thread, or the command line's main thread).
class ParameterAccessors {
 public:
  ParameterAccessors(ParameterImage& image, ReportSink& sink) : image_(image), sink_(sink) {}

  // --- equalisers (page 0 mic .. 5 sub; band and page are clamped) ---
  // Gain is clamped to +-15 dB for both the band record and the coefficients.
  bool SetEqBand(int page, int band, int type, int freqHz, float gainDb, float q);
  // Unity coefficients for every band (the sub block's bands 2 and 3 are low passes), then
  // the default records, sent as two 35-byte writes (10-band blocks) or one 49-byte write.
  bool ResetEqBlock(int page);
  bool ToggleEqBypass(int page);
  bool SetEqBypass(int page, bool bypassed);

  // --- volumes, mixes, echo (whole dB; the echo ratio in tenths) ---
  bool SetMicVolume(int dB);
  bool SetMusicVolume(int dB);
  // Address 443 main, 456 centre or 459 sub; stores that field too. Other addresses are ignored.
  bool SetOutputVolume(int address, int dB);
  // One of mainMic, mainMusic, centerMic, centerMusic, subMic, subMusic: sends both words of
  // its pair, mic word first. Other fields are ignored.
  bool SetOutputMix(int32_t DspParams::*field, int dB);
  // Clamped to 1..7300 samples.
  bool SetEchoTime(int samples);
  bool SetEchoVolume(int dB);
  bool SetEchoRatio(int tenths);

  // --- switches ---
  bool ToggleMute(MuteChannel which);
  bool SetMute(MuteChannel which, bool muted);
  bool ToggleFbc();
  bool SetFbcBypass(bool bypassed);

  // --- mic-controlled subwoofer, noise gates ---
  bool SetAutoSub(uint8_t restoreTime, uint8_t ratio, uint8_t sensitivity);
  // Page 0 mic or 1 music: the table (three DSP writes), then the record (command 133).
  bool WriteDynamics(int page, const DynamicsTable& table, const DynamicsRecord& record);
  // 11, 11 and 12 words to firstWord, firstWord + 11 and firstWord + 22.
  bool WriteDynamicsTable(const DynamicsTable& table, int firstWord);
  // Sends the page's stored record to 0x0168 (mic) or 0x0150 (music).
  bool WriteDynamicsRecord(int page);
  // The channel panel's repair: an uninitialised record of page 0 or 1 becomes the panel
  // default and is sent. Returns true when a record was replaced.
  bool ReplaceUninitialisedRecord(int page);

  // --- machine settings ---
  void SetLockBit(int bit, bool on);             // editSettings byte 6, nothing sent
  void SetEditSetting(int byte, uint8_t value);  // editSettings byte 0..5, nothing sent
  bool ApplyDeviceSettings();                    // editSettings over deviceSettings, command 145
  void ResetEditSettings();                      // deviceSettings over editSettings

  // --- remote keys ---
  bool ApplyRemoteKeys();  // command 99 with the 16 table bytes

  // Sends the DSP words of the field at this word address as the image holds them, after
  // limiting the field in the image to its wire range (every setter above goes through here).
  bool SendDspField(int address);

  const ParameterImage& Image() const { return image_; }

 private:
  bool SendEqBandRecord(int address);
  bool SendMemory(int address, int length);
  int32_t& MuteField(MuteChannel which);

  ParameterImage& image_;
  ReportSink& sink_;
};

}  // namespace v7
