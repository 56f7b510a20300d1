#include "SheetComposer.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <algorithm>

namespace v7::shots {
namespace {

const QColor kPanelColour(240, 250, 255);
const QColor kSheetColour(0xE4, 0xEA, 0xF0);
const QColor kCaptionColour(0x33, 0x3B, 0x45);
constexpr int kZoom = 2;
constexpr int kSheetWidth = 1500;
constexpr int kGap = 24;
constexpr int kMinShotWidth = 150;
constexpr int kTitleHeight = 30;
constexpr int kCaptionHeight = 26;
constexpr int kTitlePixels = 17;
constexpr int kCaptionPixels = 13;

QFont SheetFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// The top-left corner of each zoomed picture relative to the row's top, and the row's height.
struct RowLayout {
  std::vector<QPoint> corners;
  int height = 0;
};

RowLayout LayOut(const SheetRow& row) {
  RowLayout layout;
  int x = kGap;
  int y = kTitleHeight;
  int lineHeight = 0;
  for (const SheetShot& shot : row.shots) {
    const QSize zoomed = shot.image.size() * kZoom;
    const int width = std::max(zoomed.width(), kMinShotWidth);
    if (x > kGap && x + width > kSheetWidth - kGap) {
      x = kGap;
      y += lineHeight + kCaptionHeight + kGap / 2;
      lineHeight = 0;
    }
    layout.corners.push_back({x, y});
    lineHeight = std::max(lineHeight, zoomed.height());
    x += width + kGap;
  }
  layout.height = y + lineHeight + kCaptionHeight + kGap;
  return layout;
}

void PaintRow(QPainter& painter, const SheetRow& row, const RowLayout& layout, int top) {
  painter.setPen(kCaptionColour);
  painter.setFont(SheetFont(kTitlePixels, true));
  painter.drawText(QPoint(kGap, top + 20), row.title);
  painter.setFont(SheetFont(kCaptionPixels, false));
  for (std::size_t i = 0; i < row.shots.size(); ++i) {
    const SheetShot& shot = row.shots[i];
    const QPoint corner = layout.corners[i] + QPoint(0, top);
    const QSize zoomed = shot.image.size() * kZoom;
    painter.fillRect(QRect(corner - QPoint(4, 4), zoomed + QSize(8, 8)), kPanelColour);
    painter.drawImage(QRect(corner, zoomed), shot.image);
    painter.drawText(corner + QPoint(0, zoomed.height() + 20), shot.caption);
  }
}

}  // namespace

QImage ComposeSheet(const std::vector<SheetRow>& rows) {
  std::vector<RowLayout> layouts;
  int height = kGap;
  for (const SheetRow& row : rows) {
    layouts.push_back(LayOut(row));
    height += layouts.back().height;
  }
  QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
  sheet.fill(kSheetColour);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);
  int top = kGap / 2;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    PaintRow(painter, rows[i], layouts[i], top);
    top += layouts[i].height;
  }
  return sheet;
}

}  // namespace v7::shots
