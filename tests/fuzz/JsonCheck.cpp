#include "JsonCheck.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace v7::fuzz {
namespace {

// Length of the UTF-8 sequence starting at `i`, 0 when it is not well formed.
size_t Utf8SequenceAt(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t lead = b(i);
  if (lead < 0x80) return 1;
  size_t n = 0;
  uint8_t lo = 0x80, hi = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (size_t k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  return n;
}

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : s_(text) {}

  bool Document() {
    SkipSpace();
    if (!Value(0)) return false;
    SkipSpace();
    return i_ == s_.size();
  }

 private:
  static constexpr int kMaxDepth = 64;

  bool Value(int depth) {
    if (depth > kMaxDepth || i_ >= s_.size()) return false;
    switch (s_[i_]) {
      case '{':
        return Container(depth, '}', true);
      case '[':
        return Container(depth, ']', false);
      case '"':
        return String();
      case 't':
        return Word("true");
      case 'f':
        return Word("false");
      case 'n':
        return Word("null");
      default:
        return Number();
    }
  }

  bool Container(int depth, char close, bool object) {
    ++i_;
    SkipSpace();
    if (Peek(close)) return ++i_, true;
    while (true) {
      SkipSpace();
      if (object) {
        if (!String()) return false;
        SkipSpace();
        if (!Peek(':')) return false;
        ++i_;
        SkipSpace();
      }
      if (!Value(depth + 1)) return false;
      SkipSpace();
      if (Peek(close)) return ++i_, true;
      if (!Peek(',')) return false;
      ++i_;
    }
  }

  bool String() {
    if (!Peek('"')) return false;
    ++i_;
    while (i_ < s_.size()) {
      const auto c = static_cast<uint8_t>(s_[i_]);
      if (c == '"') return ++i_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++i_ >= s_.size()) return false;
        const char e = s_[i_];
        if (e == 'u') {
          for (int k = 1; k <= 4; ++k)
            if (i_ + k >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_ + k])))
              return false;
          i_ += 4;
        } else if (!std::strchr("\"\\/bfnrt", e)) {
          return false;
        }
      }
      ++i_;
    }
    return false;
  }

  bool Number() {
    const size_t start = i_;
    if (Peek('-')) ++i_;
    if (Peek('0')) {
      ++i_;
    } else if (!Digits()) {
      return false;
    }
    if (Peek('.')) {
      ++i_;
      if (!Digits()) return false;
    }
    if (Peek('e') || Peek('E')) {
      ++i_;
      if (Peek('+') || Peek('-')) ++i_;
      if (!Digits()) return false;
    }
    return i_ > start;
  }

  bool Digits() {
    const size_t start = i_;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    return i_ > start;
  }

  bool Word(std::string_view word) {
    if (s_.substr(i_, word.size()) != word) return false;
    i_ += word.size();
    return true;
  }

  bool Peek(char c) const { return i_ < s_.size() && s_[i_] == c; }
  void SkipSpace() {
    while (i_ < s_.size() && std::strchr(" \t\r\n", s_[i_]) && s_[i_] != '\0') ++i_;
  }

  std::string_view s_;
  size_t i_ = 0;
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = Utf8SequenceAt(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool IsValidJson(std::string_view text) {
  return JsonReader(text).Document();
}

}  // namespace v7::fuzz
