// Lays pictures out on one sheet in titled rows, zoomed so single pixels can be judged.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace v7::shots {

struct SheetShot {
  QString caption;
  QImage image;
};

struct SheetRow {
  QString title;
  std::vector<SheetShot> shots;
};

// Rows top to bottom, each row's shots left to right, wrapping onto further lines.
QImage ComposeSheet(const std::vector<SheetRow>& rows);

}  // namespace v7::shots
