#pragma once

#include <string>
#include <string_view>

namespace v7 {

// The machine mode (0..3) that a mode file's name designates, or -1 for none. The name part
// before the first ".V7M" (exact case) is lower-cased and tested against the prefixes of the
// four modes; folders are ignored. "M2 party.V7M" gives 1, "m10.V7M" 0, "mode1.V7M" -1.
int DesignatedModeOfFileName(std::string_view path);

// The path with its file name's extension replaced by "remo" (added when there is none).
// Only the file name is examined, so a dot in a folder name is left alone.
std::string WithRemoteExtension(std::string_view path);

}  // namespace v7
