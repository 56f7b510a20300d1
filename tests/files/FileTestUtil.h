#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "files/FileErrorObserver.h"

namespace v7::testing_support {

inline std::vector<uint8_t> Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PutFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Records what a file operation tells the user.
struct RecordingObserver : FileErrorObserver {
  void OnFileError(const std::string& c, const std::string& t) override {
    caption = c;
    text = t;
    ++calls;
  }
  void OnNotRegularFile(const std::string& path) override {
    notRegular = path;
    ++calls;
  }
  void OnValuesLimited(const std::string& path, std::span<const LimitedValue> values) override {
    limitedIn = path;
    limited.assign(values.begin(), values.end());
  }
  std::string caption;
  std::string text;
  std::string notRegular;
  std::string limitedIn;
  std::vector<LimitedValue> limited;
  int calls = 0;
};

}  // namespace v7::testing_support
