#include "controllers/SettingsStore.h"

#include <QLocale>
#include <QSettings>

namespace v7 {

namespace {

constexpr char kLanguage[] = "language";
constexpr char kApplicationLook[] = "ApplicationLook";
constexpr char kRecentFiles[] = "RecentFiles";
constexpr char kWindowPlacement[] = "WindowPlacement";
constexpr int kDefaultLook = 215;

}  // namespace

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(iniPath.isEmpty() ? std::make_unique<QSettings>(QString::fromLatin1(kOrganisation),
                                                                QString::fromLatin1(kApplication))
                                  : std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QVariant SettingsStore::Value(const char* name, const QVariant& fallback) const {
  return settings_->value(QStringLiteral("%1/%2").arg(kGroup, name), fallback);
}

void SettingsStore::SetValue(const char* name, const QVariant& value) {
  settings_->setValue(QStringLiteral("%1/%2").arg(kGroup, name), value);
}

Language SettingsStore::InterfaceLanguage() const {
  if (!settings_->contains(QStringLiteral("%1/%2").arg(kGroup, kLanguage)))
    return LanguageForLocale(QLocale::system());
  return Value(kLanguage, 0).toInt() == 1 ? Language::English : Language::Chinese;
}

Language SettingsStore::LanguageForLocale(const QLocale& locale) {
  return locale.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

void SettingsStore::SetInterfaceLanguage(Language language) {
  SetValue(kLanguage, language == Language::English ? 1 : 0);
  Flush();
}

int SettingsStore::ApplicationLook() const {
  return Value(kApplicationLook, kDefaultLook).toInt();
}

void SettingsStore::SetApplicationLook(int look) {
  SetValue(kApplicationLook, look);
}

QStringList SettingsStore::RecentFiles() const {
  return Value(kRecentFiles, {}).toStringList();
}

void SettingsStore::SetRecentFiles(const QStringList& paths) {
  SetValue(kRecentFiles, paths);
}

QByteArray SettingsStore::WindowPlacement() const {
  return Value(kWindowPlacement, {}).toByteArray();
}

void SettingsStore::SetWindowPlacement(const QByteArray& placement) {
  SetValue(kWindowPlacement, placement);
}

void SettingsStore::Flush() {
  settings_->sync();
}

}  // namespace v7
