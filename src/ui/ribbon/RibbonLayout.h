// Fills a RibbonBar with the program's tabs, groups and elements in one language.
#pragma once

namespace v7 {

class RibbonBar;

class RibbonLayout {
 public:
  static constexpr int kVolumeMin = -80;
  static constexpr int kVolumeMax = 5;
  static constexpr int kSliderWidth = 150;

  static void Build(RibbonBar& bar, int language);

 private:
  static void BuildAppMenu(RibbonBar& bar, int language);
  static void BuildTab(RibbonBar& bar, int tab, int language);
  static void BuildMicGroup(RibbonBar& bar, int tab, int language);
  static void BuildMusicGroup(RibbonBar& bar, int tab, int language);
  static void BuildModeGroup(RibbonBar& bar, int tab, int group, int firstId, int largeId,
                             int language);
  static void BuildTabRow(RibbonBar& bar, int language);
};

}  // namespace v7
