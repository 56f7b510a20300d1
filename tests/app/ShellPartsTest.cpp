#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "ShellFixture.h"
#include "app/MessageBoxPrompts.h"
#include "controllers/RecentFileList.h"
#include "controllers/SettingsStore.h"

namespace v7 {
namespace {

TEST(MessageBoxPrompts, TurnsPipeFiltersIntoQtFiltersMatchingEitherCase) {
  struct Case {
    const char* given;
    const char* expected;
  };
  const Case cases[] = {
      {"Mode Files (*.V7M)|*.V7M|", "Mode Files (*.V7M *.v7m)"},
      {"Remote Files (*.remo)|*.remo|", "Remote Files (*.remo *.REMO)"},
      {"A|*.a;*.b|B (*.c)|*.c|", "A (*.a *.A *.b *.B);;B (*.c *.C)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MessageBoxPrompts::QtFilter(QString::fromLatin1(c.given)),
              QString::fromLatin1(c.expected))
        << c.given;
}

TEST(RecentFileList, KeepsTenNewestFirstAndPersistsThem) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.ini"));
  {
    SettingsStore settings(path);
    RecentFileList list(settings);
    for (int i = 0; i < 12; ++i) list.Add(QStringLiteral("/m/%1.V7M").arg(i));
    list.Add(QStringLiteral("/m/5.V7M"));  // moves up, is not doubled
    list.Remove(QStringLiteral("/m/11.V7M"));
  }
  SettingsStore settings(path);
  RecentFileList list(settings);
  ASSERT_EQ(list.Entries().size(), 9);
  EXPECT_EQ(list.Entries().front(), QStringLiteral("/m/5.V7M"));
  EXPECT_EQ(list.Entries()[1], QStringLiteral("/m/10.V7M"));
  EXPECT_EQ(list.Entries().back(), QStringLiteral("/m/2.V7M"));
}

TEST(SettingsStore, LanguageOtherThanOneReadsAsChinese) {
  QTemporaryDir dir;
  SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
  const QString path = dir.filePath(QStringLiteral("s.ini"));
  // Nothing stored yet: the system locale decides.
  EXPECT_EQ(settings.InterfaceLanguage(), SettingsStore::LanguageForLocale(QLocale::system()));
  settings.SetInterfaceLanguage(Language::English);
  EXPECT_EQ(settings.InterfaceLanguage(), Language::English);
  EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Workspace/language")), 1);
  settings.SetInterfaceLanguage(Language::Chinese);
  EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Workspace/language")), 0);
  QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Workspace/language"), 7);
  EXPECT_EQ(SettingsStore(path).InterfaceLanguage(), Language::Chinese);
}

using test::ShellFixture;

TEST_F(ShellFixture, RemovalMatchesTheDevicePathWithoutRegardToCase) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  Connection().OnDeviceRemoval(QStringLiteral("/dev/hidraw-other"));
  EXPECT_TRUE(app->IsLinkOpen());
  Connection().OnDeviceRemoval(QString::fromStdString(machine.Path()).toUpper());
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("Device Disconnected!"));
}

}  // namespace
}  // namespace v7
