// What the ribbon's and the status bar's commands do: master volumes and mutes, feedback
// suppression, the wheel over the volume groups, machine reset, the dialogs, the language switch
// and the EQ commands of the channel panel's page. Mode commands are passed to the ModeManager.
#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace v7 {

class Application;
class EqCommandTarget;
class ModeManager;
class RibbonBar;

class RibbonCommands {
 public:
  enum class Channel { Mic, Music };
  // Finds the channel panel's EQ commands; by default the view's panel, if it offers them.
  using EqTargetLookup = std::function<EqCommandTarget*()>;

  RibbonCommands(Application& app, RibbonBar& bar, ModeManager& modes, QWidget* owner,
                 EqTargetLookup eqTarget = {});

  void Execute(int id, int value);
  void OpenRecentFile(const QString& path);
  // A wheel turn from the view or the ribbon: true when it was meant for the ribbon (over a
  // volume group each whole notch moves both sliders one step; elsewhere on the tab it is
  // dropped).
  bool HandleWheel(const QPoint& globalPosition, int delta);
  // Puts a volume on both sliders and read-outs without sending anything.
  void ShowVolume(Channel channel, int dB, int trailingSpaces);
  // The channel panel when it offers the EQ commands, else null.
  EqCommandTarget* EqTarget() const;

 private:
  bool ExecuteVolumeCommand(int id);
  bool ExecuteModeCommand(int id);
  void OnVolumeSlider(Channel channel);
  int TakeWheelNotches(int delta);
  void StepVolume(const int* sliders, int step);
  void ResetMachine();
  void ToggleEqBypass();
  void ResetEq();
  int language() const;

  Application& app_;
  RibbonBar& bar_;
  ModeManager& modes_;
  QWidget* owner_;
  EqTargetLookup eqTarget_;
  int wheelRemainder_ = 0;
};

}  // namespace v7
