#pragma once

#include <QString>
#include <QStringList>

namespace v7 {

class SettingsStore;

// The mode files used last, newest first, at most ten; kept in the settings store.
class RecentFileList {
 public:
  static constexpr int kMaxEntries = 10;

  explicit RecentFileList(SettingsStore& settings);

  const QStringList& Entries() const { return entries_; }
  // Puts `path` at the top (moving it up when it is already listed).
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store();

  SettingsStore& settings_;
  QStringList entries_;
};

}  // namespace v7
