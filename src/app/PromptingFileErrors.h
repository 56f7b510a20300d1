#pragma once

#include "files/FileErrorObserver.h"

class QWidget;

namespace v7 {

class Prompts;

// Shows a mode or remote file failure as a warning box with the file layer's texts.
class PromptingFileErrors : public FileErrorObserver {
 public:
  PromptingFileErrors(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}
  void OnFileError(const std::string& caption, const std::string& text) override;

 private:
  Prompts& prompts_;
  QWidget* owner_;
};

}  // namespace v7
