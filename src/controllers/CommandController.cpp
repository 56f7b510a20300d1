#include "controllers/CommandController.h"

#include <QAction>
#include <utility>

#include "controllers/CommandActions.h"
#include "controllers/CommandTexts.h"
#include "controllers/EqCommandTarget.h"
#include "controllers/ModeController.h"
#include "controllers/Prompts.h"
#include "controllers/ShellOperations.h"
#include "edit/ParameterAccessors.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {

namespace {

namespace Texts = CommandText;
// protocol/Commands.h has a Command of its own.
using Cmd = CommandActions::Command;
using ModeCommand = CommandActions::ModeCommand;

struct VolumeChannel {
  bool (ParameterAccessors::*setVolume)(int);
  int32_t DspParams::*muteField;
  MuteChannel mute;
};

const VolumeChannel& ChannelOf(CommandController::Channel channel) {
  static const VolumeChannel kMic{&ParameterAccessors::SetMicVolume, &DspParams::micMute,
                                  MuteChannel::kMic};
  static const VolumeChannel kMusic{&ParameterAccessors::SetMusicVolume, &DspParams::musicMute,
                                    MuteChannel::kMusic};
  return channel == CommandController::Channel::Mic ? kMic : kMusic;
}

}  // namespace

CommandController::CommandController(ShellOperations& shell, CommandActions& actions,
                                     ModeController& modes, QWidget* owner, EqTargetLookup eqTarget,
                                     QObject* parent)
    : QObject(parent),
      shell_(shell),
      actions_(actions),
      modes_(modes),
      owner_(owner),
      eqTarget_(std::move(eqTarget)) {
  ConnectCommands();
  ConnectModeCommands();
}

QString CommandController::Text(const TextPair& pair) const {
  return pair.In(shell_.InterfaceLanguage());
}

void CommandController::Connect(QAction* action, const std::function<void()>& run) {
  connect(action, &QAction::triggered, this, [this, run] {
    run();
    emit CommandDone();
  });
}

void CommandController::ConnectCommands() {
  const auto accessors = [this] { return ParameterAccessors(shell_.Image(), shell_.Link()); };
  const auto whileLinked = [this](std::function<void()> open) {
    return [this, open = std::move(open)] {
      if (shell_.IsLinkOpen()) open();
    };
  };
  Connect(actions_.Action(Cmd::OpenFile), [this] { modes_.OpenModeFile(); });
  Connect(actions_.Action(Cmd::LoadFile), [this] { modes_.OpenModeFile(); });
  Connect(actions_.Action(Cmd::SaveFile), [this] { modes_.SaveModeFile(); });
  Connect(actions_.Action(Cmd::StoreFile), [this] { modes_.SaveModeFile(); });
  Connect(actions_.Action(Cmd::Exit), [this] { emit CloseRequested(); });
  Connect(actions_.Action(Cmd::About), [this] { shell_.ShowAboutBox(); });
  Connect(actions_.Action(Cmd::ResetMachine), [this] { ResetMachine(); });
  Connect(actions_.Action(Cmd::RemoteLearning),
          whileLinked([this] { shell_.OpenRemoteLearning(); }));
  Connect(actions_.Action(Cmd::MicSub), whileLinked([this] { shell_.OpenMicSubDialog(); }));
  Connect(actions_.Action(Cmd::SwitchLanguage), [this] { shell_.SwitchLanguage(); });
  Connect(actions_.Action(Cmd::MicMute),
          [accessors] { accessors().ToggleMute(MuteChannel::kMic); });
  Connect(actions_.Action(Cmd::MusicMute),
          [accessors] { accessors().ToggleMute(MuteChannel::kMusic); });
  Connect(actions_.Action(Cmd::Fbc), [accessors] { accessors().ToggleFbc(); });
  Connect(actions_.Action(Cmd::EqBypass), [this] { ToggleEqBypass(); });
  Connect(actions_.Action(Cmd::EqReset), [this] { ResetEq(); });
}

void CommandController::ConnectModeCommands() {
  for (int mode = 0; mode < CommandActions::kModeCount; ++mode) {
    Connect(actions_.ModeAction(ModeCommand::Load, mode),
            [this, mode] { modes_.LoadMachineMode(mode); });
    Connect(actions_.ModeAction(ModeCommand::Save, mode),
            [this, mode] { modes_.SaveMachineMode(mode); });
    Connect(actions_.ModeAction(ModeCommand::Factory, mode),
            [this, mode] { modes_.RecallFactoryMode(mode); });
  }
}

// Moving the volume always un-mutes.
void CommandController::ChangeVolume(Channel channel, int dB) {
  const VolumeChannel& volume = ChannelOf(channel);
  ParameterAccessors accessors(shell_.Image(), shell_.Link());
  (accessors.*(volume.setVolume))(dB);
  if (shell_.Image().dsp.*(volume.muteField) == 1) accessors.SetMute(volume.mute, false);
  emit CommandDone();
}

void CommandController::UpdateActionStates() {
  const DspParams& dsp = shell_.Image().dsp;
  actions_.Action(Cmd::MicMute)->setChecked(dsp.micMute == 1);
  actions_.Action(Cmd::MusicMute)->setChecked(dsp.musicMute == 1);
  actions_.Action(Cmd::Fbc)->setChecked(dsp.fbcBypass == 0);
  actions_.Action(Cmd::MicSub)->setEnabled(shell_.IsLinkOpen());

  EqCommandTarget* panel = EqTarget();
  QAction* bypass = actions_.Action(Cmd::EqBypass);
  bypass->setEnabled(panel != nullptr);
  bypass->setChecked(panel != nullptr && panel->BypassState() == 1);
  actions_.Action(Cmd::EqReset)->setEnabled(panel != nullptr);
  actions_.ApplyStatusBarLanguage(shell_.InterfaceLanguage());
}

EqCommandTarget* CommandController::EqTarget() const {
  return eqTarget_ ? eqTarget_() : nullptr;
}

void CommandController::ResetMachine() {
  if (!shell_.IsLinkOpen()) return;
  if (!shell_.Prompt().AskYesNoDefaultNo(owner_, QString::fromUtf8(Texts::kHintCaption),
                                         Text(Texts::kResetQuestion))) {
    return;
  }
  SendCommand(shell_.Link(), kCmdReset, {kResetMagic});
  shell_.ShowInfo(Text(Texts::kRestarting), Texts::kRestartingMs);
}

void CommandController::ToggleEqBypass() {
  if (EqCommandTarget* panel = EqTarget()) panel->ToggleBypass();
}

void CommandController::ResetEq() {
  EqCommandTarget* panel = EqTarget();
  if (panel == nullptr) return;
  if (!shell_.Prompt().AskYesNo(owner_, QString::fromUtf8(Texts::kHintCaption),
                                Text(Texts::kResetEqQuestion))) {
    return;
  }
  panel->ResetCurrentEq();
  panel->LoadBands();
}

}  // namespace v7
