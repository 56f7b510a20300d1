#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace v7 {

// Every field of a mode file as JSON: looksValid (with the reason when false), then keys
// named as the image's members: fileVersion,
// syncComplete, eqArea (six blocks of decoded bands), then the stored fields in file order.
// A field that does not lie wholly inside a short file is null; micMute's repeated slot is
// "micMute2".
std::string ModeFileToJson(std::span<const uint8_t> bytes);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace v7
