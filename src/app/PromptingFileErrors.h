#pragma once

#include "files/FileErrorObserver.h"
#include "i18n/Language.h"

class QWidget;

namespace v7 {

class Prompts;

// Shows a mode or remote file failure as a warning box with the file layer's texts; what the
// program words itself (a special file, values limited on loading) is in the interface language.
class PromptingFileErrors : public FileErrorObserver {
 public:
  PromptingFileErrors(Prompts& prompts, QWidget* owner, Language language)
      : prompts_(prompts), owner_(owner), language_(language) {}
  void OnFileError(const std::string& caption, const std::string& text) override;
  void OnNotRegularFile(const std::string& path) override;
  void OnValuesLimited(const std::string& path, std::span<const LimitedValue> values) override;

 private:
  Prompts& prompts_;
  QWidget* owner_;
  Language language_;
};

}  // namespace v7
