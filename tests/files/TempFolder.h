#pragma once

#include <filesystem>
#include <string>

namespace v7::testing_support {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (root_ / name).string(); }
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace v7::testing_support
