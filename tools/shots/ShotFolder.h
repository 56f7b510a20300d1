// The folder the pictures go to, named by what they show.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include "i18n/Language.h"

namespace v7::shots {

// "zh" or "en", the language part of a picture's name.
QString LanguageTag(Language language);

class ShotFolder {
 public:
  explicit ShotFolder(const QString& path);

  // Creates the folder; false (and a message) when it cannot be had.
  bool Create();
  // Writes `image` as <name>.png and lists it on standard output; a picture that is null or
  // cannot be written is reported and counted.
  void Save(const QImage& image, const QString& name);
  bool AllSaved() const { return failures_ == 0; }

 private:
  QDir dir_;
  int failures_ = 0;
};

}  // namespace v7::shots
