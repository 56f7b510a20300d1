// Renders the small widgets in their states into one PNG for a visual check:
//   v7-widget-sheet OUTPUT.png
// (the `widget-sheet` target writes shots/widgets.png, which git ignores).
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QPainter>
#include <QTest>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "ui/widgets/ImageButton.h"
#include "ui/widgets/LevelMeter.h"
#include "ui/widgets/EqPreview.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {
namespace {

const QColor kPanelColour(240, 250, 255);
const QColor kSheetColour(0xE4, 0xEA, 0xF0);
const QColor kCaptionColour(0x33, 0x3B, 0x45);
constexpr int kZoom = 2;  // widgets are shown at twice their size so pixels can be judged
constexpr int kSheetWidth = 1500;
constexpr int kGap = 24;
// Widgets are placed here so that the pointer, resting at the window's corner, hovers none
// of them unless a shot asks for it.
constexpr QPoint kAwayFromPointer(200, 200);

struct Shot {
  QString caption;
  QImage image;
};

struct Row {
  QString title;
  std::vector<Shot> shots;
};

// Hosts the widgets on the panel colour in an active window, so focus and hover work.
class Host {
 public:
  Host() {
    window_.setAutoFillBackground(true);
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, kPanelColour);
    window_.setPalette(palette);
    window_.resize(800, 600);
    window_.show();
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_)) std::fprintf(stderr, "window not active\n");
  }
  QWidget* Window() { return &window_; }

 private:
  QWidget window_;
};

void Hover(QWidget* widget) {
  QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)));
  QApplication::sendEvent(widget, &enter);
}

QImage Grab(QWidget* widget) {
  QApplication::processEvents();
  return widget->grab().toImage();
}

Row SliderRow(Host& host, const ImageSlider::Artwork& artwork, int minimum, int maximum,
              std::array<int, 3> positions, const QString& title) {
  Row row{title, {}};
  const std::array<QString, 3> looks = {QStringLiteral("normal"), QStringLiteral("focused"),
                                        QStringLiteral("disabled")};
  for (std::size_t i = 0; i < looks.size(); ++i) {
    ImageSlider slider(host.Window());
    slider.LoadArtwork(artwork);
    slider.setGeometry(QRect(kAwayFromPointer, slider.sizeHint()));
    slider.SetRange(minimum, maximum);
    slider.SetPos(positions[i]);
    slider.show();
    if (i == 1) slider.setFocus();
    if (i == 2) slider.SetSliderEnabled(false);
    row.shots.push_back(
        {QStringLiteral("%1  (%2)").arg(looks[i]).arg(positions[i]), Grab(&slider)});
  }
  return row;
}

Shot ButtonShot(Host& host, int standard, int alternate, const QString& text, bool showAlternate,
                const std::function<void(ImageButton&)>& state, const QString& caption) {
  ImageButton button(host.Window());
  button.SetStandardImage(standard);
  if (alternate != 0) button.SetAlternateImage(alternate);
  button.setText(text);
  button.setGeometry(QRect(kAwayFromPointer, button.sizeHint()));
  button.ShowAlternate(showAlternate);
  button.show();
  state(button);
  return {caption, Grab(&button)};
}

Row PageButtonRow(Host& host) {
  auto none = [](ImageButton&) {};
  auto hover = [](ImageButton& b) { Hover(&b); };
  auto press = [](ImageButton& b) { b.setDown(true); };
  return {QStringLiteral("Image buttons (page 话筒 432/438, MUSIC 449/450)"),
          {ButtonShot(host, 432, 438, {}, false, none, QStringLiteral("standard")),
           ButtonShot(host, 432, 438, {}, false, hover, QStringLiteral("standard, hover")),
           ButtonShot(host, 432, 438, {}, true, none, QStringLiteral("alternate")),
           ButtonShot(host, 432, 438, {}, true, hover, QStringLiteral("alternate, hover")),
           ButtonShot(host, 432, 438, {}, true, press, QStringLiteral("alternate, pressed")),
           ButtonShot(host, 449, 450, {}, true, none, QStringLiteral("alternate (English)"))}};
}

Row DialogButtonRow(Host& host) {
  auto none = [](ImageButton&) {};
  auto hover = [](ImageButton& b) { Hover(&b); };
  return {QStringLiteral("Back button 397 and dialog button 413 with caption"),
          {ButtonShot(host, 397, 0, {}, false, none, QStringLiteral("back")),
           ButtonShot(host, 397, 0, {}, false, hover, QStringLiteral("back, hover")),
           ButtonShot(host, 413, 0, QStringLiteral("应用"), false, none, QStringLiteral("应用")),
           ButtonShot(host, 413, 0, QStringLiteral("Apply"), false, hover,
                      QStringLiteral("Apply, hover")),
           ButtonShot(host, 413, 0, QStringLiteral("取消"), false, none, QStringLiteral("取消"))}};
}

Row MeterRow(Host& host) {
  Row row{QStringLiteral("Level meter, 15 segments, 162 x 4 as on the channel panel"), {}};
  for (int level : {0, 184, 230}) {
    LevelMeter meter(host.Window());
    meter.setGeometry(QRect(kAwayFromPointer, QSize(162, 4)));
    meter.SetBandCount(1);
    meter.SetSegmentCount(15);
    meter.ResetBands();
    meter.SetBackgroundColour(kPanelColour);
    const std::array<int, 1> levels = {level};
    meter.SetLevel(levels, 0);
    meter.show();
    row.shots.push_back({QStringLiteral("level %1").arg(level), Grab(&meter)});
  }
  return row;
}

Shot EqShot(Host& host, const std::function<void(EqPreview&)>& setup, const QString& caption) {
  EqPreview panel(host.Window());
  panel.setGeometry(QRect(kAwayFromPointer, QSize(282, 136)));
  panel.show();
  setup(panel);
  return {caption, Grab(&panel)};
}

Row SmallEqRow(Host& host) {
  auto flat = [](EqPreview&) {};
  auto boost = [](EqPreview& p) { p.SetGain(5, 6.0f); };
  auto pass = [](EqPreview& p) {
    p.SetGain(1, -5.0f);
    p.SetGain(5, 6.0f);
    p.SetBypass(true);
  };
  auto hover = [](EqPreview& p) {
    p.SetGain(0, 4.0f);
    p.SetGain(4, -6.0f);
    p.SetCurveColour(QColor(100, 100, 100));
    Hover(&p);
  };
  return {QStringLiteral("Small EQ panel (echo preview), 282 x 136"),
          {EqShot(host, flat, QStringLiteral("flat")),
           EqShot(host, boost, QStringLiteral("+6 dB at 1 kHz")),
           EqShot(host, pass, QStringLiteral("bypassed: PASS")),
           EqShot(host, hover, QStringLiteral("grey curve (music page), hover"))}};
}

QFont SheetFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

constexpr int kTitleHeight = 30;
constexpr int kCaptionHeight = 26;

// Places the shots of a row left to right, wrapping into further lines; returns the
// top-left corner of each zoomed image relative to the row's top, and the row's height.
struct RowLayout {
  std::vector<QPoint> corners;
  int height = 0;
};

RowLayout LayOut(const Row& row) {
  RowLayout layout;
  int x = kGap;
  int y = kTitleHeight;
  int lineHeight = 0;
  for (const Shot& shot : row.shots) {
    const QSize zoomed = shot.image.size() * kZoom;
    const int width = std::max(zoomed.width(), 150);
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

void PaintRow(QPainter& painter, const Row& row, int top) {
  painter.setPen(kCaptionColour);
  painter.setFont(SheetFont(17, true));
  painter.drawText(QPoint(kGap, top + 20), row.title);
  painter.setFont(SheetFont(13, false));
  const RowLayout layout = LayOut(row);
  for (std::size_t i = 0; i < row.shots.size(); ++i) {
    const Shot& shot = row.shots[i];
    const QPoint corner = layout.corners[i] + QPoint(0, top);
    const QSize zoomed = shot.image.size() * kZoom;
    painter.fillRect(QRect(corner - QPoint(4, 4), zoomed + QSize(8, 8)), kPanelColour);
    painter.drawImage(QRect(corner, zoomed), shot.image);
    painter.drawText(corner + QPoint(0, zoomed.height() + 20), shot.caption);
  }
}

QImage ComposeSheet(const std::vector<Row>& rows) {
  int height = kGap;
  for (const Row& row : rows) height += LayOut(row).height;
  QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
  sheet.fill(kSheetColour);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);
  int top = kGap / 2;
  for (const Row& row : rows) {
    PaintRow(painter, row, top);
    top += LayOut(row).height;
  }
  return sheet;
}

}  // namespace
}  // namespace v7

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  v7::Host host;
  const std::vector<v7::Row> rows = {
      v7::SliderRow(host, v7::ImageSlider::kHorizontalArtwork, -80, 0, {-40, -20, -60},
                    QStringLiteral("Bitmap slider, horizontal (track 324, thumbs 320/369/325)")),
      v7::SliderRow(host, v7::ImageSlider::kVerticalArtwork, -150, 150, {0, 80, -100},
                    QStringLiteral("Bitmap slider, vertical (track 454, thumbs 457/456/458)")),
      v7::PageButtonRow(host),
      v7::DialogButtonRow(host),
      v7::MeterRow(host),
      v7::SmallEqRow(host),
  };
  const QString output = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(QFileInfo(output).absolutePath());
  if (!v7::ComposeSheet(rows).save(output, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
