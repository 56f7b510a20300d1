#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace v7::fuzz {

// Takes values off the front of a fuzz input; past its end every value is zero bytes, so any
// input gives a complete set of arguments.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : bytes_(data, size) {}

  template <typename T>
  T Take() {
    T value{};
    const size_t n = std::min(sizeof(T), bytes_.size());
    std::memcpy(&value, bytes_.data(), n);
    bytes_ = bytes_.subspan(n);
    return value;
  }

  std::span<const uint8_t> Rest() const { return bytes_; }

 private:
  std::span<const uint8_t> bytes_;
};

}  // namespace v7::fuzz
