#include "files/FileErrorObserver.h"

#include "files/AtomicFile.h"

namespace v7 {

std::string FileWriteErrorText(int errorCode, const std::string& path) {
  return "Errcode=" + std::to_string(errorCode) + ",Can't write to file:\n" + path +
         "\nProbaby it is write protected.";
}

std::string FileReadErrorText(const std::string& path) {
  return "Can't write to file:\n" + path + "\nProbaby it is write protected.";
}

std::string LimitedValuesText(std::span<const LimitedValue> values) {
  std::string text;
  for (const LimitedValue& v : values) {
    if (!text.empty()) text += '\n';
    text +=
        std::string(v.name) + ' ' + std::to_string(v.given) + " -> " + std::to_string(v.limited);
  }
  return text;
}

bool ReadFileReporting(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out,
                       FileErrorObserver& observer) {
  const FileResult result = ReadFileBytes(path, maxBytes, out);
  if (result.ok) return true;
  if (IsNotRegularFileError(result.errorCode))
    observer.OnNotRegularFile(path);
  else
    observer.OnFileError(kFileErrorCaption, FileReadErrorText(path));
  return false;
}

}  // namespace v7
