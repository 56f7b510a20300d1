#include "files/RemoteFile.h"

#include <algorithm>
#include <vector>

#include "files/AtomicFile.h"
#include "files/FileNames.h"

namespace v7 {

bool WriteRemoteFile(const RemoteKeyTable& table, const std::string& chosenPath,
                     FileErrorObserver& observer) {
  const std::string path = WithRemoteExtension(chosenPath);
  const FileResult result = WriteFileAtomically(path, table);
  if (!result.ok)
    observer.OnFileError(kFileErrorCaption, FileWriteErrorText(result.errorCode, path));
  return result.ok;
}

bool ReadRemoteFile(RemoteKeyTable& table, const std::string& chosenPath,
                    FileErrorObserver& observer) {
  const std::string path = WithRemoteExtension(chosenPath);
  std::vector<uint8_t> bytes;
  if (!ReadFileReporting(path, table.size(), bytes, observer)) return false;
  std::copy(bytes.begin(), bytes.end(), table.begin());
  return true;
}

}  // namespace v7
