#pragma once

namespace v7 {

// The file dialogs of the save questions (on close and after a removal).
inline constexpr char kModeFileFilter[] = "Mode Files (*.V7M)|*.V7M|";
inline constexpr char kModeFileSuffix[] = "*.V7M";
inline constexpr char kModeFileProposedName[] = "preset";

}  // namespace v7
