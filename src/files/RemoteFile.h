#pragma once

#include <string>

#include "files/FileErrorObserver.h"
#include "params/ParameterImage.h"

namespace v7 {

// The ".remo" remote file: exactly the 16 bytes of the remote key table. Both functions
// force the chosen path's extension to "remo" first (keys.txt becomes keys.remo).

// Writes atomically; on failure the observer hears the writer's message.
bool WriteRemoteFile(const RemoteKeyTable& table, const std::string& chosenPath,
                     FileErrorObserver& observer);

// A short file replaces only the bytes it has; the rest of the table keeps its values. A file
// that cannot be opened, or is not a regular file, changes nothing and the observer hears why.
bool ReadRemoteFile(RemoteKeyTable& table, const std::string& chosenPath,
                    FileErrorObserver& observer);

}  // namespace v7
