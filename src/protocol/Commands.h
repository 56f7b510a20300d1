#pragma once

#include <cstdint>

namespace v7 {

// Command codes of the machine's protocol; replies carry the code of their request.
enum Command : uint8_t {
  kCmdEcho2 = 2,             // reply only: echo of a sent report
  kCmdModePreamble = 3,      // mode 0..3, always followed 20 ms later by kCmdStoreMode
  kCmdStoreMode = 4,         // mode 0..3
  kCmdLoadMode = 5,          // mode 0..3; its reply is echo-checked
  kCmdFactoryMode = 6,       // mode 0..3
  kCmdGetMode = 7,           // reply: byte 2 mode
  kCmdParamsChanged = 9,     // reply only: marks the parameters changed
  kCmdGetVolumes = 12,       // reply: bytes 2, 3 mic and music dB (signed)
  kCmdGetLevels = 13,        // reply: bytes 2, 3 level meter values
  kCmdWriteDsp = 20,         // address, length, words
  kCmdReadDsp = 21,          // address, length; reply carries the words
  kCmdAutoSub = 32,          // 0 + three bytes writes; 1 asks
  kCmdLearnKey = 96,         // key index 1..18; reply: header, index, code
  kCmdCancelLearn = 97,      //
  kCmdGetRemoteKeys = 98,    // reply: 16 table bytes
  kCmdSetRemoteKeys = 99,    // 16 table bytes
  kCmdReset = 104,           // 0xAA: the machine restarts
  kCmdGetProtocol = 127,     // reply: byte 2
  kCmdGetModel = 128,        // reply: text
  kCmdGetMcuVersion = 129,   // reply: text
  kCmdWriteMemory = 133,     // address, length, bytes
  kCmdReadMemory = 134,      // address, length; reply carries the bytes
  kCmdGoodbye = 138,         // the PC closes the link
  kCmdUnsolicitedSub = 143,  // reply only: byte 3 goes to autoSub byte 5
  kCmdSetSettings = 145,     // 9 settings bytes
  kCmdGetSettings = 146,     // reply: 9 settings bytes
};

inline constexpr uint8_t kAutoSubWrite = 0;
inline constexpr uint8_t kAutoSubRead = 1;
inline constexpr uint8_t kResetMagic = 0xAA;

}  // namespace v7
