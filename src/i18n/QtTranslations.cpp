#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace v7 {

namespace {

constexpr char kChineseCatalogue[] = "qtbase_zh_CN";

}  // namespace

QtTranslations::~QtTranslations() {
  Remove();
}

bool QtTranslations::Follow(Language language) {
  if (language == Language::English) {
    Remove();
    return true;
  }
  if (installed_) return true;
  if (!translator_.load(QString::fromLatin1(kChineseCatalogue),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  installed_ = QCoreApplication::installTranslator(&translator_);
  return installed_;
}

void QtTranslations::Remove() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
}

}  // namespace v7
