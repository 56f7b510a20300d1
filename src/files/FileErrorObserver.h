#pragma once

#include <string>

namespace v7 {

// Where a file operation reports a failure the user must see. The GUI shows a warning box
// with the caption and text. (v7ctl calls the file functions below this layer and prints the
// system's reason instead.)
class FileErrorObserver {
 public:
  virtual ~FileErrorObserver() = default;
  virtual void OnFileError(const std::string& caption, const std::string& text) = 0;
};

// The texts of the mode and remote file boxes. The reader's text also says "write": that is
// the program's long-standing wording and stays as it is.
inline constexpr char kFileErrorCaption[] = "Can't write to file";
std::string FileWriteErrorText(int errorCode, const std::string& path);
std::string FileReadErrorText(const std::string& path);

}  // namespace v7
