// Identifiers of the ribbon's, the application menu's and the status bar's elements, carried as
// their "controlId" property. Where two are given, the first is on the first tab.
#pragma once

namespace v7::RibbonId {

// Application menu.
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kAppExit = 57665;
constexpr int kMicSub = 32883;

// Right end of the tab row.
constexpr int kResetMachine = 32811;
constexpr int kRemoteLearning = 32812;
constexpr int kLanguage = 32805;
constexpr int kAppAbout = 57664;

// Mic Vol group.
constexpr int kMicReadout[2] = {32832, 32857};
constexpr int kMicSlider[2] = {32829, 32858};
constexpr int kMicMute[2] = {32847, 32859};
constexpr int kFbcCaption[2] = {32891, 32892};
constexpr int kFbcBlank[2] = {32893, 32894};
constexpr int kFbcCheck[2] = {32889, 32890};

// Music Vol group.
constexpr int kMusicReadout[2] = {32834, 32866};
constexpr int kMusicSlider[2] = {32831, 32867};
constexpr int kMusicMute[2] = {32848, 32862};

// Mode groups: M1..M4 carry the same identifiers on both tabs.
constexpr int kLoadModeFirst = 32815;
constexpr int kSaveModeFirst = 32819;
constexpr int kFactoryModeFirst = 32823;
constexpr int kModeCount = 4;
constexpr int kLoadFile[2] = {32827, 32881};
constexpr int kSaveFile[2] = {32828, 32882};

// Status bar.
constexpr int kDeviceStatusPane = 120;
constexpr int kModePane = 121;
constexpr int kEqBypass = 1121;
constexpr int kEqReset = 1122;

// Group order on each tab.
enum Group { kGroupMicVol, kGroupMusicVol, kGroupLoadMode, kGroupSaveMode, kGroupFactoryMode };
constexpr int kGroupCount = 5;
constexpr int kTabCount = 2;
constexpr int kInputTab = 0;
constexpr int kSoundTab = 1;

}  // namespace v7::RibbonId
