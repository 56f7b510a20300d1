#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace v7 {

// Outcome of a file operation: errorCode is the system error number of the step that
// failed, 0 on success.
struct FileResult {
  bool ok = false;
  int errorCode = 0;
};

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over
// the target, so the target always holds either its old contents or all of the new ones.
// An existing target keeps its permission bits; a symbolic link is followed and the file it
// points to is replaced.
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Reads at most maxBytes from the start of the file into out (which is resized to what was
// actually read).
FileResult ReadFileBytes(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out);

}  // namespace v7
