#pragma once

namespace v7 {

// What the status bar's two EQ commands need of the channel panel. The panel implements it;
// while the view holds no panel that does, the two commands are shown disabled.
class EqCommandTarget {
 public:
  virtual ~EqCommandTarget() = default;

  // ToggleEqBypass of the panel's current page.
  virtual void ToggleBypass() = 0;
  // GetEqBypass of the current page (0 or 1); the panel also redraws its graph with it.
  virtual int BypassState() = 0;
  // ResetEqBlock of the current page.
  virtual void ResetCurrentEq() = 0;
  // Shows the page's bands again from the image.
  virtual void LoadBands() = 0;
};

}  // namespace v7
