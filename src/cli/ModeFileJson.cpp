#include "cli/ModeFileJson.h"

#include <cstdio>
#include <set>
#include <sstream>

#include "files/ModeFile.h"
#include "params/DspCodec.h"
#include "params/ParameterImage.h"

namespace v7 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kIndent[] = "  ";

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

int32_t GetI32LE(const uint8_t* in) {
  return static_cast<int32_t>(static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
                              (static_cast<uint32_t>(in[2]) << 16) |
                              (static_cast<uint32_t>(in[3]) << 24));
}

std::string ByteArray(std::span<const uint8_t> bytes) {
  std::string out = "[";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ", ";
    out += std::to_string(bytes[i]);
  }
  return out + "]";
}

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

constexpr const char* kPageNames[] = {"mic", "music", "echo", "main", "center", "sub"};

// The stored codes printed as the decimals they stand for: gain in tenths of a dB, Q in
// thousandths.
std::string BandJson(const uint8_t* record) {
  const double gain = GetU16BE(&record[0]) / 10.0 - 15.0;
  const double q = GetU16BE(&record[4]) / 1000.0;
  return std::string("{\"gainDb\": ") + Fixed(gain, 1) +
         ", \"freqHz\": " + std::to_string(GetU16BE(&record[2])) + ", \"q\": " + Fixed(q, 3) +
         ", \"type\": " + std::to_string(record[6]) + "}";
}

std::string EqAreaJson(std::span<const uint8_t> area) {
  std::string out = "[\n";
  for (int block = 0; block < kEqBlockCount; ++block) {
    out += std::string(kIndent) + kIndent + "{\"block\": " + std::to_string(block) +
           ", \"page\": \"" + kPageNames[ParameterImage::PageOfBlock(block)] + "\", \"bands\": [\n";
    const int bands = ParameterImage::BandCountOfBlock(block);
    for (int band = 0; band < bands; ++band) {
      out += std::string(kIndent) + kIndent + kIndent +
             BandJson(&area[ParameterImage::EqBandAddressByBlock(block, band)]) +
             (band + 1 < bands ? ",\n" : "\n");
    }
    out += std::string(kIndent) + kIndent + "]}" + (block + 1 < kEqBlockCount ? ",\n" : "\n");
  }
  return out + kIndent + "]";
}

std::string FieldJson(std::span<const uint8_t> bytes, const ModeFileField& field) {
  if (field.offset + field.size > bytes.size()) return "null";
  const std::span<const uint8_t> data = bytes.subspan(field.offset, field.size);
  if (field.isInteger) return std::to_string(GetI32LE(data.data()));
  if (std::string_view(field.name) == "eqArea") return EqAreaJson(data);
  return ByteArray(data);
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                          (static_cast<char32_t>(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::string ModeFileToJson(std::span<const uint8_t> bytes) {
  std::ostringstream out;
  const bool hasVersion = bytes.size() >= kModeFileVersionBytes;
  const bool hasSyncFlag = bytes.size() >= kModeFileSyncFlagOffset + sizeof(int32_t);
  const ModeFileDoubt doubt = CheckModeFile(bytes);
  out << "{\n";
  out << kIndent << "\"looksValid\": " << (doubt == ModeFileDoubt::kNone ? "true" : "false")
      << ",\n";
  if (doubt != ModeFileDoubt::kNone)
    out << kIndent << "\"reason\": " << JsonString(ModeFileDoubtText(doubt)) << ",\n";
  out << kIndent << "\"fileVersion\": "
      << (hasVersion ? JsonString(Utf16ToUtf8(ModeFileVersionOf(bytes))) : "null") << ",\n";
  out << kIndent << "\"syncComplete\": "
      << (hasSyncFlag ? std::to_string(GetI32LE(&bytes[kModeFileSyncFlagOffset])) : "null");
  std::set<std::string> seen;
  for (const ModeFileField& field : ModeFileLayout()) {
    std::string key = field.name;
    if (!seen.insert(key).second) key += "2";
    out << ",\n" << kIndent << JsonString(key) << ": " << FieldJson(bytes, field);
  }
  out << "\n}\n";
  return out.str();
}

}  // namespace v7
