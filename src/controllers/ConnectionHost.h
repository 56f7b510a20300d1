#pragma once

#include <QString>

#include "i18n/Language.h"

namespace v7 {

// What the connection handling asks of the program around it. The application implements
// it; tests may give a recording one.
class ConnectionHost {
 public:
  virtual Language InterfaceLanguage() const = 0;
  // Starts the read sequence and shows the sync dialog until the completion handling ends it.
  virtual void StartReadSync() = 0;
  // Ends the sync dialog, if one is shown.
  virtual void EndSyncDialog() = 0;
  // Writes the image into a mode file; a failure is shown to the user. True on success.
  virtual bool WriteModeFileReporting(const QString& path) = 0;

 protected:
  ~ConnectionHost() = default;
};

}  // namespace v7
