#include "ui/ribbon/MainRibbon.h"

#include <QWheelEvent>
#include <algorithm>

#include "app/Application.h"
#include "controllers/RecentFileList.h"
#include "app/MachineConnection.h"
#include "params/ParameterImage.h"
#include "ui/ribbon/EqCommandTarget.h"
#include "ui/ribbon/ModeManager.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonCommands.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStatusBar.h"
#include "ui/ribbon/RibbonTexts.h"
#include "ui/ribbon/StatusBarPane.h"

namespace v7 {

namespace {

namespace Id = RibbonId;
namespace Text = RibbonText;

const QColor kConnectedColour{0, 150, 0};
const QColor kDisconnectedColour{220, 0, 0};
// The first tab shows the mic page, the second the main output page.
constexpr int kTabPages[Id::kTabCount] = {0, 3};

}  // namespace

MainRibbon::MainRibbon(Application& app, QWidget* frame, Clock* clock,
                       std::function<EqCommandTarget*()> eqTarget)
    : QObject(frame),
      app_(app),
      bar_(new RibbonBar(frame)),
      statusBar_(new RibbonStatusBar(frame)),
      modes_(std::make_unique<ModeManager>(app, clock != nullptr ? *clock : app.Connection().Time(),
                                           frame)),
      commands_(std::make_unique<RibbonCommands>(app, *bar_, *modes_, frame, std::move(eqTarget))) {
  RibbonLayout::Build(*bar_, app_.uiLanguage);
  connect(bar_, &RibbonBar::command, this, &MainRibbon::OnCommand);
  connect(bar_, &RibbonBar::recentFileChosen, this, [this](const QString& path) {
    commands_->OpenRecentFile(path);
    UpdateCommandUI();
  });
  connect(bar_, &RibbonBar::appMenuAboutToShow, this, &MainRibbon::UpdateRecentFiles);
  connect(bar_, &RibbonBar::activeTabChanged, this, &MainRibbon::OnTabChanged);
  connect(bar_, &RibbonBar::wheelTurned, this,
          [this](const QPoint& position, int delta) { commands_->HandleWheel(position, delta); });
  connect(statusBar_, &RibbonStatusBar::command, this, [this](int id) { OnCommand(id, 0); });
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

void MainRibbon::OnCommand(int id, int value) {
  commands_->Execute(id, value);
  // The command may have closed the window and with it both bars.
  if (bar_ != nullptr && statusBar_ != nullptr) UpdateCommandUI();
}

void MainRibbon::OnTabChanged(int tab) {
  app_.ShowPanelPage(kTabPages[std::clamp(tab, 0, Id::kTabCount - 1)]);
}

bool MainRibbon::HandleViewWheel(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return false;
  return commands_->HandleWheel(event->globalPosition().toPoint(), delta);
}

void MainRibbon::RefreshRibbonVolumes() {
  const DspParams& dsp = app_.Image().dsp;
  commands_->ShowVolume(RibbonCommands::Channel::Mic, dsp.micVolume, 0);
  commands_->ShowVolume(RibbonCommands::Channel::Music, dsp.musicVolume, 0);
}

void MainRibbon::ApplyRibbonLanguage() {
  const int language = app_.uiLanguage;
  bar_->setTabTitle(Id::kInputTab, Text::kInputTab.In(language));
  bar_->setTabTitle(Id::kSoundTab, Text::kSoundTab.In(language));
  const TextPair* groupTitles[Id::kGroupCount] = {&Text::kMicVolGroup, &Text::kMusicVolGroup,
                                                  &Text::kLoadModeGroup, &Text::kSaveModeGroup,
                                                  &Text::kResetModeGroup};
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    for (int group = 0; group < Id::kGroupCount; ++group) {
      bar_->group(tab, group)->setTitle(groupTitles[group]->In(language));
    }
  }
  const DspParams& dsp = app_.Image().dsp;
  commands_->ShowVolume(RibbonCommands::Channel::Mic, dsp.micVolume, Text::kMicReadoutSwitchSpaces);
  commands_->ShowVolume(RibbonCommands::Channel::Music, dsp.musicVolume,
                        Text::kMusicReadoutSwitchSpaces);
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    bar_->setElementText(Id::kFbcCaption[tab], Text::kFbcCaptionSwitched.In(language));
    bar_->setElementText(Id::kFbcCheck[tab], Text::kFbcCheckSwitched.In(language));
    bar_->setElementText(Id::kMicMute[tab], Text::kMute.In(language));
    bar_->setElementText(Id::kMusicMute[tab], Text::kMute.In(language));
    bar_->setElementText(Id::kLoadFile[tab], Text::kLoad.In(language));
    bar_->setElementText(Id::kSaveFile[tab], Text::kSave.In(language));
  }
  bar_->setElementText(Id::kResetMachine, Text::kResetMachine.In(language));
  bar_->setElementText(Id::kRemoteLearning, Text::kRemoteLearning.In(language));
  bar_->recalcLayout();
}

void MainRibbon::UpdateCommandUI() {
  UpdateChecks();
  UpdateStatusBar();
}

void MainRibbon::UpdateChecks() {
  const DspParams& dsp = app_.Image().dsp;
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    bar_->setChecked(Id::kMicMute[tab], dsp.micMute == 1);
    bar_->setChecked(Id::kMusicMute[tab], dsp.musicMute == 1);
    bar_->setChecked(Id::kFbcCheck[tab], dsp.fbcBypass == 0);
  }
}

void MainRibbon::UpdateStatusBar() {
  const int language = app_.uiLanguage;
  const bool connected = app_.IsLinkOpen();
  StatusBarPane* device = statusBar_->devicePane();
  device->setText((connected ? Text::kConnected : Text::kDisconnected).In(language));
  device->setTextColour(connected ? kConnectedColour : kDisconnectedColour);
  const int mode = std::clamp(app_.Image().currentMode, 0, Id::kModeCount - 1);
  statusBar_->modePane()->setText(
      Text::kCurrentMode.In(language).arg(Text::kModeNames[mode].In(language)));

  EqCommandTarget* panel = commands_->EqTarget();
  RibbonButton* bypass = statusBar_->bypassCheck();
  RibbonButton* reset = statusBar_->resetEqButton();
  bypass->setEnabled(panel != nullptr);
  bypass->setTicked(panel != nullptr && panel->BypassState() == 1);
  reset->setEnabled(panel != nullptr);
  // Their width follows the language, so a new text gets a new layout.
  const auto retitle = [language](RibbonButton* button, const TextPair& text) {
    if (button->text() == text.In(language)) return;
    button->setElementText(text.In(language));
    button->relayout();
  };
  retitle(bypass, Text::kBypass);
  retitle(reset, Text::kResetEq);
}

void MainRibbon::UpdateRecentFiles() {
  const QStringList& entries = app_.RecentFiles().Entries();
  if (bar_->appMenu()->recentFiles() != entries) bar_->appMenu()->setRecentFiles(entries);
}

}  // namespace v7
