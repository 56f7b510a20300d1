// Where the channel panel's controls sit, in dialog units, and the colours it paints with.
#pragma once

#include <QColor>
#include <QRect>
#include <array>

#include "params/ParameterImage.h"
#include "ui/dialogs/DialogUnits.h"

namespace v7::panel {

// The panel's own size before the view first lays it out.
inline const QRect kTemplateRect = DluRect(0, 0, 669, 290);

// Page buttons: three places in the top row; the back button at the right end.
inline constexpr int kPageButtonWidthDlu = 142;
inline constexpr int kPageButtonHeightDlu = 38;
inline constexpr std::array<int, 3> kPageButtonXDlu = {2, 145, 288};
inline const QRect kBackButtonRect = DluRect(624, 0, 43, 38);

// The two thin meters under the mic and music buttons, and the accent line one pixel below.
inline const QRect kMicMeterRect = DluRect(26, 38, 108, 3);
inline const QRect kMusicMeterRect = DluRect(163, 38, 108, 3);
inline const int kAccentLineY = kMicMeterRect.y() + kMicMeterRect.height() + 1;

// The four slider rows: caption, slider, value label.
inline constexpr int kRowCount = 4;
inline constexpr std::array<int, kRowCount> kRowYDlu = {50, 74, 98, 122};
inline constexpr std::array<int, kRowCount> kRowLabelYDlu = {51, 75, 99, 122};
inline QRect RowCaptionRect(int row) {
  return DluRect(3, kRowYDlu[row], 60, 10);
}
inline QPoint RowSliderPlace(int row) {
  return DluRect(65, kRowYDlu[row], 87, 14).topLeft();
}
inline QRect RowLabelRect(int row) {
  return DluRect(160, kRowLabelYDlu[row], 29, 9);
}

// The echo preview with its caption and hint.
inline const QRect kEchoCaptionRect = DluRect(193, 43, 44, 10);
inline const QRect kEchoHintRect = DluRect(259, 43, 120, 10);
inline const QRect kEchoPreviewRect = DluRect(193, 54, 188, 84);

// The mic-controlled subwoofer group and its three rows.
inline const QRect kMicSubGroupRect = DluRect(195, 43, 132, 95);
inline constexpr int kMicSubRowCount = 3;
inline constexpr std::array<int, kMicSubRowCount> kMicSubCaptionYDlu = {52, 80, 109};
inline constexpr std::array<int, kMicSubRowCount> kMicSubSliderYDlu = {63, 92, 121};
inline constexpr std::array<int, kMicSubRowCount> kMicSubLabelYDlu = {64, 91, 123};
inline QRect MicSubCaptionRect(int row) {
  return DluRect(207, kMicSubCaptionYDlu[row], 100, 10);
}
inline QPoint MicSubSliderPlace(int row) {
  return DluRect(207, kMicSubSliderYDlu[row], 87, 14).topLeft();
}
inline QRect MicSubLabelRect(int row) {
  return DluRect(297, kMicSubLabelYDlu[row], 24, 11);
}

// The lower part: the band area (filled by the band table and editor) and the EQ graph.
inline const QRect kBandAreaRect = DluRect(1, 140, 173, 149);
inline const QRect kGraphRect = DluRect(178, 141, 489, 147);

inline QColor PanelBackground() {
  return DialogBackground();
}
inline constexpr QRgb kEchoCaptionColour = 0xFFFF0000;

// Each page's accent colour, drawn as the line under the meters.
inline constexpr std::array<QRgb, kPageCount> kAccentColours = {
    0xFFFFC800,  // mic
    0xFF00C8FF,  // music
    0xFFE400FF,  // echo
    0xFF0AD37E,  // main
    0xFF0AFF50,  // centre
    0xFF6177F5,  // subwoofer
};

}  // namespace v7::panel
