#include "app/PromptingFileErrors.h"

#include <QString>

#include "controllers/Prompts.h"
#include "i18n/TextPair.h"

namespace v7 {
namespace {

constexpr TextPair kCannotOpenCaption{"无法打开文件", "Can't open file"};
constexpr TextPair kNotRegularFileText{"这不是普通文件（可能是管道或设备），未读取：\n%1",
                                       "This is not a regular file (perhaps a pipe or a device), "
                                       "so nothing was read:\n%1"};
constexpr TextPair kValuesLimitedCaption{"数值已限制", "Values limited"};
constexpr TextPair kValuesLimitedText{"文件中有机器无法接受的数值，已限制为：\n%1\n\n%2",
                                      "The file holds values the machine cannot take; they were "
                                      "limited as follows:\n%1\n\n%2"};

}  // namespace

void PromptingFileErrors::OnFileError(const std::string& caption, const std::string& text) {
  prompts_.Tell(owner_, QString::fromStdString(caption), QString::fromStdString(text),
                PromptIcon::Warning);
}

void PromptingFileErrors::OnNotRegularFile(const std::string& path) {
  prompts_.Tell(owner_, kCannotOpenCaption.In(language_),
                kNotRegularFileText.In(language_).arg(QString::fromStdString(path)),
                PromptIcon::Warning);
}

void PromptingFileErrors::OnValuesLimited(const std::string& path,
                                          std::span<const LimitedValue> values) {
  prompts_.Tell(
      owner_, kValuesLimitedCaption.In(language_),
      kValuesLimitedText.In(language_).arg(QString::fromStdString(path),
                                           QString::fromStdString(LimitedValuesText(values))),
      PromptIcon::Information);
}

}  // namespace v7
