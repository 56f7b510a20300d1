#include "ShotFolder.h"

#include <cstdio>

namespace v7::shots {

QString LanguageTag(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

ShotFolder::ShotFolder(const QString& path) : dir_(path) {}

bool ShotFolder::Create() {
  if (dir_.mkpath(QStringLiteral("."))) return true;
  std::fprintf(stderr, "cannot create %s\n", qPrintable(dir_.path()));
  return false;
}

void ShotFolder::Save(const QImage& image, const QString& name) {
  const QString path = dir_.filePath(name + QStringLiteral(".png"));
  if (image.isNull() || !image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++failures_;
    return;
  }
  std::printf("%s\n", qPrintable(path));
}

}  // namespace v7::shots
