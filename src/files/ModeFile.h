#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/FileErrorObserver.h"
#include "params/DspFieldTable.h"
#include "params/ParameterImage.h"

namespace v7 {

// The ".V7M" mode file: 907 bytes taken field by field from the parameter image, integers
// little-endian.
inline constexpr size_t kModeFileBytes = 907;
using ModeFileBytes = std::array<uint8_t, kModeFileBytes>;

inline constexpr size_t kModeFileHeaderBytes = 120;
inline constexpr uint32_t kModeFileMagic = 0x12100920;

inline constexpr size_t kModeFileVersionOffset = 0;
inline constexpr size_t kModeFileVersionBytes = 60;  // 30 UTF-16 units
inline constexpr size_t kModeFileSyncFlagOffset = 66;

// One stored field after the header, for tools that show what a file holds.
struct ModeFileField {
  const char* name;  // the image member it holds; micMute fills two slots
  size_t offset;
  size_t size;
  bool isInteger;  // a little-endian i32; otherwise raw bytes
};
std::span<const ModeFileField> ModeFileLayout();

// The version tag at the start of a file (at least 60 bytes), up to its terminator.
std::u16string ModeFileVersionOf(std::span<const uint8_t> bytes);

// Why a file does not look like one this program writes; kNone when it does.
enum class ModeFileDoubt { kNone, kWrongSize, kNoMarker, kUnterminatedVersion };

// Read this many bytes to check a file: one more than a mode file, so an overlong one shows.
inline constexpr size_t kModeFileCheckBytes = kModeFileBytes + 1;

// Another writer may leave the marker zero and short files are read on purpose, so a doubt is
// a reason to ask before sending the file, not to refuse it outright.
ModeFileDoubt CheckModeFile(std::span<const uint8_t> bytes);

// The doubt in a few English words, for the command line.
const char* ModeFileDoubtText(ModeFileDoubt doubt);

// The file image of the parameters as they are now.
ModeFileBytes EncodeModeFile(const ParameterImage& image);

// Applies a file's bytes to the image. Fields that do not lie wholly inside the bytes keep
// their values. The settings and remote keys are read past but not applied; musicMute is
// not stored; fbcBypass is applied only when the file's tag is "Ver1.0.1" (any case).
// A DSP field no machine could hold is limited to its wire range; those fields are returned.
std::vector<LimitedValue> DecodeModeFile(std::span<const uint8_t> bytes, ParameterImage& image);

// Writes the image to the path atomically (an existing file is never left half written).
// On failure the observer hears the writer's message and false is returned.
bool WriteModeFile(const ParameterImage& image, const std::string& path,
                   FileErrorObserver& observer);

// Reads the file into the image; a file that cannot be opened, or is not a regular file,
// leaves the image untouched, tells the observer and returns false. Fields that had to be
// limited are told to the observer too; the file is still loaded.
bool ReadModeFile(ParameterImage& image, const std::string& path, FileErrorObserver& observer);

}  // namespace v7
