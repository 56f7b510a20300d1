#include "SilentPrompts.h"

#include <cstdio>

namespace v7::shots {

void SilentPrompts::Tell(QWidget*, const QString& caption, const QString& text, PromptIcon) {
  std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(caption), qPrintable(text));
}

PromptAnswer SilentPrompts::Ask(QWidget*, const QString& caption, const QString& text,
                                PromptChoices, PromptAnswer) {
  std::fprintf(stderr, "question \"%s\": %s (answered No)\n", qPrintable(caption),
               qPrintable(text));
  return PromptAnswer::No;
}

QString SilentPrompts::AskOpenFileName(QWidget*, const QString&) {
  return {};
}

QString SilentPrompts::AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) {
  return {};
}

}  // namespace v7::shots
