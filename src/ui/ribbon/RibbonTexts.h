// The texts of the ribbon's tabs, groups, read-outs and captions and of the status bar's panes, as
// Chinese/English pairs. The commands' own texts are those of their actions.
#pragma once

#include "i18n/TextPair.h"

namespace v7::RibbonText {

// Tabs and groups.
constexpr TextPair kInputTab{"输入控制", "Input"};
constexpr TextPair kSoundTab{"音箱调节", "Sound"};
constexpr TextPair kMicVolGroup{"话筒音量", "Mic Vol"};
constexpr TextPair kMusicVolGroup{"音乐音量", "Music Vol"};
constexpr TextPair kLoadModeGroup{"载入机器模式", "Load Mode"};
constexpr TextPair kSaveModeGroup{"保存机器模式", "Save Mode"};
constexpr TextPair kDefaultModeGroup{"出厂机器模式", "Default Mode"};
// The fifth group's title after a language switch.
constexpr TextPair kResetModeGroup{"复位机器模式", "Reset Mode"};

// Group elements. The spaces reserve the width of the read-outs and captions.
constexpr TextPair kMicPrefix{"话筒音量:", "Mic Vol:"};
constexpr TextPair kMusicPrefix{"音乐音量:", "Music Vol:"};
constexpr int kMicReadoutBuildSpaces = 16;
constexpr int kMusicReadoutBuildSpaces = 17;
constexpr int kMicReadoutSwitchSpaces = 3;
constexpr int kMusicReadoutSwitchSpaces = 5;
constexpr int kBuildVolume = 80;
constexpr TextPair kFbcCaption{"反馈抑制开关", "FBC SW"};
constexpr int kFbcCaptionSpaces = 5;
constexpr TextPair kFbcCaptionSwitched{"反馈抑制开关", "FBC SW     "};

// What the volume sliders are called and what the captions mean.
constexpr TextPair kMicVolumeName{"话筒音量", "Mic volume"};
constexpr TextPair kMusicVolumeName{"音乐音量", "Music volume"};
constexpr TextPair kMicVolumeTip{"调节话筒音量", "Set the microphone volume"};
constexpr TextPair kMusicVolumeTip{"调节音乐音量", "Set the music volume"};
constexpr TextPair kFbcCaptionTip{"反馈抑制 (FBC): 抑制话筒啸叫",
                                  "FBC: feedback suppression, which stops microphone howling"};

// Application menu.
constexpr TextPair kRecentTitle{"最近的文档", "Last documents"};

// Status bar.
constexpr const char* kDeviceStatusBuild = "设备状态:未连接";
constexpr int kDeviceStatusBuildSpaces = 111;
constexpr const char* kModeBuild = "当前模式：模式一";
constexpr int kModeBuildSpaces = 19;
constexpr int kPaneWidthSpaces = 58;
constexpr TextPair kConnected{"设备状态：已连接", "Device status:Connected"};
constexpr TextPair kDisconnected{"设备状态：未连接", "Device status:Disconnected"};
constexpr TextPair kCurrentMode{"当前模式:%1", "Current Mode:%1"};
constexpr TextPair kModeNames[4] = {
    {"模式一", "Mode1"}, {"模式二", "Mode2"}, {"模式三", "Mode3"}, {"模式四", "Mode4"}};

}  // namespace v7::RibbonText
