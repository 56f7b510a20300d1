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
};

class ScriptedPrompts : public Prompts {
 public:
  // Answers to AskYesNo in order; once used up, defaultAnswer.
  std::deque<bool> yesNoAnswers;
  bool defaultAnswer = false;
  // Paths returned by the file dialogs in order; once used up, "" (cancelled).
  std::deque<QString> fileAnswers;
  // Called with each record as the box "is on the screen", before it returns.
  std::function<void(const PromptRecord&)> onPrompt;

  std::vector<PromptRecord> records;

  void Tell(QWidget* owner, const QString& caption, const QString& text, PromptIcon icon) override {
    Record({PromptRecord::Kind::Tell, owner, caption, text, icon, {}, {}, {}});
  }
  bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) override {
    Record({PromptRecord::Kind::AskYesNo, owner, caption, text, PromptIcon::Question, {}, {}, {}});
    return Next(yesNoAnswers, defaultAnswer);
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
  static T Next(std::deque<T>& answers, T fallback) {
    if (answers.empty()) return fallback;
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace v7::test
