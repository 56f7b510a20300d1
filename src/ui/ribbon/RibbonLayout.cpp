#include "ui/ribbon/RibbonLayout.h"

#include <QKeySequence>

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
namespace Id = RibbonId;
namespace Text = RibbonText;

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
constexpr int kSpacerHeight = 22;

QString WithSpaces(const QString& text, int spaces) {
  return text + QString(spaces, u' ');
}

QString BuildReadout(const TextPair& prefix, int spaces, int language) {
  return WithSpaces(prefix.In(language) + QString::number(Text::kBuildVolume), spaces);
}

RibbonButton* Make(int id, Kind kind, const QString& text) {
  return new RibbonButton(id, kind, text);
}

}  // namespace

void RibbonLayout::Build(RibbonBar& bar, int language) {
  BuildAppMenu(bar, language);
  for (int tab = 0; tab < Id::kTabCount; ++tab) BuildTab(bar, tab, language);
  BuildTabRow(bar, language);
  bar.addShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), Id::kFileOpen);
  bar.addShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), Id::kFileSave);
  // Key tip of the About button.
  bar.addShortcut(QKeySequence(Qt::ALT | Qt::Key_A), Id::kAppAbout);
}

void RibbonLayout::BuildAppMenu(RibbonBar& bar, int language) {
  RibbonAppMenu* menu = bar.appMenu();
  menu->addCommand(Id::kFileOpen, QString::fromUtf8(Text::kMenuOpen),
                   RibbonIcons::Make(Icon::Open, kLargeIcon));
  menu->addCommand(Id::kFileSave, QString::fromUtf8(Text::kMenuSave),
                   RibbonIcons::Make(Icon::Save, kLargeIcon));
  menu->setRecentTitle(Text::kRecentTitle.In(language));
  menu->setExitCommand(Id::kAppExit, QString::fromUtf8(Text::kMenuExit),
                       RibbonIcons::Make(Icon::Exit, kSmallIcon));
}

void RibbonLayout::BuildTab(RibbonBar& bar, int tab, int language) {
  const TextPair& title = tab == Id::kInputTab ? Text::kInputTab : Text::kSoundTab;
  bar.addTab(title.In(language));
  BuildMicGroup(bar, tab, language);
  BuildMusicGroup(bar, tab, language);
  BuildModeGroup(bar, tab, Id::kGroupLoadMode, Id::kLoadModeFirst, Id::kLoadFile[tab], language);
  BuildModeGroup(bar, tab, Id::kGroupSaveMode, Id::kSaveModeFirst, Id::kSaveFile[tab], language);
  BuildModeGroup(bar, tab, Id::kGroupFactoryMode, Id::kFactoryModeFirst, 0, language);
}

void RibbonLayout::BuildMicGroup(RibbonBar& bar, int tab, int language) {
  RibbonGroup* group = bar.addGroup(tab, Text::kMicVolGroup.In(language));
  bar.addButton(group,
                Make(Id::kMicReadout[tab], Kind::Label,
                     BuildReadout(Text::kMicPrefix, Text::kMicReadoutBuildSpaces, language)));
  bar.addSlider(group,
                new RibbonStepSlider(Id::kMicSlider[tab], kSliderWidth, kVolumeMin, kVolumeMax));
  bar.addButton(group, Make(Id::kMicMute[tab], Kind::Check, Text::kMute.In(language)));
  bar.addButton(group, Make(Id::kFbcCaption[tab], Kind::Label,
                            WithSpaces(Text::kFbcCaption.In(language), Text::kFbcCaptionSpaces)));
  bar.addButton(group, Make(Id::kFbcBlank[tab], Kind::Label, QString()))->setEnabled(false);
  bar.addButton(group, Make(Id::kFbcCheck[tab], Kind::Check,
                            WithSpaces(Text::kFbcCheck.In(language), Text::kFbcCheckSpaces)));
}

void RibbonLayout::BuildMusicGroup(RibbonBar& bar, int tab, int language) {
  RibbonGroup* group = bar.addGroup(tab, Text::kMusicVolGroup.In(language));
  bar.addButton(group,
                Make(Id::kMusicReadout[tab], Kind::Label,
                     BuildReadout(Text::kMusicPrefix, Text::kMusicReadoutBuildSpaces, language)));
  bar.addSlider(group,
                new RibbonStepSlider(Id::kMusicSlider[tab], kSliderWidth, kVolumeMin, kVolumeMax));
  bar.addButton(group, Make(Id::kMusicMute[tab], Kind::Check, Text::kMute.In(language)));
}

// M1, M2, a spacer that sends M3 and M4 to a second column, then the large file button if any.
void RibbonLayout::BuildModeGroup(RibbonBar& bar, int tab, int group, int firstId, int largeId,
                                  int language) {
  static constexpr TextPair kTitles[] = {Text::kLoadModeGroup, Text::kSaveModeGroup,
                                         Text::kDefaultModeGroup};
  RibbonGroup* created = bar.addGroup(tab, kTitles[group - Id::kGroupLoadMode].In(language));
  for (int mode = 0; mode < Id::kModeCount; ++mode) {
    if (mode == 2) {
      auto* spacer = new QWidget;
      spacer->setFixedHeight(kSpacerHeight);
      created->addSmall(spacer);
    }
    bar.addButton(created,
                  Make(firstId + mode, Kind::Small, QString::fromUtf8(Text::kModeButtons[mode])));
  }
  if (largeId == 0) return;
  const bool load = group == Id::kGroupLoadMode;
  RibbonButton* large = Make(largeId, Kind::Large, (load ? Text::kLoad : Text::kSave).In(language));
  large->setPicture(RibbonIcons::Make(load ? Icon::Open : Icon::Save, kLargeIcon));
  bar.addButton(created, large);
}

void RibbonLayout::BuildTabRow(RibbonBar& bar, int language) {
  struct Entry {
    int id;
    QString text;
    Icon icon;
  };
  const Entry entries[] = {
      {Id::kResetMachine, Text::kResetMachine.In(language), Icon::Reset},
      {Id::kRemoteLearning, Text::kRemoteLearning.In(language), Icon::Remote},
      {Id::kLanguage, QString::fromUtf8(Text::kLanguage), Icon::Language},
      {Id::kAppAbout, QString(), Icon::About},
  };
  for (const Entry& entry : entries) {
    RibbonButton* element = Make(entry.id, Kind::Small, entry.text);
    element->setPicture(RibbonIcons::Make(entry.icon, kSmallIcon));
    bar.addTabRowButton(element);
  }
}

}  // namespace v7
