#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

#include "link/Clock.h"

namespace v7 {

// Options given before the command.
struct GlobalOptions {
  bool simulate = false;
  std::string simModel;  // empty: the simulated machine's own name
  int simLatencyMs = 1;
  bool simSilent = false;  // the simulated machine takes requests but never answers
  bool trace = false;
};

// Standard error as several threads share it: the reader thread prints received reports while
// the main thread prints sent ones and messages, one whole line at a time.
class ErrorLines {
 public:
  explicit ErrorLines(std::ostream& stream) : stream_(stream) {}
  void Line(std::string_view text) {
    std::lock_guard lock(mutex_);
    stream_ << text << '\n' << std::flush;
  }
  // Text that already ends in a line break.
  void Text(std::string_view text) {
    std::lock_guard lock(mutex_);
    stream_ << text << std::flush;
  }
  // "v7ctl: " and the text.
  void Error(std::string_view text);

 private:
  std::mutex mutex_;
  std::ostream& stream_;
};

// What every command is given.
struct CliContext {
  GlobalOptions options;
  std::ostream& out;
  ErrorLines& err;
  Clock& clock;  // the sequences' pauses and the level polling interval
};

// Prints the command's usage line on standard error; returns kExitUsage.
int PrintUsage(CliContext& context, std::string_view command);
// "v7ctl: cannot <action> <path>: <system reason>"; returns kExitFailure.
int PrintFileError(CliContext& context, std::string_view action, const std::string& path,
                   int errorCode);

}  // namespace v7
