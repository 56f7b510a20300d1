#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "Harnesses.h"
#include "files/FileNames.h"
#include "files/RemoteFile.h"

namespace v7::fuzz {
namespace {

struct SilentObserver : FileErrorObserver {
  void OnFileError(const std::string&, const std::string&) override { ++failures; }
  void OnNotRegularFile(const std::string&) override { ++failures; }
  void OnValuesLimited(const std::string&, std::span<const LimitedValue>) override {}
  int failures = 0;
};

// One scratch file for the whole run, in a folder of its own.
const std::string& ScratchRemoteFile() {
  static const std::string path = [] {
    char folder[] = "/tmp/v7-fuzz-XXXXXX";
    Require(mkdtemp(folder) != nullptr, "a scratch folder can be made");
    return std::string(folder) + "/keys.remo";
  }();
  return path;
}

void CheckShortFileReplacesOnlyItsBytes(const uint8_t* data, size_t size) {
  const std::string& path = ScratchRemoteFile();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  RemoteKeyTable table = kStartupRemoteKeys;
  SilentObserver observer;
  Require(ReadRemoteFile(table, path, observer), "a regular remote file is read");
  Require(observer.failures == 0, "reading a regular file reports nothing");
  const size_t n = std::min(size, table.size());
  Require(std::equal(table.begin(), table.begin() + n, data), "the file's bytes replace the keys");
  Require(std::equal(table.begin() + n, table.end(), kStartupRemoteKeys.begin() + n),
          "bytes past a short file keep their values");
}

void CheckNameRules(std::string_view name) {
  const std::string remo = WithRemoteExtension(name);
  Require(remo.ends_with(".remo"), "a remote file name ends in .remo");
  const size_t slash = name.find_last_of('/');
  // An empty name becomes ".remo", which reads as a hidden name and so grows again.
  const bool onlyExtension = remo == ".remo" || remo.ends_with("/.remo");
  if (!onlyExtension)
    Require(WithRemoteExtension(remo) == remo, "forcing the extension twice changes nothing");
  if (slash != std::string_view::npos)
    Require(remo.starts_with(name.substr(0, slash + 1)), "the folder part is left alone");
  const int mode = DesignatedModeOfFileName(name);
  Require(mode >= -1 && mode < kModeCount, "a designated mode is -1 or 0..3");
}

}  // namespace

void FuzzRemoteFile(const uint8_t* data, size_t size) {
  CheckShortFileReplacesOnlyItsBytes(data, size);
  CheckNameRules(std::string_view(reinterpret_cast<const char*>(data), size));
}

}  // namespace v7::fuzz
