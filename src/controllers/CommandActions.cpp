#include "controllers/CommandActions.h"

#include <QAction>

#include "controllers/CommandTexts.h"

namespace v7 {

namespace {

namespace Texts = CommandText;
using Command = CommandActions::Command;
using ModeCommand = CommandActions::ModeCommand;

struct Definition {
  TextPair built;     // the text the ribbon is built with
  TextPair switched;  // the text a language switch writes
  TextPair tip;
  bool checkable;
  QKeyCombination shortcut;
  bool statusBar;  // retitled at the idle updates instead of by the language switch
};

constexpr QKeyCombination kNoKey{};

// In the order of Command.
const Definition kDefinitions[CommandActions::kCommandCount] = {
    {Texts::kOpenFile, Texts::kOpenFile, Texts::kOpenFileTip, false, Qt::CTRL | Qt::Key_O, false},
    {Texts::kSaveFile, Texts::kSaveFile, Texts::kSaveFileTip, false, Qt::CTRL | Qt::Key_S, false},
    {Texts::kExit, Texts::kExit, Texts::kExitTip, false, kNoKey, false},
    // Alt+A is the About button's key tip.
    {Texts::kAbout, Texts::kAbout, Texts::kAboutTip, false, Qt::ALT | Qt::Key_A, false},
    {Texts::kResetMachine, Texts::kResetMachine, Texts::kResetMachineTip, false, kNoKey, false},
    {Texts::kRemoteLearning, Texts::kRemoteLearning, Texts::kRemoteLearningTip, false, kNoKey,
     false},
    {Texts::kSwitchLanguage, Texts::kSwitchLanguage, Texts::kSwitchLanguageTip, false, kNoKey,
     false},
    {Texts::kMicSub, Texts::kMicSub, Texts::kMicSubTip, false, kNoKey, false},
    {Texts::kMute, Texts::kMute, Texts::kMicMuteTip, true, kNoKey, false},
    {Texts::kMute, Texts::kMute, Texts::kMusicMuteTip, true, kNoKey, false},
    {Texts::kFbcOnBuilt, Texts::kFbcOnSwitched, Texts::kFbcTip, true, kNoKey, false},
    {Texts::kLoadFile, Texts::kLoadFile, Texts::kOpenFileTip, false, kNoKey, false},
    {Texts::kStoreFile, Texts::kStoreFile, Texts::kSaveFileTip, false, kNoKey, false},
    // The status bar is built with the Chinese texts whatever the language.
    {{Texts::kBypass.zh, Texts::kBypass.zh}, Texts::kBypass, Texts::kBypassTip, true, kNoKey, true},
    {{Texts::kResetEq.zh, Texts::kResetEq.zh},
     Texts::kResetEq,
     Texts::kResetEqTip,
     false,
     kNoKey,
     true},
};

// In the order of ModeCommand.
constexpr const TextPair* kModeTips[] = {&Texts::kLoadModeTip, &Texts::kSaveModeTip,
                                         &Texts::kFactoryModeTip};

void SetTip(QAction* action, const QString& tip) {
  action->setStatusTip(tip);
  action->setToolTip(tip);
}

}  // namespace

CommandActions::CommandActions(Language language, QObject* parent) : QObject(parent) {
  for (int index = 0; index < kCommandCount; ++index) {
    const Definition& definition = kDefinitions[index];
    auto* action = new QAction(definition.built.In(language), this);
    action->setCheckable(definition.checkable);
    if (definition.shortcut != kNoKey) {
      action->setShortcut(QKeySequence(definition.shortcut));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    actions_[index] = action;
  }
  for (auto& modes : modeActions_) {
    for (int mode = 0; mode < kModeCount; ++mode) {
      modes[mode] = new QAction(Texts::kModeButtons[mode].In(language), this);
    }
  }
  for (int index = 0; index < kCommandCount; ++index) {
    SetTip(actions_[index], kDefinitions[index].tip.In(language));
  }
  ApplyModeTips(language);
}

QAction* CommandActions::Action(Command command) const {
  return actions_[static_cast<int>(command)];
}

QAction* CommandActions::ModeAction(ModeCommand command, int mode) const {
  return modeActions_[static_cast<int>(command)][mode];
}

void CommandActions::ApplyLanguage(Language language) {
  for (int index = 0; index < kCommandCount; ++index) {
    const Definition& definition = kDefinitions[index];
    if (!definition.statusBar) actions_[index]->setText(definition.switched.In(language));
    SetTip(actions_[index], definition.tip.In(language));
  }
  ApplyModeTips(language);
}

void CommandActions::ApplyStatusBarLanguage(Language language) {
  for (int index = 0; index < kCommandCount; ++index) {
    const Definition& definition = kDefinitions[index];
    if (definition.statusBar) actions_[index]->setText(definition.switched.In(language));
  }
}

void CommandActions::ApplyModeTips(Language language) {
  for (int command = 0; command < static_cast<int>(modeActions_.size()); ++command) {
    for (int mode = 0; mode < kModeCount; ++mode) {
      SetTip(modeActions_[command][mode], kModeTips[command]->In(language).arg(mode + 1));
    }
  }
}

}  // namespace v7
