#pragma once

#include <QTranslator>

#include "i18n/Language.h"

namespace v7 {

// Qt's own texts (standard buttons, file dialogs, context menus) in the interface language: the
// Chinese catalogue is installed while the interface is Chinese and removed for English.
class QtTranslations {
 public:
  QtTranslations() = default;
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Returns whether Qt now speaks the language; false when its Chinese catalogue is missing.
  bool Follow(Language language);
  bool Installed() const { return installed_; }

 private:
  void Remove();

  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace v7
