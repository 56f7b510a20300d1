#include "ui/ribbon/RibbonCommands.h"

#include <algorithm>
#include <cstdlib>

#include "app/Application.h"
#include "app/MainView.h"
#include "controllers/Prompts.h"
#include "protocol/Commands.h"
#include "link/DeviceLink.h"
#include "protocol/Protocol.h"
#include "edit/ParameterAccessors.h"
#include "params/ParameterImage.h"
#include "ui/ribbon/EqCommandTarget.h"
#include "ui/ribbon/ModeManager.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStepSlider.h"
#include "ui/ribbon/RibbonTexts.h"

namespace v7 {

namespace {

namespace Id = RibbonId;
namespace Text = RibbonText;

// The volumes are shown to the user as dB + 80, so 0..85.
constexpr int kDisplayOffset = 80;
// The wheel's angle for one notch, in eighths of a degree.
constexpr int kWheelNotch = 120;

struct VolumeChannel {
  const int* sliders;
  const int* readouts;
  const TextPair& prefix;
  bool (ParameterAccessors::*setVolume)(int);
  int32_t DspParams::*muteField;
  MuteChannel mute;
};

const VolumeChannel& ChannelOf(RibbonCommands::Channel channel) {
  static const VolumeChannel kMic{Id::kMicSlider,      Id::kMicReadout,
                                  Text::kMicPrefix,    &ParameterAccessors::SetMicVolume,
                                  &DspParams::micMute, MuteChannel::kMic};
  static const VolumeChannel kMusic{Id::kMusicSlider,      Id::kMusicReadout,
                                    Text::kMusicPrefix,    &ParameterAccessors::SetMusicVolume,
                                    &DspParams::musicMute, MuteChannel::kMusic};
  return channel == RibbonCommands::Channel::Mic ? kMic : kMusic;
}

bool IsOneOf(int id, const int (&ids)[Id::kTabCount]) {
  return id == ids[0] || id == ids[1];
}

bool IsVolumeTab(const QString& title) {
  for (const TextPair& tab : {Text::kInputTab, Text::kSoundTab}) {
    for (int language = 0; language < 2; ++language) {
      if (title.compare(tab.In(language), Qt::CaseInsensitive) == 0) return true;
    }
  }
  return false;
}

}  // namespace

RibbonCommands::RibbonCommands(Application& app, RibbonBar& bar, ModeManager& modes, QWidget* owner,
                               EqTargetLookup eqTarget)
    : app_(app), bar_(bar), modes_(modes), owner_(owner), eqTarget_(std::move(eqTarget)) {
  if (eqTarget_) return;
  eqTarget_ = [this]() -> EqCommandTarget* {
    const MainView* view = app_.View();
    return view != nullptr ? dynamic_cast<EqCommandTarget*>(view->ChannelPanel()) : nullptr;
  };
}

int RibbonCommands::language() const {
  return app_.uiLanguage;
}

void RibbonCommands::Execute(int id, int /*value*/) {
  if (ExecuteVolumeCommand(id) || ExecuteModeCommand(id)) return;
  switch (id) {
    case Id::kResetMachine:
      ResetMachine();
      return;
    case Id::kRemoteLearning:
      if (app_.IsLinkOpen()) app_.OpenRemoteLearning();
      return;
    case Id::kMicSub:
      if (app_.IsLinkOpen()) app_.OpenMicSubDialog();
      return;
    case Id::kLanguage:
      app_.SwitchLanguage();
      return;
    case Id::kAppAbout:
      app_.ShowAboutBox();
      return;
    case Id::kAppExit:
      if (QWidget* window = owner_ != nullptr ? owner_->window() : nullptr) window->close();
      return;
    case Id::kEqBypass:
      ToggleEqBypass();
      return;
    case Id::kEqReset:
      ResetEq();
      return;
    default:
      return;  // read-outs and captions do nothing
  }
}

bool RibbonCommands::ExecuteVolumeCommand(int id) {
  ParameterAccessors accessors(app_.Image(), app_.Link());
  if (IsOneOf(id, Id::kMicSlider)) {
    OnVolumeSlider(Channel::Mic);
  } else if (IsOneOf(id, Id::kMusicSlider)) {
    OnVolumeSlider(Channel::Music);
  } else if (IsOneOf(id, Id::kMicMute)) {
    accessors.ToggleMute(MuteChannel::kMic);
  } else if (IsOneOf(id, Id::kMusicMute)) {
    accessors.ToggleMute(MuteChannel::kMusic);
  } else if (IsOneOf(id, Id::kFbcCheck)) {
    accessors.ToggleFbc();
  } else {
    return false;
  }
  return true;
}

bool RibbonCommands::ExecuteModeCommand(int id) {
  const auto inModes = [id](int first) { return id >= first && id < first + Id::kModeCount; };
  if (inModes(Id::kLoadModeFirst)) {
    modes_.LoadMachineMode(id - Id::kLoadModeFirst);
  } else if (inModes(Id::kSaveModeFirst)) {
    modes_.SaveMachineMode(id - Id::kSaveModeFirst);
  } else if (inModes(Id::kFactoryModeFirst)) {
    modes_.RecallFactoryMode(id - Id::kFactoryModeFirst);
  } else if (IsOneOf(id, Id::kLoadFile) || id == Id::kFileOpen) {
    modes_.OpenModeFile();
  } else if (IsOneOf(id, Id::kSaveFile) || id == Id::kFileSave) {
    modes_.SaveModeFile();
  } else {
    return false;
  }
  return true;
}

void RibbonCommands::OpenRecentFile(const QString& path) {
  modes_.OpenRecentModeFile(path);
}

// The slider of the tab in front decides; both tabs then show it, and moving the volume
// always un-mutes.
void RibbonCommands::OnVolumeSlider(Channel channel) {
  const VolumeChannel& volume = ChannelOf(channel);
  const int tab = bar_.activeTab() == Id::kSoundTab ? Id::kSoundTab : Id::kInputTab;
  const int position = bar_.sliderPosition(volume.sliders[tab]);
  ShowVolume(channel, position, 0);
  ParameterAccessors accessors(app_.Image(), app_.Link());
  (accessors.*(volume.setVolume))(position);
  if (app_.Image().dsp.*(volume.muteField) == 1) accessors.SetMute(volume.mute, false);
}

void RibbonCommands::ShowVolume(Channel channel, int dB, int trailingSpaces) {
  const VolumeChannel& volume = ChannelOf(channel);
  const int clamped = std::clamp(dB, RibbonLayout::kVolumeMin, RibbonLayout::kVolumeMax);
  const QString text = volume.prefix.In(language()) + QString::number(clamped + kDisplayOffset) +
                       QString(trailingSpaces, u' ');
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    bar_.setSliderPosition(volume.sliders[tab], clamped);
    bar_.setElementText(volume.readouts[tab], text);
  }
}

bool RibbonCommands::HandleWheel(const QPoint& globalPosition, int delta) {
  if (!IsVolumeTab(bar_.activeTabTitle())) return false;
  const int tab = bar_.activeTab();
  const int* sliders = nullptr;
  if (bar_.groupScreenRect(tab, Id::kGroupMicVol).contains(globalPosition)) {
    sliders = Id::kMicSlider;
  } else if (bar_.groupScreenRect(tab, Id::kGroupMusicVol).contains(globalPosition)) {
    sliders = Id::kMusicSlider;
  } else {
    return true;
  }
  const int notches = TakeWheelNotches(delta);
  for (int notch = 0; notch < std::abs(notches); ++notch) StepVolume(sliders, notches > 0 ? 1 : -1);
  return true;
}

// Fine-grained wheels and touchpads report fractions of a notch: only whole notches move the
// volume, and turning back drops what was collected the other way.
int RibbonCommands::TakeWheelNotches(int delta) {
  if ((wheelRemainder_ > 0 && delta < 0) || (wheelRemainder_ < 0 && delta > 0)) wheelRemainder_ = 0;
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= notches * kWheelNotch;
  return notches;
}

// Both sliders take the new position before either issues its command: the handler reads the
// slider of the tab in front, so it sends the new volume both times, never the old one.
void RibbonCommands::StepVolume(const int* sliders, int step) {
  const int position = bar_.sliderPosition(sliders[Id::kInputTab]) + step;
  for (int each = 0; each < Id::kTabCount; ++each) bar_.setSliderPosition(sliders[each], position);
  for (int each = 0; each < Id::kTabCount; ++each) {
    if (RibbonStepSlider* slider = bar_.slider(sliders[each])) slider->issueCommand();
  }
}

void RibbonCommands::ResetMachine() {
  if (!app_.IsLinkOpen()) return;
  if (!app_.Prompt().AskYesNo(owner_, QString::fromUtf8(Text::kHintCaption),
                              Text::kResetQuestion.In(language()))) {
    return;
  }
  SendCommand(app_.Link(), kCmdReset, {kResetMagic});
  app_.ShowInfo(Text::kRestarting.In(language()), Text::kRestartingMs);
}

EqCommandTarget* RibbonCommands::EqTarget() const {
  return eqTarget_();
}

void RibbonCommands::ToggleEqBypass() {
  if (EqCommandTarget* panel = EqTarget()) panel->ToggleBypass();
}

void RibbonCommands::ResetEq() {
  EqCommandTarget* panel = EqTarget();
  if (panel == nullptr) return;
  if (!app_.Prompt().AskYesNo(owner_, QString::fromUtf8(Text::kHintCaption),
                              Text::kResetEqQuestion.In(language()))) {
    return;
  }
  panel->ResetCurrentEq();
  panel->LoadBands();
}

}  // namespace v7
