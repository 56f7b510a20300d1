#pragma once

// Test double for the Prompts seam: records every box and dialog and answers from scripts.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "controllers/Prompts.h"

namespace v7::test {

struct PromptRecord {
  enum class Kind { Tell, AskYesNo, OpenFile, SaveFile };
  Kind kind;
  QWidget* owner = nullptr;
  QString caption;
  QString text;
  PromptIcon icon = PromptIcon::Information;
  QString filter;
  QString defaultSuffix;
  QString proposedName;
  PromptChoices choices = PromptChoices::YesNo;
  PromptAnswer preset = PromptAnswer::Yes;
};

class ScriptedPrompts : public Prompts {
 public:
  // Answers to questions in order, Yes for true; once used up, defaultAnswer. `answers`, which
  // can also say Cancel, is used up first.
  std::deque<bool> yesNoAnswers;
  std::deque<PromptAnswer> answers;
  bool defaultAnswer = false;
  // Paths returned by the file dialogs in order; once used up, "" (cancelled).
  std::deque<QString> fileAnswers;
  // Called with each record as the box "is on the screen", before it returns.
  std::function<void(const PromptRecord&)> onPrompt;

  std::vector<PromptRecord> records;

  void Tell(QWidget* owner, const QString& caption, const QString& text, PromptIcon icon) override {
    Record({PromptRecord::Kind::Tell, owner, caption, text, icon, {}, {}, {}});
  }
  PromptAnswer Ask(QWidget* owner, const QString& caption, const QString& text,
                   PromptChoices choices, PromptAnswer preset) override {
    Record({PromptRecord::Kind::AskYesNo,
            owner,
            caption,
            text,
            PromptIcon::Question,
            {},
            {},
            {},
            choices,
            preset});
    if (!answers.empty()) return Next(answers, PromptAnswer::No);
    return Next(yesNoAnswers, defaultAnswer) ? PromptAnswer::Yes : PromptAnswer::No;
  }
  QString AskOpenFileName(QWidget* owner, const QString& filter) override {
    Record({PromptRecord::Kind::OpenFile, owner, {}, {}, PromptIcon::Information, filter, {}, {}});
    return Next(fileAnswers, QString());
  }
  QString AskSaveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix,
                          const QString& proposedName) override {
    Record({PromptRecord::Kind::SaveFile,
            owner,
            {},
            {},
            PromptIcon::Information,
            filter,
            defaultSuffix,
            proposedName});
    return Next(fileAnswers, QString());
  }

  // Records of one kind, in order.
  std::vector<PromptRecord> OfKind(PromptRecord::Kind kind) const {
    std::vector<PromptRecord> found;
    for (const auto& r : records)
      if (r.kind == kind) found.push_back(r);
    return found;
  }
  int CountText(const QString& text) const {
    int n = 0;
    for (const auto& r : records) n += r.text == text ? 1 : 0;
    return n;
  }

 private:
  void Record(PromptRecord record) {
    records.push_back(record);
    if (onPrompt) onPrompt(records.back());
  }
  template <typename T>
  static T Next(std::deque<T>& script, T fallback) {
    if (script.empty()) return fallback;
    T answer = script.front();
    script.pop_front();
    return answer;
  }
};

}  // namespace v7::test
