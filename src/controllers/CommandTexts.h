// Texts of the commands: what their elements show, their status tips, and the questions and
// notices the commands raise, as Chinese/English pairs.
#pragma once

#include "i18n/TextPair.h"

namespace v7::CommandText {

// Application menu. The letters after '&' are the entries' mnemonics in both languages.
constexpr TextPair kOpenFile{"打开(&O)...", "&Open..."};
constexpr TextPair kSaveFile{"保存(&S)", "&Save"};
constexpr TextPair kExit{"退出(&X)", "E&xit"};
// The About button shows only its picture.
constexpr TextPair kAbout{"", ""};

// Right end of the tab row.
constexpr TextPair kResetMachine{"机器复位", "Reset"};
constexpr TextPair kRemoteLearning{"遥控学习", "Remote control"};
constexpr TextPair kSwitchLanguage{"中/EN", "中/EN"};
constexpr TextPair kMicSub{"话筒控制超低音", "Mic Sub"};

// Groups. The check box's trailing spaces reserve its width when the ribbon is built; a language
// switch writes the shorter text.
constexpr TextPair kMute{"静音", "Mute"};
constexpr TextPair kFbcOnBuilt{"启用反馈抑制   ", "FBC ON   "};
constexpr TextPair kFbcOnSwitched{"启用反馈抑制", "FBC ON   "};
constexpr TextPair kLoadFile{"载入", "Load"};
constexpr TextPair kStoreFile{"保存", "Save"};
constexpr TextPair kModeButtons[4] = {{"M1", "M1"}, {"M2", "M2"}, {"M3", "M3"}, {"M4", "M4"}};

// Status bar: built in Chinese, shown in the interface language from the first idle update on.
constexpr TextPair kBypass{"均衡绕过", "Bypass"};
constexpr TextPair kResetEq{"重置均衡", "Reset EQ"};

// Status tips and tooltips.
constexpr TextPair kOpenFileTip{"打开模式文件并写入机器",
                                "Open a mode file and write it to the machine"};
constexpr TextPair kSaveFileTip{"将当前参数保存为模式文件", "Save the parameters in a mode file"};
constexpr TextPair kExitTip{"关闭程序", "Close the program"};
constexpr TextPair kAboutTip{"关于本程序和机器", "About the program and the machine"};
constexpr TextPair kResetMachineTip{"复位并重新启动机器", "Reset and restart the machine"};
constexpr TextPair kRemoteLearningTip{"学习遥控器的按键", "Learn the keys of a remote control"};
constexpr TextPair kSwitchLanguageTip{"切换中文或英文界面", "Switch between Chinese and English"};
constexpr TextPair kMicSubTip{"话筒控制超低音设置", "Mic-controlled subwoofer settings"};
constexpr TextPair kMicMuteTip{"话筒静音开关", "Mute or unmute the microphones"};
constexpr TextPair kMusicMuteTip{"音乐静音开关", "Mute or unmute the music"};
constexpr TextPair kFbcTip{"启用或关闭反馈抑制", "Switch feedback suppression on or off"};
constexpr TextPair kLoadModeTip{"载入机器模式%1", "Load machine mode %1"};
constexpr TextPair kSaveModeTip{"将当前参数保存至机器模式%1",
                                "Save the parameters in machine mode %1"};
constexpr TextPair kFactoryModeTip{"恢复机器模式%1的出厂设置",
                                   "Restore the factory settings of machine mode %1"};
// What a screen reader calls elements whose text alone says too little: the two mute boxes, and
// the mode buttons, which show only "M1".."M4".
constexpr TextPair kMicMuteName{"话筒静音", "Mute microphones"};
constexpr TextPair kMusicMuteName{"音乐静音", "Mute music"};
constexpr TextPair kLoadModeName{"载入机器模式 M%1", "Load mode M%1"};
constexpr TextPair kSaveModeName{"保存机器模式 M%1", "Save mode M%1"};
constexpr TextPair kFactoryModeName{"出厂机器模式 M%1", "Default mode M%1"};
constexpr TextPair kBypassTip{"绕过当前页的均衡", "Bypass the EQ of the current page"};
constexpr TextPair kResetEqTip{"重置当前页的均衡", "Reset the EQ of the current page"};

// Questions and notices.
// The caption of both questions, in Chinese in both languages.
constexpr char kHintCaption[] = "提示";
constexpr TextPair kResetQuestion{"您确定要将机器复位吗? \n机器复位后将自动重新启动并连接.",
                                  "Are you sure to reset machine? "};
constexpr TextPair kRestarting{"机器正在重启……", "Restarting……"};
constexpr int kRestartingMs = 8000;
constexpr TextPair kResetEqQuestion{"您确定重置当前均衡吗?", "Are you sure to reset the eq?"};

}  // namespace v7::CommandText
