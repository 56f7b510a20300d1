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
  QKeyCombination alternate;
  bool statusBar;  // retitled at the idle updates instead of by the language switch
};

constexpr QKeyCombination kNoKey{};

// In the order of Command.
const Definition kDefinitions[CommandActions::kCommandCount] = {
    {Texts::kOpenFile, Texts::kOpenFile, Texts::kOpenFileTip, false, Qt::CTRL | Qt::Key_O, kNoKey,
     false},
    {Texts::kSaveFile, Texts::kSaveFile, Texts::kSaveFileTip, false, Qt::CTRL | Qt::Key_S, kNoKey,
     false},
    {Texts::kExit, Texts::kExit, Texts::kExitTip, false, Qt::CTRL | Qt::Key_Q, kNoKey, false},
    // Alt+A is the About button's key tip; F1 is where users look for it.
    {Texts::kAbout, Texts::kAbout, Texts::kAboutTip, false, Qt::ALT | Qt::Key_A, Qt::Key_F1, false},
    {Texts::kResetMachine, Texts::kResetMachine, Texts::kResetMachineTip, false, kNoKey, kNoKey,
     false},
    {Texts::kRemoteLearning, Texts::kRemoteLearning, Texts::kRemoteLearningTip, false, kNoKey,
     kNoKey, false},
    {Texts::kSwitchLanguage, Texts::kSwitchLanguage, Texts::kSwitchLanguageTip, false, kNoKey,
     kNoKey, false},
    {Texts::kMicSub, Texts::kMicSub, Texts::kMicSubTip, false, kNoKey, kNoKey, false},
    {Texts::kMute, Texts::kMute, Texts::kMicMuteTip, true, kNoKey, kNoKey, false},
    {Texts::kMute, Texts::kMute, Texts::kMusicMuteTip, true, kNoKey, kNoKey, false},
    {Texts::kFbcOnBuilt, Texts::kFbcOnSwitched, Texts::kFbcTip, true, kNoKey, kNoKey, false},
    {Texts::kLoadFile, Texts::kLoadFile, Texts::kOpenFileTip, false, kNoKey, kNoKey, false},
    {Texts::kStoreFile, Texts::kStoreFile, Texts::kSaveFileTip, false, kNoKey, kNoKey, false},
    // The status bar is built with the Chinese texts whatever the language.
    {{Texts::kBypass.zh, Texts::kBypass.zh},
     Texts::kBypass,
     Texts::kBypassTip,
     true,
     kNoKey,
     kNoKey,
     true},
    {{Texts::kResetEq.zh, Texts::kResetEq.zh},
     Texts::kResetEq,
     Texts::kResetEqTip,
     false,
     kNoKey,
     kNoKey,
     true},
};

// In the order of ModeCommand.
constexpr const TextPair* kModeTips[] = {&Texts::kLoadModeTip, &Texts::kSaveModeTip,
                                         &Texts::kFactoryModeTip};
struct OwnName {
  Command command;
  const TextPair* name;
};
const OwnName kOwnNames[] = {{Command::MicMute, &Texts::kMicMuteName},
                             {Command::MusicMute, &Texts::kMusicMuteName}};

constexpr const TextPair* kModeNames[] = {&Texts::kLoadModeName, &Texts::kSaveModeName,
                                          &Texts::kFactoryModeName};

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
    QList<QKeySequence> keys;
    for (const QKeyCombination key : {definition.shortcut, definition.alternate}) {
      if (key != kNoKey) keys.append(QKeySequence(key));
    }
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
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
  ApplyNames(language);
}

QAction* CommandActions::Action(Command command) const {
  return actions_[static_cast<int>(command)];
}

QAction* CommandActions::ModeAction(ModeCommand command, int mode) const {
  return modeActions_[static_cast<int>(command)][mode];
}

// The names go first: the tips that follow tell the elements to show them.
void CommandActions::ApplyLanguage(Language language) {
  ApplyNames(language);
  for (int index = 0; index < kCommandCount; ++index) {
    const Definition& definition = kDefinitions[index];
    if (!definition.statusBar) actions_[index]->setText(definition.switched.In(language));
    SetTip(actions_[index], definition.tip.In(language));
  }
}

void CommandActions::ApplyStatusBarLanguage(Language language) {
  for (int index = 0; index < kCommandCount; ++index) {
    const Definition& definition = kDefinitions[index];
    if (definition.statusBar) actions_[index]->setText(definition.switched.In(language));
  }
}

void CommandActions::ApplyNames(Language language) {
  for (const OwnName& own : kOwnNames)
    Action(own.command)->setProperty(kAccessibleNameProperty, own.name->In(language));
  ApplyModeTexts(language);
}

void CommandActions::ApplyModeTexts(Language language) {
  for (int command = 0; command < static_cast<int>(modeActions_.size()); ++command) {
    for (int mode = 0; mode < kModeCount; ++mode) {
      QAction* action = modeActions_[command][mode];
      action->setProperty(kAccessibleNameProperty, kModeNames[command]->In(language).arg(mode + 1));
      SetTip(action, kModeTips[command]->In(language).arg(mode + 1));
    }
  }
}

}  // namespace v7
