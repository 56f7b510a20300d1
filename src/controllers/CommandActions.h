// Every command of the ribbon, the application menu and the status bar as one QAction: its text
// in the interface language, a status tip that is also its tooltip, its shortcut, and its enabled
// and checked state (which the CommandController keeps in step with the image). Where a command
// shows on both tabs, both elements show the same action.
#pragma once

#include <QObject>
#include <array>

#include "i18n/Language.h"

class QAction;

namespace v7 {

class CommandActions : public QObject {
  Q_OBJECT

 public:
  enum class Command {
    OpenFile,        // application menu, Ctrl+O
    SaveFile,        // application menu, Ctrl+S
    Exit,            // application menu, Ctrl+Q
    About,           // tab row, Alt+A and F1
    ResetMachine,    // tab row
    RemoteLearning,  // tab row
    SwitchLanguage,  // tab row
    MicSub,          // application menu
    MicMute,
    MusicMute,
    Fbc,
    LoadFile,   // the Load Mode group's large button
    StoreFile,  // the Save Mode group's large button
    EqBypass,   // status bar
    EqReset,    // status bar
  };
  enum class ModeCommand { Load, Save, Factory };
  static constexpr int kCommandCount = static_cast<int>(Command::EqReset) + 1;
  static constexpr int kModeCount = 4;
  // The action property holding the name a screen reader should use where the text alone says
  // too little.
  static constexpr char kAccessibleNameProperty[] = "accessibleName";

  // The texts are those the ribbon is built with in `language`.
  explicit CommandActions(Language language, QObject* parent = nullptr);

  QAction* Action(Command command) const;
  QAction* ModeAction(ModeCommand command, int mode) const;
  // The texts a language switch writes into the ribbon, and every tip.
  void ApplyLanguage(Language language);
  // The status bar's texts, which follow the language at the idle updates.
  void ApplyStatusBarLanguage(Language language);

 private:
  void ApplyNames(Language language);
  void ApplyModeTexts(Language language);

  std::array<QAction*, kCommandCount> actions_{};
  std::array<std::array<QAction*, kModeCount>, 3> modeActions_{};
};

}  // namespace v7
