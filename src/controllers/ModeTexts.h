// Questions and notices of the mode commands, as Chinese/English pairs.
#pragma once

#include "i18n/TextPair.h"

namespace v7::ModeText {

constexpr TextPair kInfoCaption{"信息", "Information"};
constexpr TextPair kLoadDirtyQuestion{"参数已更改，确定要直接载入模式",
                                      "Setting changed ! Are you sure load mode"};
constexpr TextPair kLoadDirtyModes[4] = {
    {"一?", "1?"}, {"二?", "2?"}, {"三?", "3?"}, {"四?", "4?"}};
constexpr TextPair kFactoryDirtyQuestion{"参数已更改，确定要恢复出厂模式",
                                         "Setting changed ! Are you sure restore factory mode"};
constexpr TextPair kSaveQuestion{"确定保存至机器?", "Are you sure save?"};
constexpr TextPair kSavingMode{"正在储存模式%1,请稍等", "Saving Mode %1 ……"};
constexpr TextPair kSavingModeNames[4] = {{"一", "1"}, {"二", "2"}, {"三", "3"}, {"四", "4"}};
constexpr int kSavingModeMs = 2500;
// The confirmation of a saved file, with its name.
constexpr TextPair kFileSaved{"已保存 %1", "Saved %1"};
constexpr int kFileSavedMs = 2500;
constexpr TextPair kConnectFirst{"请先连接设备!", "Please connect device!"};
constexpr int kConnectFirstMs = 1100;
// A recent entry whose file is gone; told in Chinese in both languages.
constexpr char kFileMissing[] = "文件不存在！";
constexpr char kFileMissingCaption[] = "文件打开错误";
// The extension of mode files, which the save dialog also adds, and the name it proposes.
constexpr char kModeFileExtension[] = "V7M";
constexpr char kProposedName[] = "name";

}  // namespace v7::ModeText
