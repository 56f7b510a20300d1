#include "files/ModeFile.h"

#include <algorithm>
#include <type_traits>

#include "files/AsciiCase.h"
#include "files/AtomicFile.h"

namespace v7 {
namespace {

constexpr size_t kMagicOffset = 60;
constexpr size_t kEqPreviewOffset = 70;
constexpr size_t kEqPreviewBytes = 50;

// Whether a stored field is loaded back into the image.
enum class Apply { kAlways, kNever, kCurrentVersionOnly };

// Everything from offset 120 on, in file order, for a const image (writing) or a mutable one
// (reading): each field's image member name, then byte fields as spans and integer fields as
// 32-bit references. micMute fills two slots (musicMute has none); the settings and remote
// keys are stored for reference but never loaded back.
template <typename Image, typename Visit>
void ForEachField(Image& image, Visit&& visit) {
  auto& d = image.dsp;
  visit("eqArea", std::span(image.eqArea), Apply::kAlways);
  visit("autoSub", std::span(image.autoSub), Apply::kAlways);
  visit("centerVolume", d.centerVolume, Apply::kAlways);
  visit("subVolume", d.subVolume, Apply::kAlways);
  visit("mainVolume", d.mainVolume, Apply::kAlways);
  visit("micVolume", d.micVolume, Apply::kAlways);
  visit("musicVolume", d.musicVolume, Apply::kAlways);
  visit("centerMic", d.centerMic, Apply::kAlways);
  visit("centerMusic", d.centerMusic, Apply::kAlways);
  visit("subMic", d.subMic, Apply::kAlways);
  visit("subMusic", d.subMusic, Apply::kAlways);
  visit("mainMic", d.mainMic, Apply::kAlways);
  visit("mainMusic", d.mainMusic, Apply::kAlways);
  visit("micMute", d.micMute, Apply::kAlways);
  visit("micMute", d.micMute, Apply::kAlways);
  visit("micEqBypass", d.micEqBypass, Apply::kAlways);
  visit("musicEqBypass", d.musicEqBypass, Apply::kAlways);
  visit("centerEqBypass", d.centerEqBypass, Apply::kAlways);
  visit("subEqBypass", d.subEqBypass, Apply::kAlways);
  visit("mainEqBypass", d.mainEqBypass, Apply::kAlways);
  visit("echoEqBypass", d.echoEqBypass, Apply::kAlways);
  visit("echoTime", d.echoTime, Apply::kAlways);
  visit("echoVolume", d.echoVolume, Apply::kAlways);
  visit("echoRatio", d.echoRatio, Apply::kAlways);
  visit("musicDynamicsRecord", std::span(image.musicDynamicsRecord), Apply::kAlways);
  visit("musicDynamicsTable", std::span(image.musicDynamicsTable), Apply::kAlways);
  visit("musicDynamicsSwitch", d.musicDynamicsSwitch, Apply::kAlways);
  visit("micDynamicsRecord", std::span(image.micDynamicsRecord), Apply::kAlways);
  visit("micDynamicsTable", std::span(image.micDynamicsTable), Apply::kAlways);
  visit("micDynamicsSwitch", d.micDynamicsSwitch, Apply::kAlways);
  visit("deviceSettings", std::span(image.deviceSettings), Apply::kNever);
  visit("remoteKeys", std::span(image.remoteKeys), Apply::kNever);
  visit("fbcBypass", d.fbcBypass, Apply::kCurrentVersionOnly);
}

template <typename Field>
constexpr bool kIsInteger = std::is_integral_v<std::remove_cvref_t<Field>>;

void PutU32LE(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetU32LE(const uint8_t* in) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | in[i];
  return value;
}

void PutVersion(uint8_t* out, const std::u16string& version) {
  const size_t units = std::min(version.size(), static_cast<size_t>(kFileVersionUnits - 1));
  for (size_t i = 0; i < units; ++i) {
    out[2 * i] = static_cast<uint8_t>(version[i]);
    out[2 * i + 1] = static_cast<uint8_t>(version[i] >> 8);
  }
}

// Up to the first zero unit; a tag without one keeps the units that fit with a terminator.
std::u16string GetVersion(const uint8_t* in) {
  std::u16string version;
  for (int i = 0; i < kFileVersionUnits - 1; ++i) {
    const auto unit = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    if (unit == 0) break;
    version.push_back(unit);
  }
  return version;
}

bool IsCurrentVersion(const std::u16string& version) {
  return EqualsIgnoringAsciiCase<char16_t>(version, kStartupFileVersion);
}

}  // namespace

ModeFileBytes EncodeModeFile(const ParameterImage& image) {
  ModeFileBytes out{};
  PutVersion(&out[kModeFileVersionOffset], image.fileVersion);
  PutU32LE(&out[kMagicOffset], kModeFileMagic);
  PutU32LE(&out[kModeFileSyncFlagOffset], image.syncComplete ? 1u : 0u);
  std::copy_n(image.eqArea.begin(), kEqPreviewBytes, out.begin() + kEqPreviewOffset);
  auto at = out.begin() + kModeFileHeaderBytes;
  ForEachField(image, [&](const char*, const auto& field, Apply) {
    if constexpr (kIsInteger<decltype(field)>) {
      PutU32LE(&*at, static_cast<uint32_t>(field));
      at += 4;
    } else {
      at = std::copy(field.begin(), field.end(), at);
    }
  });
  return out;
}

std::vector<LimitedValue> DecodeModeFile(std::span<const uint8_t> bytes, ParameterImage& image) {
  if (bytes.size() < kModeFileVersionBytes) return {};
  image.fileVersion = GetVersion(bytes.data());
  const bool current = IsCurrentVersion(image.fileVersion);
  size_t offset = kModeFileHeaderBytes;
  ForEachField(image, [&](const char*, auto&& field, Apply apply) {
    size_t size = 4;
    if constexpr (!kIsInteger<decltype(field)>) size = field.size();
    const bool whole = offset + size <= bytes.size();
    const bool wanted = apply == Apply::kAlways || (apply == Apply::kCurrentVersionOnly && current);
    if (whole && wanted) {
      if constexpr (kIsInteger<decltype(field)>)
        field = static_cast<int32_t>(GetU32LE(&bytes[offset]));
      else
        std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(offset), size, field.begin());
    }
    offset += size;
  });
  return LimitToWireRanges(image.dsp);
}

ModeFileDoubt CheckModeFile(std::span<const uint8_t> bytes) {
  if (bytes.size() != kModeFileBytes) return ModeFileDoubt::kWrongSize;
  if (GetU32LE(&bytes[kMagicOffset]) != kModeFileMagic) return ModeFileDoubt::kNoMarker;
  for (size_t unit = 0; unit < static_cast<size_t>(kFileVersionUnits); ++unit)
    if (bytes[2 * unit] == 0 && bytes[2 * unit + 1] == 0) return ModeFileDoubt::kNone;
  return ModeFileDoubt::kUnterminatedVersion;
}

const char* ModeFileDoubtText(ModeFileDoubt doubt) {
  switch (doubt) {
    case ModeFileDoubt::kNone:
      break;
    case ModeFileDoubt::kWrongSize:
      return "it is not 907 bytes long";
    case ModeFileDoubt::kNoMarker:
      return "bytes 60..63 are not 20 09 10 12";
    case ModeFileDoubt::kUnterminatedVersion:
      return "its version tag is not terminated";
  }
  return "";
}

std::u16string ModeFileVersionOf(std::span<const uint8_t> bytes) {
  return bytes.size() < kModeFileVersionBytes ? std::u16string() : GetVersion(bytes.data());
}

std::span<const ModeFileField> ModeFileLayout() {
  static const std::vector<ModeFileField> layout = [] {
    std::vector<ModeFileField> fields;
    const ParameterImage image;
    size_t offset = kModeFileHeaderBytes;
    ForEachField(image, [&](const char* name, const auto& field, Apply) {
      size_t size = 4;
      if constexpr (!kIsInteger<decltype(field)>) size = field.size();
      fields.push_back({name, offset, size, kIsInteger<decltype(field)>});
      offset += size;
    });
    return fields;
  }();
  return layout;
}

bool WriteModeFile(const ParameterImage& image, const std::string& path,
                   FileErrorObserver& observer) {
  const ModeFileBytes bytes = EncodeModeFile(image);
  const FileResult result = WriteFileAtomically(path, bytes);
  if (!result.ok)
    observer.OnFileError(kFileErrorCaption, FileWriteErrorText(result.errorCode, path));
  return result.ok;
}

bool ReadModeFile(ParameterImage& image, const std::string& path, FileErrorObserver& observer) {
  std::vector<uint8_t> bytes;
  if (!ReadFileReporting(path, kModeFileBytes, bytes, observer)) return false;
  const std::vector<LimitedValue> limited = DecodeModeFile(bytes, image);
  if (!limited.empty()) observer.OnValuesLimited(path, limited);
  return true;
}

}  // namespace v7
