#include "app/PromptingFileErrors.h"

#include <QString>

#include "controllers/Prompts.h"

namespace v7 {

void PromptingFileErrors::OnFileError(const std::string& caption, const std::string& text) {
  prompts_.Tell(owner_, QString::fromStdString(caption), QString::fromStdString(text),
                PromptIcon::Warning);
}

}  // namespace v7
