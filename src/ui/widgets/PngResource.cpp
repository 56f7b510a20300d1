#include "ui/widgets/PngResource.h"

#include <QFile>
#include <QString>

namespace v7 {

bool LoadPngResource(int id, QImage& image) {
  image = QImage();
  QFile file(QStringLiteral(":/png/%1.png").arg(id));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (bytes.isEmpty()) return false;
  QImage decoded;
  if (!decoded.loadFromData(bytes, "PNG")) return false;
  image = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return !image.isNull();
}

QImage PngResource(int id) {
  QImage image;
  if (!LoadPngResource(id, image)) return {};
  return image;
}

}  // namespace v7
