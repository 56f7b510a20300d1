// Qt's own texts follow the interface language, and the first run follows the system locale.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "controllers/SettingsStore.h"
#include "i18n/QtTranslations.h"

namespace v7 {
namespace {

// The standard "Cancel" button text as Qt's dialogs translate it.
QString QtCancel() {
  return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(QtTranslations, FollowTheLanguageSwitch) {
  QtTranslations translations;
  ASSERT_TRUE(translations.Follow(Language::Chinese));
  EXPECT_TRUE(translations.Installed());
  EXPECT_EQ(QtCancel(), QString::fromUtf8("取消"));
  EXPECT_TRUE(translations.Follow(Language::Chinese));
  EXPECT_TRUE(translations.Follow(Language::English));
  EXPECT_FALSE(translations.Installed());
  EXPECT_EQ(QtCancel(), QStringLiteral("Cancel"));
}

TEST(SettingsStoreLocale, FirstRunFollowsTheSystemLocale) {
  const struct {
    const char* locale;
    Language language;
  } cases[] = {{"zh_CN", Language::Chinese},
               {"zh_TW", Language::Chinese},
               {"en_US", Language::English},
               {"de_DE", Language::English},
               {"C", Language::English}};
  for (const auto& entry : cases) {
    EXPECT_EQ(SettingsStore::LanguageForLocale(QLocale(QString::fromLatin1(entry.locale))),
              entry.language)
        << entry.locale;
  }
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.ini"));
  EXPECT_EQ(SettingsStore(path).InterfaceLanguage(),
            SettingsStore::LanguageForLocale(QLocale::system()));
  SettingsStore(path).SetInterfaceLanguage(Language::Chinese);
  EXPECT_EQ(SettingsStore(path).InterfaceLanguage(), Language::Chinese);
}

}  // namespace
}  // namespace v7
