#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace v7 {

// Outcome of a file operation: errorCode is the system error number of the step that
// failed (or kNotRegularFileError), 0 on success.
struct FileResult {
  bool ok = false;
  int errorCode = 0;
};

// The path names a FIFO, a device or a socket, which a reader would wait on forever or
// disturb. Negative, so it is never mistaken for a system error number.
inline constexpr int kNotRegularFileError = -1;
constexpr bool IsNotRegularFileError(int errorCode) {
  return errorCode == kNotRegularFileError;
}
// The system's description of an error number, or "not a regular file".
std::string FileErrorReason(int errorCode);

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over
// the target, so the target always holds either its old contents or all of the new ones.
// An existing target keeps its permission bits. A symbolic link is followed, even one whose
// file does not exist yet: the file it names is written in that file's folder and the link
// stays; when that folder cannot take the file, the folder's error is returned.
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Reads at most maxBytes from the start of the file into out (which is resized to what was
// actually read). The file is opened without waiting, so a FIFO or a device is refused with
// kNotRegularFileError instead of blocking; a folder gives EISDIR.
FileResult ReadFileBytes(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out);

}  // namespace v7
