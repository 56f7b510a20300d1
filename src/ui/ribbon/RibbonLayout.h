// Fills a RibbonBar with the program's tabs, groups and elements in one language; the elements
// that issue commands show the given actions.
#pragma once

#include "i18n/Language.h"

namespace v7 {

class CommandActions;
class RibbonBar;

class RibbonLayout {
 public:
  static constexpr int kVolumeMin = -80;
  static constexpr int kVolumeMax = 5;
  static constexpr int kSliderWidth = 150;

  static void Build(RibbonBar& bar, const CommandActions& actions, Language language);
  // Names and tooltips of the elements that show no command, in `language`.
  static void ApplyElementLanguage(RibbonBar& bar, Language language);

 private:
  static void BuildAppMenu(RibbonBar& bar, const CommandActions& actions, Language language);
  static void BuildTab(RibbonBar& bar, const CommandActions& actions, int tab, Language language);
  static void BuildMicGroup(RibbonBar& bar, const CommandActions& actions, int tab,
                            Language language);
  static void BuildMusicGroup(RibbonBar& bar, const CommandActions& actions, int tab,
                              Language language);
  static void BuildModeGroup(RibbonBar& bar, const CommandActions& actions, int tab, int group,
                             Language language);
  static void BuildTabRow(RibbonBar& bar, const CommandActions& actions);
  static void AddShortcuts(RibbonBar& bar, const CommandActions& actions);
};

}  // namespace v7
