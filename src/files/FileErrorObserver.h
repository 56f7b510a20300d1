#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "params/DspFieldTable.h"

namespace v7 {

// Where a file operation reports what the user must see. The GUI shows a box with the
// caption and text, worded in the interface language where the program words it itself.
// (v7ctl calls the file functions below this layer and prints the reason instead.)
class FileErrorObserver {
 public:
  virtual ~FileErrorObserver() = default;
  virtual void OnFileError(const std::string& caption, const std::string& text) = 0;
  // The path names a FIFO, a device or a socket: nothing was read from it.
  virtual void OnNotRegularFile(const std::string& path) = 0;
  // A loaded file held values no machine could take; they were limited as listed.
  virtual void OnValuesLimited(const std::string& path, std::span<const LimitedValue> values) = 0;
};

// The texts of the mode and remote file boxes. The reader's text also says "write": that is
// the program's long-standing wording and stays as it is.
inline constexpr char kFileErrorCaption[] = "Can't write to file";
std::string FileWriteErrorText(int errorCode, const std::string& path);
std::string FileReadErrorText(const std::string& path);

// One line per limited value: "echoTime 1255557764 -> 7300".
std::string LimitedValuesText(std::span<const LimitedValue> values);

// Reads at most maxBytes of the file; on failure the observer hears why (a special file is
// told apart from one that cannot be opened) and false is returned with `out` empty.
bool ReadFileReporting(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out,
                       FileErrorObserver& observer);

}  // namespace v7
