// Message boxes and file dialogs that never open: every question is answered No, every file
// dialog is cancelled, and what the user would have been told is printed instead.
#pragma once

#include "controllers/Prompts.h"

namespace v7::shots {

class SilentPrompts : public Prompts {
 public:
  void Tell(QWidget* owner, const QString& caption, const QString& text, PromptIcon icon) override;
  PromptAnswer Ask(QWidget* owner, const QString& caption, const QString& text,
                   PromptChoices choices, PromptAnswer preset) override;
  QString AskOpenFileName(QWidget* owner, const QString& filter) override;
  QString AskSaveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix,
                          const QString& proposedName) override;
};

}  // namespace v7::shots
