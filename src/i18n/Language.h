#pragma once

namespace v7 {

// The interface language. The stored setting and the language tables keep their numbers
// (0 Chinese, 1 English); everywhere else the program speaks of the enum.
enum class Language { Chinese = 0, English = 1 };

inline constexpr Language OtherLanguage(Language language) {
  return language == Language::Chinese ? Language::English : Language::Chinese;
}

}  // namespace v7
