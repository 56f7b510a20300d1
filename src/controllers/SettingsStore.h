#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "i18n/Language.h"

class QLocale;
class QSettings;

namespace v7 {

// The per-user settings kept between runs: organisation "Orvo_V7 v1.0", application
// "DSP-V7-v1.1", group "Workspace".
class SettingsStore {
 public:
  static constexpr const char* kOrganisation = "Orvo_V7 v1.0";
  static constexpr const char* kApplication = "DSP-V7-v1.1";
  static constexpr const char* kGroup = "Workspace";

  // iniPath empty: the per-user store; otherwise an INI file at that path (tests).
  explicit SettingsStore(const QString& iniPath = QString());
  ~SettingsStore();

  // Stored as 0 (Chinese) or 1 (English); anything other than 1 reads as Chinese. With nothing
  // stored yet (the first run) the system locale decides.
  Language InterfaceLanguage() const;
  // Chinese for a zh* locale, English for any other.
  static Language LanguageForLocale(const QLocale& locale);
  void SetInterfaceLanguage(Language language);
  int ApplicationLook() const;
  void SetApplicationLook(int look);
  QStringList RecentFiles() const;
  void SetRecentFiles(const QStringList& paths);
  QByteArray WindowPlacement() const;
  void SetWindowPlacement(const QByteArray& placement);
  void Flush();

 private:
  QVariant Value(const char* name, const QVariant& fallback) const;
  void SetValue(const char* name, const QVariant& value);

  std::unique_ptr<QSettings> settings_;
};

}  // namespace v7
