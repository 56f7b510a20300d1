#pragma once

#include <functional>
#include <string_view>

namespace v7 {

// Internal progress and failure lines with fixed texts. Each call writes one line on standard
// error when tracing is on (V7_TRACE=1 in the environment, or switched on by the program);
// trailing line breaks of the text are dropped. Safe from any thread.
void Trace(std::string_view text);
void SetTraceEnabled(bool enabled);
bool IsTraceEnabled();

// Tests capture lines here instead of standard error; while a sink is set it receives every
// line whether tracing is on or not. Pass an empty function to remove it.
using TraceSink = std::function<void(std::string_view line)>;
void SetTraceSink(TraceSink sink);

}  // namespace v7
