#include "files/ModeFile.h"

#include <algorithm>
#include <type_traits>
#include <vector>

#include "files/AtomicFile.h"

namespace v7 {
namespace {

constexpr size_t kVersionOffset = 0;
constexpr size_t kVersionBytes = kFileVersionUnits * 2;
constexpr size_t kMagicOffset = 60;
constexpr size_t kSyncFlagOffset = 66;
constexpr size_t kEqPreviewOffset = 70;
constexpr size_t kEqPreviewBytes = 50;

// Whether a stored field is loaded back into the image.
enum class Apply { kAlways, kNever, kCurrentVersionOnly };

// Everything from offset 120 on, in file order, for a const image (writing) or a mutable one
// (reading): byte fields are passed as spans, integer fields as 32-bit references. micMute
// fills two slots (musicMute has none); the settings and remote keys are stored for
// reference but never loaded back.
template <typename Image, typename Visit>
void ForEachField(Image& image, Visit&& visit) {
  auto& dsp = image.dsp;
  visit(std::span(image.eqArea), Apply::kAlways);
  visit(std::span(image.autoSub), Apply::kAlways);
  for (auto* field : {&dsp.centerVolume, &dsp.subVolume,    &dsp.mainVolume,    &dsp.micVolume,
                      &dsp.musicVolume,  &dsp.centerMic,    &dsp.centerMusic,   &dsp.subMic,
                      &dsp.subMusic,     &dsp.mainMic,      &dsp.mainMusic,     &dsp.micMute,
                      &dsp.micMute,      &dsp.micEqBypass,  &dsp.musicEqBypass, &dsp.centerEqBypass,
                      &dsp.subEqBypass,  &dsp.mainEqBypass, &dsp.echoEqBypass,  &dsp.echoTime,
                      &dsp.echoVolume,   &dsp.echoRatio})
    visit(*field, Apply::kAlways);
  visit(std::span(image.musicDynamicsRecord), Apply::kAlways);
  visit(std::span(image.musicDynamicsTable), Apply::kAlways);
  visit(dsp.musicDynamicsSwitch, Apply::kAlways);
  visit(std::span(image.micDynamicsRecord), Apply::kAlways);
  visit(std::span(image.micDynamicsTable), Apply::kAlways);
  visit(dsp.micDynamicsSwitch, Apply::kAlways);
  visit(std::span(image.deviceSettings), Apply::kNever);
  visit(std::span(image.remoteKeys), Apply::kNever);
  visit(dsp.fbcBypass, Apply::kCurrentVersionOnly);
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
  const std::u16string_view current = kStartupFileVersion;
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
  return version.size() == current.size() &&
         std::equal(version.begin(), version.end(), current.begin(),
                    [&](char16_t a, char16_t b) { return lower(a) == lower(b); });
}

}  // namespace

ModeFileBytes EncodeModeFile(const ParameterImage& image) {
  ModeFileBytes out{};
  PutVersion(&out[kVersionOffset], image.fileVersion);
  PutU32LE(&out[kMagicOffset], kModeFileMagic);
  PutU32LE(&out[kSyncFlagOffset], image.syncComplete ? 1u : 0u);
  std::copy_n(image.eqArea.begin(), kEqPreviewBytes, out.begin() + kEqPreviewOffset);
  auto at = out.begin() + kModeFileHeaderBytes;
  ForEachField(image, [&](const auto& field, Apply) {
    if constexpr (kIsInteger<decltype(field)>) {
      PutU32LE(&*at, static_cast<uint32_t>(field));
      at += 4;
    } else {
      at = std::copy(field.begin(), field.end(), at);
    }
  });
  return out;
}

void DecodeModeFile(std::span<const uint8_t> bytes, ParameterImage& image) {
  if (bytes.size() < kVersionBytes) return;
  image.fileVersion = GetVersion(bytes.data());
  const bool current = IsCurrentVersion(image.fileVersion);
  size_t offset = kModeFileHeaderBytes;
  ForEachField(image, [&](auto&& field, Apply apply) {
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
  if (!ReadFileBytes(path, kModeFileBytes, bytes).ok) {
    observer.OnFileError(kFileErrorCaption, FileReadErrorText(path));
    return false;
  }
  DecodeModeFile(bytes, image);
  return true;
}

}  // namespace v7
