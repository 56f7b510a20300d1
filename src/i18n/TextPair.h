#pragma once

#include <QString>

#include "i18n/Language.h"

namespace v7 {

// Texts the program composes itself exist once per language.
struct TextPair {
  const char* zh;
  const char* en;

  QString In(Language language) const {
    return QString::fromUtf8(language == Language::English ? en : zh);
  }
};

}  // namespace v7
