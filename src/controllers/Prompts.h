#pragma once

#include <QString>

class QWidget;

namespace v7 {

enum class PromptIcon { Information, Question, Warning, Error };
enum class PromptAnswer { Yes, No, Cancel };
enum class PromptChoices { YesNo, YesNoCancel };

// Every message box and file dialog goes through here, so tests can answer the questions
// and see what the user was told. Filters are given in the form
// "Mode Files (*.V7M)|*.V7M|" (pairs of description and pattern separated by '|').
class Prompts {
 public:
  virtual ~Prompts() = default;

  // A box with an OK button; returns when it has been dismissed. owner may be null.
  virtual void Tell(QWidget* owner, const QString& caption, const QString& text,
                    PromptIcon icon) = 0;
  // A question with the question icon. `preset` is the default button; Escape answers
  // Cancel when it is offered and No otherwise.
  virtual PromptAnswer Ask(QWidget* owner, const QString& caption, const QString& text,
                           PromptChoices choices, PromptAnswer preset) = 0;
  // Yes and No with Yes as the default; true for Yes.
  bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) {
    return Ask(owner, caption, text, PromptChoices::YesNo, PromptAnswer::Yes) == PromptAnswer::Yes;
  }
  // Yes and No with No as the default, for a question whose Yes cannot be undone: a slip of
  // the Enter key keeps things as they are.
  bool AskYesNoDefaultNo(QWidget* owner, const QString& caption, const QString& text) {
    return Ask(owner, caption, text, PromptChoices::YesNo, PromptAnswer::No) == PromptAnswer::Yes;
  }
  // The chosen path, or an empty string when the dialog was cancelled.
  virtual QString AskOpenFileName(QWidget* owner, const QString& filter) = 0;
  // Asks before overwriting an existing file. defaultSuffix is added when the user types a
  // name without one ("V7M" or "*.V7M" both mean ".V7M").
  virtual QString AskSaveFileName(QWidget* owner, const QString& filter,
                                  const QString& defaultSuffix, const QString& proposedName) = 0;
};

}  // namespace v7
