#include "controllers/RecentFileList.h"

#include "controllers/SettingsStore.h"

namespace v7 {

RecentFileList::RecentFileList(SettingsStore& settings)
    : settings_(settings), entries_(settings.RecentFiles().mid(0, kMaxEntries)) {}

void RecentFileList::Add(const QString& path) {
  if (path.isEmpty()) return;
  entries_.removeAll(path);
  entries_.prepend(path);
  while (entries_.size() > kMaxEntries) entries_.removeLast();
  Store();
}

void RecentFileList::Remove(const QString& path) {
  if (entries_.removeAll(path) > 0) Store();
}

void RecentFileList::Store() {
  settings_.SetRecentFiles(entries_);
}

}  // namespace v7
