#include "protocol/Trace.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace v7 {
namespace {

bool TraceRequestedByEnvironment() {
  const char* value = std::getenv("V7_TRACE");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

std::atomic<bool>& EnabledFlag() {
  static std::atomic<bool> enabled{TraceRequestedByEnvironment()};
  return enabled;
}

std::mutex& OutputMutex() {
  static std::mutex mutex;
  return mutex;
}

TraceSink& Sink() {
  static TraceSink sink;
  return sink;
}

std::string_view WithoutTrailingBreaks(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

void Trace(std::string_view text) {
  const std::string_view line = WithoutTrailingBreaks(text);
  std::lock_guard lock(OutputMutex());
  if (Sink()) {
    Sink()(line);
  } else if (EnabledFlag()) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  }
}

void SetTraceEnabled(bool enabled) {
  EnabledFlag() = enabled;
}

bool IsTraceEnabled() {
  return EnabledFlag();
}

void SetTraceSink(TraceSink sink) {
  std::lock_guard lock(OutputMutex());
  Sink() = std::move(sink);
}

}  // namespace v7
