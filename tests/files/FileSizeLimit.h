#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace v7::testing_support {

// While alive, files of this process cannot grow past the limit, so a write fails halfway
// with EFBIG. Unlike permission bits this also binds root, which the tests may run as.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    struct rlimit small = saved_;
    small.rlim_cur = bytes;
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  sighandler_t oldHandler_ = SIG_DFL;
};

}  // namespace v7::testing_support
