// The mic-controlled subwoofer's three sliders and their value labels, shared by the channel
// panel's subwoofer page and the mic-sub dialog: where each slider stands for the image's
// bytes, what its label says, and what a slider move stores and sends. No widgets: a window
// shows the values through AutoSubView.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "i18n/Language.h"
#include "params/ParameterImage.h"

namespace v7 {

class ParameterAccessors;

enum class AutoSubControl { RestoreTime = 0, Ratio = 1, Sensitivity = 2 };
inline constexpr int kAutoSubControlCount = 3;

// One slider with its label: the identifiers both windows give them, the slider's range and
// the byte of the image's autoSub block it edits.
struct AutoSubControlInfo {
  AutoSubControl control;
  int sliderId;
  int labelId;
  int minimum;
  int maximum;
  AutoSubByte byte;
};
const std::array<AutoSubControlInfo, kAutoSubControlCount>& AutoSubControls();
const AutoSubControlInfo& AutoSubControlOf(AutoSubControl control);
// The control whose slider has this identifier, if any.
std::optional<AutoSubControl> AutoSubControlForSlider(int sliderId);

// Where the slider stands for the stored byte: the byte limited to the slider's range.
int AutoSubSliderPosition(const AutoSubParams& bytes, AutoSubControl control);
// The label shows the stored byte, even outside the slider's range; a restore time of 0
// switches the feature off and every label says so.
QString AutoSubLabelText(const AutoSubParams& bytes, AutoSubControl control, Language language);

// What a window that shows the three sliders offers.
class AutoSubView {
 public:
  virtual void SetAutoSubSlider(AutoSubControl control, int position) = 0;
  virtual void SetAutoSubLabel(AutoSubControl control, const QString& text) = 0;

 protected:
  ~AutoSubView() = default;
};

// Every slider from the image, then the labels.
void LoadAutoSubSliders(const AutoSubParams& bytes, Language language, AutoSubView& view);
void UpdateAutoSubLabels(const AutoSubParams& bytes, Language language, AutoSubView& view);

// A slider moved to `position` (limited to its range): its byte is stored and all three are
// sent (command 32). True when the report went out.
bool MoveAutoSubSlider(ParameterAccessors& accessors, AutoSubControl control, int position);

}  // namespace v7
