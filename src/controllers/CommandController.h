// What the ribbon's and the status bar's commands do: master volumes and mutes, feedback
// suppression, machine reset, the dialogs, the language switch, closing the window and the EQ
// commands of the channel panel's page; the mode commands go to the ModeController. It keeps
// the actions' checked and enabled states in step with the image and the channel panel.
#pragma once

#include <QObject>
#include <functional>

#include "i18n/TextPair.h"

class QAction;
class QWidget;

namespace v7 {

class CommandActions;
class EqCommandTarget;
class ModeController;
class ShellOperations;

class CommandController : public QObject {
  Q_OBJECT

 public:
  enum class Channel { Mic, Music };
  // Finds the channel panel's EQ commands; null while no panel offers them.
  using EqTargetLookup = std::function<EqCommandTarget*()>;

  // `owner` is the window the questions belong to.
  CommandController(ShellOperations& shell, CommandActions& actions, ModeController& modes,
                    QWidget* owner, EqTargetLookup eqTarget, QObject* parent = nullptr);

  // A volume slider was moved to `dB`: sends the volume and, when the channel was muted,
  // un-mutes it.
  void ChangeVolume(Channel channel, int dB);
  // Checks and enabled states from the image and the channel panel, and the status bar's texts.
  void UpdateActionStates();
  // The channel panel when it offers the EQ commands, else null.
  EqCommandTarget* EqTarget() const;

 signals:
  // A command ran; what it changed may show on the bars.
  void CommandDone();
  // The exit command: the window is to close.
  void CloseRequested();

 private:
  void Connect(QAction* action, const std::function<void()>& run);
  void ConnectCommands();
  void ConnectModeCommands();
  void ResetMachine();
  void ToggleEqBypass();
  void ResetEq();
  QString Text(const TextPair& pair) const;

  ShellOperations& shell_;
  CommandActions& actions_;
  ModeController& modes_;
  QWidget* owner_;
  EqTargetLookup eqTarget_;
};

}  // namespace v7
