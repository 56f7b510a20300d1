// The texts the channel panel writes itself; the language tables hold the rest (dialog 313).
#pragma once

#include <array>

#include "i18n/TextPair.h"
#include "params/ParameterImage.h"
#include "ui/panels/ChannelPanelLayout.h"

namespace v7::panel {

inline constexpr int kDialogId = 313;

// The captions of the four slider rows on each page; an empty pair clears the caption.
inline constexpr TextPair kNoCaption{"", ""};
inline constexpr TextPair kEchoVolumeCaption{"回声音量", "Echo Vol"};
inline constexpr TextPair kEchoRatioCaption{"回声比例", "Echo ratio"};
inline constexpr TextPair kEchoTimeCaption{"回声间隔", "Echo time"};
using RowCaptions = std::array<TextPair, kRowCount>;
inline constexpr std::array<RowCaptions, kPageCount> kRowCaptions = {
    RowCaptions{
        kEchoVolumeCaption, kEchoRatioCaption, kEchoTimeCaption, {"话筒噪声门", "Noisegate"}},
    RowCaptions{
        kEchoVolumeCaption, kEchoRatioCaption, kEchoTimeCaption, {"音乐噪声门", "Noisegate"}},
    RowCaptions{kEchoVolumeCaption, kEchoRatioCaption, kEchoTimeCaption, kNoCaption},
    RowCaptions{{{"主输出音量", "Main Vol"},
                 {"主输出话筒音量", "Main Mic"},
                 {"主输出音乐音量", "Main Music"},
                 kNoCaption}},
    RowCaptions{{{"中置总音量", "CEN Vol"},
                 {"中置话筒音量", "CEN Mic"},
                 {"中置音乐音量", "Cen Music"},
                 kNoCaption}},
    RowCaptions{{{"超低总音量", "SUB Vol"},
                 {"超低话筒音量", "SUB Mic"},
                 {"超低音乐音量", "SUB Music"},
                 kNoCaption}},
};

// Names of the pages, for the page buttons' screen-reader names and tooltips.
inline constexpr std::array<TextPair, kPageCount> kPageNames = {{
    {"话筒", "Mic"},
    {"音乐", "Music"},
    {"回声", "Echo"},
    {"主输出", "Main output"},
    {"中置输出", "Centre output"},
    {"超低输出", "Subwoofer output"},
}};
inline constexpr TextPair kPageButtonTip{"显示%1页", "Show the %1 page"};
inline constexpr TextPair kBackName{"返回话筒页", "Back to the mic page"};

inline constexpr std::array<TextPair, 2> kMeterNames = {{
    {"话筒电平", "Mic level"},
    {"音乐电平", "Music level"},
}};

// The texts the controls start with; the language tables replace them.
inline constexpr char kEchoHintTemplate[] = "点击下面方框进入回声均衡调节";
inline constexpr char kMicSubGroupTemplate[] = "话筒控超低";
inline constexpr char kMicSubCaptionTemplate[] = "超低比例";

inline constexpr TextPair kEchoPreviewName{"回声均衡", "Echo EQ"};
inline constexpr TextPair kEchoPreviewTip{"点击进入回声均衡调节", "Click to open the echo EQ page"};
inline constexpr TextPair kGraphName{"均衡曲线", "EQ curve"};
inline constexpr TextPair kSliderTip{"%1：用方向键或滚轮微调",
                                     "%1: fine-tune with the arrow keys or the wheel"};

}  // namespace v7::panel
