#include "ui/ribbon/RibbonLayout.h"

#include <QAction>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonIcons.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonStepSlider.h"
#include "ui/ribbon/RibbonTexts.h"

namespace v7 {

namespace {

using Kind = RibbonButton::Kind;
using Icon = RibbonIcons::Icon;
using Command = CommandActions::Command;
using ModeCommand = CommandActions::ModeCommand;
namespace Id = RibbonId;
namespace Text = RibbonText;

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
constexpr int kSpacerHeight = 22;

QString WithSpaces(const QString& text, int spaces) {
  return text + QString(spaces, u' ');
}

QString BuildReadout(const TextPair& prefix, int spaces, Language language) {
  return WithSpaces(prefix.In(language) + QString::number(Text::kBuildVolume), spaces);
}

RibbonButton* Label(int id, const QString& text) {
  return new RibbonButton(id, Kind::Label, text);
}

RibbonButton* Show(int id, Kind kind, QAction* action) {
  return new RibbonButton(id, kind, action);
}

}  // namespace

void RibbonLayout::Build(RibbonBar& bar, const CommandActions& actions, Language language) {
  BuildAppMenu(bar, actions, language);
  for (int tab = 0; tab < Id::kTabCount; ++tab) BuildTab(bar, actions, tab, language);
  BuildTabRow(bar, actions);
  AddShortcuts(bar, actions);
  ApplyElementLanguage(bar, language);
}

void RibbonLayout::ApplyElementLanguage(RibbonBar& bar, Language language) {
  const struct {
    const int* sliders;
    const TextPair* name;
    const TextPair* tip;
  } volumes[] = {{Id::kMicSlider, &Text::kMicVolumeName, &Text::kMicVolumeTip},
                 {Id::kMusicSlider, &Text::kMusicVolumeName, &Text::kMusicVolumeTip}};
  for (int tab = 0; tab < Id::kTabCount; ++tab) {
    for (const auto& volume : volumes) {
      RibbonStepSlider* slider = bar.Slider(volume.sliders[tab]);
      slider->setAccessibleName(volume.name->In(language));
      slider->setToolTip(volume.tip->In(language));
    }
    bar.Button(Id::kFbcCaption[tab])->setToolTip(Text::kFbcCaptionTip.In(language));
  }
}

// The actions with a shortcut act while the window holding the bar is active.
void RibbonLayout::AddShortcuts(RibbonBar& bar, const CommandActions& actions) {
  for (int index = 0; index < CommandActions::kCommandCount; ++index) {
    QAction* action = actions.Action(static_cast<Command>(index));
    if (!action->shortcut().isEmpty()) bar.addAction(action);
  }
}

void RibbonLayout::BuildAppMenu(RibbonBar& bar, const CommandActions& actions, Language language) {
  RibbonAppMenu* menu = bar.AppMenu();
  menu->AddCommand(Id::kFileOpen, actions.Action(Command::OpenFile),
                   RibbonIcons::Make(Icon::Open, kLargeIcon));
  menu->AddCommand(Id::kFileSave, actions.Action(Command::SaveFile),
                   RibbonIcons::Make(Icon::Save, kLargeIcon));
  menu->AddCommand(Id::kMicSub, actions.Action(Command::MicSub),
                   RibbonIcons::Make(Icon::MicSub, kLargeIcon));
  menu->SetRecentTitle(Text::kRecentTitle.In(language));
  menu->SetExitCommand(Id::kAppExit, actions.Action(Command::Exit),
                       RibbonIcons::Make(Icon::Exit, kSmallIcon));
}

void RibbonLayout::BuildTab(RibbonBar& bar, const CommandActions& actions, int tab,
                            Language language) {
  const TextPair& title = tab == Id::kInputTab ? Text::kInputTab : Text::kSoundTab;
  bar.AddTab(title.In(language));
  BuildMicGroup(bar, actions, tab, language);
  BuildMusicGroup(bar, actions, tab, language);
  for (int group : {Id::kGroupLoadMode, Id::kGroupSaveMode, Id::kGroupFactoryMode}) {
    BuildModeGroup(bar, actions, tab, group, language);
  }
}

void RibbonLayout::BuildMicGroup(RibbonBar& bar, const CommandActions& actions, int tab,
                                 Language language) {
  RibbonGroup* group = bar.AddGroup(tab, Text::kMicVolGroup.In(language));
  bar.AddButton(group,
                Label(Id::kMicReadout[tab],
                      BuildReadout(Text::kMicPrefix, Text::kMicReadoutBuildSpaces, language)));
  bar.AddSlider(group,
                new RibbonStepSlider(Id::kMicSlider[tab], kSliderWidth, kVolumeMin, kVolumeMax));
  bar.AddButton(group, Show(Id::kMicMute[tab], Kind::Check, actions.Action(Command::MicMute)));
  bar.AddButton(group, Label(Id::kFbcCaption[tab],
                             WithSpaces(Text::kFbcCaption.In(language), Text::kFbcCaptionSpaces)));
  bar.AddButton(group, Label(Id::kFbcBlank[tab], QString()))->setEnabled(false);
  bar.AddButton(group, Show(Id::kFbcCheck[tab], Kind::Check, actions.Action(Command::Fbc)));
}

void RibbonLayout::BuildMusicGroup(RibbonBar& bar, const CommandActions& actions, int tab,
                                   Language language) {
  RibbonGroup* group = bar.AddGroup(tab, Text::kMusicVolGroup.In(language));
  bar.AddButton(group,
                Label(Id::kMusicReadout[tab],
                      BuildReadout(Text::kMusicPrefix, Text::kMusicReadoutBuildSpaces, language)));
  bar.AddSlider(group,
                new RibbonStepSlider(Id::kMusicSlider[tab], kSliderWidth, kVolumeMin, kVolumeMax));
  bar.AddButton(group, Show(Id::kMusicMute[tab], Kind::Check, actions.Action(Command::MusicMute)));
}

// M1, M2, a spacer that sends M3 and M4 to a second column, then the large file button if any.
void RibbonLayout::BuildModeGroup(RibbonBar& bar, const CommandActions& actions, int tab, int group,
                                  Language language) {
  struct ModeGroup {
    TextPair title;
    ModeCommand command;
    int firstId;
  };
  static constexpr ModeGroup kGroups[] = {
      {Text::kLoadModeGroup, ModeCommand::Load, Id::kLoadModeFirst},
      {Text::kSaveModeGroup, ModeCommand::Save, Id::kSaveModeFirst},
      {Text::kDefaultModeGroup, ModeCommand::Factory, Id::kFactoryModeFirst}};
  const ModeGroup& mode = kGroups[group - Id::kGroupLoadMode];
  RibbonGroup* created = bar.AddGroup(tab, mode.title.In(language));
  for (int index = 0; index < Id::kModeCount; ++index) {
    if (index == 2) {
      auto* spacer = new QWidget;
      spacer->setFixedHeight(kSpacerHeight);
      created->AddSmall(spacer);
    }
    bar.AddButton(created,
                  Show(mode.firstId + index, Kind::Small, actions.ModeAction(mode.command, index)));
  }
  if (group == Id::kGroupFactoryMode) return;
  const bool load = group == Id::kGroupLoadMode;
  RibbonButton* large =
      load ? Show(Id::kLoadFile[tab], Kind::Large, actions.Action(Command::LoadFile))
           : Show(Id::kSaveFile[tab], Kind::Large, actions.Action(Command::StoreFile));
  large->SetPicture(RibbonIcons::Make(load ? Icon::Open : Icon::Save, kLargeIcon));
  bar.AddButton(created, large);
}

void RibbonLayout::BuildTabRow(RibbonBar& bar, const CommandActions& actions) {
  struct Entry {
    int id;
    Command command;
    Icon icon;
  };
  static constexpr Entry kEntries[] = {
      {Id::kResetMachine, Command::ResetMachine, Icon::Reset},
      {Id::kRemoteLearning, Command::RemoteLearning, Icon::Remote},
      {Id::kLanguage, Command::SwitchLanguage, Icon::Language},
      {Id::kAppAbout, Command::About, Icon::About},
  };
  for (const Entry& entry : kEntries) {
    RibbonButton* element = Show(entry.id, Kind::Small, actions.Action(entry.command));
    element->SetPicture(RibbonIcons::Make(entry.icon, kSmallIcon));
    bar.AddTabRowButton(element);
  }
}

}  // namespace v7
