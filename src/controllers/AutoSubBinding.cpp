#include "controllers/AutoSubBinding.h"

#include <algorithm>

#include "edit/ParameterAccessors.h"
#include "i18n/TextPair.h"

namespace v7 {

namespace {

constexpr std::array<AutoSubControlInfo, kAutoSubControlCount> kControls = {{
    {AutoSubControl::RestoreTime, 1000, 1127, 0, 255, kAutoSubRestoreTime},
    {AutoSubControl::Ratio, 1001, 1128, 0, 99, kAutoSubRatio},
    {AutoSubControl::Sensitivity, 1002, 1129, 20, 60, kAutoSubSensitivity},
}};

constexpr TextPair kOff{"关闭", "OFF"};
// The restore time is kept in tenths of a second.
constexpr double kRestoreTimeUnitSeconds = 0.1;

uint8_t StoredByte(const AutoSubParams& bytes, AutoSubControl control) {
  return bytes[static_cast<size_t>(AutoSubControlOf(control).byte)];
}

}  // namespace

const std::array<AutoSubControlInfo, kAutoSubControlCount>& AutoSubControls() {
  return kControls;
}

const AutoSubControlInfo& AutoSubControlOf(AutoSubControl control) {
  return kControls[static_cast<size_t>(control)];
}

std::optional<AutoSubControl> AutoSubControlForSlider(int sliderId) {
  for (const AutoSubControlInfo& info : kControls)
    if (info.sliderId == sliderId) return info.control;
  return std::nullopt;
}

int AutoSubSliderPosition(const AutoSubParams& bytes, AutoSubControl control) {
  const AutoSubControlInfo& info = AutoSubControlOf(control);
  return std::clamp(static_cast<int>(StoredByte(bytes, control)), info.minimum, info.maximum);
}

QString AutoSubLabelText(const AutoSubParams& bytes, AutoSubControl control, Language language) {
  const uint8_t restoreTime = bytes[kAutoSubRestoreTime];
  if (restoreTime == 0) return kOff.In(language);
  const int value = StoredByte(bytes, control);
  switch (control) {
    case AutoSubControl::RestoreTime:
      return QString::asprintf("%2.1f s", value * kRestoreTimeUnitSeconds);
    case AutoSubControl::Ratio:
      return QString::asprintf("%d%%", value);
    case AutoSubControl::Sensitivity:
      break;
  }
  return QString::number(value);
}

void LoadAutoSubSliders(const AutoSubParams& bytes, Language language, AutoSubView& view) {
  for (const AutoSubControlInfo& info : kControls)
    view.SetAutoSubSlider(info.control, AutoSubSliderPosition(bytes, info.control));
  UpdateAutoSubLabels(bytes, language, view);
}

void UpdateAutoSubLabels(const AutoSubParams& bytes, Language language, AutoSubView& view) {
  for (const AutoSubControlInfo& info : kControls)
    view.SetAutoSubLabel(info.control, AutoSubLabelText(bytes, info.control, language));
}

bool MoveAutoSubSlider(ParameterAccessors& accessors, AutoSubControl control, int position) {
  const AutoSubControlInfo& info = AutoSubControlOf(control);
  AutoSubParams bytes = accessors.Image().autoSub;
  bytes[static_cast<size_t>(info.byte)] =
      static_cast<uint8_t>(std::clamp(position, info.minimum, info.maximum));
  return accessors.SetAutoSub(bytes[kAutoSubRestoreTime], bytes[kAutoSubRatio],
                              bytes[kAutoSubSensitivity]);
}

}  // namespace v7
