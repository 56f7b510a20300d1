#pragma once

#include <mutex>
#include <vector>

#include "params/ParameterImage.h"
#include "sync/SyncWorker.h"

namespace v7::testing_support {

// Stands in for the view: records each finished sequence, how it ended and whether
// syncComplete was still clear when it was told.
struct CompletionProbe {
  SyncCompletion Callback(const ParameterImage& image) {
    return [this, &image](SyncKind kind, SyncResult result) {
      std::lock_guard lock(mutex);
      kinds.push_back(kind);
      results.push_back(result);
      flagAtCompletion = image.syncComplete.load();
    };
  }
  std::mutex mutex;
  std::vector<SyncKind> kinds;
  std::vector<SyncResult> results;
  bool flagAtCompletion = true;
};

}  // namespace v7::testing_support
