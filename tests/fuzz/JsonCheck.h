#pragma once

#include <string_view>

namespace v7::fuzz {

// Every byte sequence is well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);
// One JSON value (RFC 8259) with only white space around it.
bool IsValidJson(std::string_view text);

}  // namespace v7::fuzz
