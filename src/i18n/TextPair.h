#pragma once

#include <QString>

namespace v7 {

// Texts the program composes itself exist once per language; uiLanguage picks one
// (0 Chinese, 1 English).
struct TextPair {
  const char* zh;
  const char* en;

  QString In(int language) const { return QString::fromUtf8(language == 1 ? en : zh); }
};

}  // namespace v7
