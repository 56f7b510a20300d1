#pragma once

#include <QString>

class QWidget;

namespace v7 {

enum class PromptIcon { Information, Question, Warning, Error };

// Every message box and file dialog goes through here, so tests can answer the questions
// and see what the user was told. Filters are given in the form
// "Mode Files (*.V7M)|*.V7M|" (pairs of description and pattern separated by '|').
class Prompts {
 public:
  virtual ~Prompts() = default;

  // A box with an OK button; returns when it has been dismissed. owner may be null.
  virtual void Tell(QWidget* owner, const QString& caption, const QString& text,
                    PromptIcon icon) = 0;
  // Yes and No buttons with the question icon; true for Yes.
  virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
  // The chosen path, or an empty string when the dialog was cancelled.
  virtual QString AskOpenFileName(QWidget* owner, const QString& filter) = 0;
  // Asks before overwriting an existing file. defaultSuffix is added when the user types a
  // name without one ("V7M" or "*.V7M" both mean ".V7M").
  virtual QString AskSaveFileName(QWidget* owner, const QString& filter,
                                  const QString& defaultSuffix, const QString& proposedName) = 0;
};

}  // namespace v7
