#pragma once

#include <string_view>

namespace v7 {

// The model this program is made for.
inline constexpr char kExpectedModel[] = "V7";

// The read sequence goes on past the identity requests only for exactly "V7".
bool IsExpectedModelExact(std::string_view modelName);
// The check after a synchronisation ignores letter case, so "v7" passes it even though the
// read sequence stopped early for it.
bool IsSupportedModel(std::string_view modelName);

}  // namespace v7
