#include "ui/ribbon/MainRibbon.h"

#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "controllers/CommandActions.h"
#include "controllers/ModeController.h"
#include "controllers/RecentFileList.h"
#include "controllers/ShellOperations.h"
#include "params/ParameterImage.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStatusBar.h"
#include "ui/ribbon/RibbonStepSlider.h"
#include "ui/ribbon/RibbonTexts.h"
#include "ui/ribbon/StatusBarPane.h"

namespace v7 {

namespace {

namespace Id = RibbonId;
namespace Text = RibbonText;
using Channel = CommandController::Channel;

const QColor kConnectedColour{0, 150, 0};
const QColor kDisconnectedColour{220, 0, 0};
// The first tab shows the mic page, the second the main output page.
constexpr int kTabPages[Id::kTabCount] = {0, 3};
// The volumes are shown to the user as dB + 80, so 0..85.
constexpr int kDisplayOffset = 80;
// The wheel's angle for one notch, in eighths of a degree.
constexpr int kWheelNotch = 120;

const int* SlidersOf(Channel channel) {
  return channel == Channel::Mic ? Id::kMicSlider : Id::kMusicSlider;
}

}  // namespace

MainRibbon::MainRibbon(ShellOperations& shell, QWidget* frame, Clock& clock,
                       CommandController::EqTargetLookup eqTarget)
    : QObject(frame),
      shell_(shell),
      actions_(new CommandActions(shell.InterfaceLanguage(), this)),
      modes_(new ModeController(shell, clock, frame, this)),
      commands_(new CommandController(shell, *actions_, *modes_, frame, std::move(eqTarget), this)),
      bar_(new RibbonBar(frame)),
      statusBar_(new RibbonStatusBar(*actions_, frame)) {
  RibbonLayout::Build(*bar_, *actions_, shell.InterfaceLanguage());
  ConnectSliders();
  connect(commands_, &CommandController::CommandDone, this, [this] {
    // The command may have closed the window and with it both bars.
    if (bar_ != nullptr && statusBar_ != nullptr) UpdateCommandUI();
  });
  connect(commands_, &CommandController::CloseRequested, this, [frame] {
    if (frame != nullptr) frame->window()->close();
  });
  connect(bar_, &RibbonBar::RecentFileChosen, this, [this](const QString& path) {
    modes_->OpenRecentModeFile(path);
    UpdateCommandUI();
  });
  connect(bar_, &RibbonBar::AppMenuAboutToShow, this, &MainRibbon::UpdateRecentFiles);
  connect(bar_, &RibbonBar::ActiveTabChanged, this, &MainRibbon::OnTabChanged);
  connect(bar_, &RibbonBar::WheelTurned, this, &MainRibbon::HandleWheel);
  connect(&idleTimer_, &QTimer::timeout, this, &MainRibbon::UpdateCommandUI);
  idleTimer_.start(kIdleUpdateMs);
}

MainRibbon::~MainRibbon() = default;

QWidget* MainRibbon::RibbonWidget() {
  return bar_;
}

QStatusBar* MainRibbon::TakeStatusBar() {
  return statusBar_;
}

RibbonBar* MainRibbon::Bar() const {
  return bar_;
}

RibbonStatusBar* MainRibbon::StatusBar() const {
  return statusBar_;
}

void MainRibbon::ConnectSliders() {
  for (Channel channel : {Channel::Mic, Channel::Music}) {
    for (int tab = 0; tab < Id::kTabCount; ++tab) {
      connect(bar_->Slider(SlidersOf(channel)[tab]), &RibbonStepSlider::PositionCommand, this,
              [this, channel](int position) { OnSliderMoved(channel, position); });
    }
  }
}

// Both tabs show the moved slider's position before the volume is sent.
void MainRibbon::OnSliderMoved(Channel channel, int position) {
  ShowVolume(channel, position, 0);
  commands_->ChangeVolume(channel, position);
}

void MainRibbon::OnTabChanged(int tab) {
  shell_.ShowPanelPage(kTabPages[std::clamp(tab, 0, Id::kTabCount - 1)]);
}

bool MainRibbon::HandleViewWheel(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return false;
  return HandleWheel(event->globalPosition().toPoint(), delta);
}

// Both tabs hold the volume groups, so a turn over the ribbon is always the ribbon's.
bool MainRibbon::HandleWheel(const QPoint& globalPosition, int delta) {
  const int tab = bar_->ActiveTab();
  const int* sliders = nullptr;
  if (bar_->GroupScreenRect(tab, Id::kGroupMicVol).contains(globalPosition)) {
    sliders = Id::kMicSlider;
  } else if (bar_->GroupScreenRect(tab, Id::kGroupMusicVol).contains(globalPosition)) {
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
int MainRibbon::TakeWheelNotches(int delta) {
  if ((wheelRemainder_ > 0 && delta < 0) || (wheelRemainder_ < 0 && delta > 0)) wheelRemainder_ = 0;
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= notches * kWheelNotch;
  return notches;
}

// Both sliders take the new position before either issues its command, so the volume is sent
// twice with the new value, never once with the old one.
void MainRibbon::StepVolume(const int* sliders, int step) {
  const int position = bar_->SliderPosition(sliders[Id::kInputTab]) + step;
  for (int tab = 0; tab < Id::kTabCount; ++tab) bar_->SetSliderPosition(sliders[tab], position);
  for (int tab = 0; tab < Id::kTabCount; ++tab) bar_->Slider(sliders[tab])->IssueCommand();
}

// Puts a volume on both sliders and read-outs without sending anything.
void MainRibbon::ShowVolume(Channel channel, int dB, int trailingSpaces) {
  const bool mic = channel == Channel::Mic;
  const TextPair& prefix = mic ? Text::kMicPrefix : Text::kMusicPrefix;
  const int* readouts = mic ? Id::kMicReadout : Id::kMusicReadout;
  const int clamped = std::clamp(dB, RibbonLayout::kVolumeMin, RibbonLayout::kVolumeMax);
  const QString text = prefix.In(shell_.InterfaceLanguage()) +
                       QString::number(clamped + kDisplayOffset) + QString(trailingSpaces, u' ');
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    bar_->SetSliderPosition(SlidersOf(channel)[tab], clamped);
    bar_->SetElementText(readouts[tab], text);
  }
}

void MainRibbon::RefreshRibbonVolumes() {
  const DspParams& dsp = shell_.Image().dsp;
  ShowVolume(Channel::Mic, dsp.micVolume, 0);
  ShowVolume(Channel::Music, dsp.musicVolume, 0);
}

void MainRibbon::ApplyRibbonLanguage() {
  const Language language = shell_.InterfaceLanguage();
  bar_->SetTabTitle(Id::kInputTab, Text::kInputTab.In(language));
  bar_->SetTabTitle(Id::kSoundTab, Text::kSoundTab.In(language));
  const TextPair* groupTitles[Id::kGroupCount] = {&Text::kMicVolGroup, &Text::kMusicVolGroup,
                                                  &Text::kLoadModeGroup, &Text::kSaveModeGroup,
                                                  &Text::kResetModeGroup};
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    for (int group = 0; group < Id::kGroupCount; ++group) {
      bar_->Group(tab, group)->SetTitle(groupTitles[group]->In(language));
    }
    bar_->SetElementText(Id::kFbcCaption[tab], Text::kFbcCaptionSwitched.In(language));
  }
  const DspParams& dsp = shell_.Image().dsp;
  ShowVolume(Channel::Mic, dsp.micVolume, Text::kMicReadoutSwitchSpaces);
  ShowVolume(Channel::Music, dsp.musicVolume, Text::kMusicReadoutSwitchSpaces);
  actions_->ApplyLanguage(language);
  RibbonLayout::ApplyElementLanguage(*bar_, language);
  bar_->RecalcLayout();
}

void MainRibbon::UpdateCommandUI() {
  commands_->UpdateActionStates();
  UpdateStatusPanes();
}

void MainRibbon::UpdateStatusPanes() {
  const Language language = shell_.InterfaceLanguage();
  const bool connected = shell_.IsLinkOpen();
  StatusBarPane* device = statusBar_->DevicePane();
  device->SetText((connected ? Text::kConnected : Text::kDisconnected).In(language));
  device->SetTextColour(connected ? kConnectedColour : kDisconnectedColour);
  const int mode = std::clamp(shell_.Image().currentMode, 0, Id::kModeCount - 1);
  statusBar_->ModePane()->SetText(
      Text::kCurrentMode.In(language).arg(Text::kModeNames[mode].In(language)));
}

void MainRibbon::UpdateRecentFiles() {
  const QStringList& entries = shell_.RecentFiles().Entries();
  if (bar_->AppMenu()->RecentFiles() != entries) bar_->AppMenu()->SetRecentFiles(entries);
}

}  // namespace v7
