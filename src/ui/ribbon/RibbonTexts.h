// Every text the ribbon, the status bar and the mode commands compose, as Chinese/English pairs
// picked with the interface language (0 Chinese, 1 English).
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
constexpr TextPair kFbcCheck{"启用反馈抑制", "FBC ON"};
constexpr int kFbcCheckSpaces = 3;
constexpr TextPair kFbcCheckSwitched{"启用反馈抑制", "FBC ON   "};
constexpr TextPair kMute{"静音", "Mute"};
constexpr TextPair kLoad{"载入", "Load"};
constexpr TextPair kSave{"保存", "Save"};
constexpr const char* kModeButtons[4] = {"M1", "M2", "M3", "M4"};

// Tab row and application menu.
constexpr TextPair kResetMachine{"机器复位", "Reset"};
constexpr TextPair kRemoteLearning{"遥控学习", "Remote control"};
constexpr const char* kLanguage = "中/EN";
constexpr const char* kMenuOpen = "打开(&O)...";
constexpr const char* kMenuSave = "保存(&S)";
constexpr const char* kMenuExit = "退出(&X)";
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
constexpr TextPair kBypass{"均衡绕过", "Bypass"};
constexpr TextPair kResetEq{"重置均衡", "Reset EQ"};

// Questions and notices of the ribbon commands.
constexpr const char* kHintCaption = "提示";
constexpr TextPair kResetQuestion{"您确定要将机器复位吗? \n机器复位后将自动重新启动并连接.",
                                  "Are you sure to reset machine? "};
constexpr TextPair kRestarting{"机器正在重启……", "Restarting……"};
constexpr int kRestartingMs = 8000;
constexpr TextPair kResetEqQuestion{"您确定重置当前均衡吗?", "Are you sure to reset the eq?"};

// Mode management.
constexpr TextPair kInfoCaption{"信息", "Information"};
constexpr TextPair kLoadDirtyQuestion{"参数已更改，确定要直接载入模式",
                                      "Setting changed ! Are you sure load mode"};
constexpr TextPair kLoadDirtyModes[4] = {
    {"一?", "1?"}, {"二?", "2?"}, {"三?", "3?"}, {"四?", "4?"}};
constexpr TextPair kSaveQuestion{"确定保存至机器?", "Are you sure save?"};
constexpr TextPair kSavingMode{"正在储存模式%1,请稍等", "Saving Mode %1 ……"};
constexpr TextPair kSavingModeNames[4] = {{"一", "1"}, {"二", "2"}, {"三", "3"}, {"四", "4"}};
constexpr int kSavingModeMs = 2500;
constexpr TextPair kConnectFirst{"请先连接设备!", "Please connect device!"};
constexpr int kConnectFirstMs = 1100;
constexpr const char* kFileMissing = "文件不存在！";
constexpr const char* kFileMissingCaption = "文件打开错误";
constexpr const char* kModeFileFilter = "Mode Files (*.V7M)";
constexpr const char* kModeFileSuffix = "V7M";
constexpr const char* kModeFileProposedName = "name";

}  // namespace v7::RibbonText
