#pragma once

#include "controllers/Prompts.h"

namespace v7 {

// The real prompts: QMessageBox and QFileDialog.
class MessageBoxPrompts : public Prompts {
 public:
  void Tell(QWidget* owner, const QString& caption, const QString& text, PromptIcon icon) override;
  PromptAnswer Ask(QWidget* owner, const QString& caption, const QString& text,
                   PromptChoices choices, PromptAnswer preset) override;
  QString AskOpenFileName(QWidget* owner, const QString& filter) override;
  QString AskSaveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix,
                          const QString& proposedName) override;

  // "Mode Files (*.V7M)|*.V7M|" -> "Mode Files (*.V7M *.v7m)": Qt's form, matching the
  // extension in either case because file names on Linux keep their case.
  static QString QtFilter(const QString& filter);
};

}  // namespace v7
