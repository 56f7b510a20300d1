#include "WidgetShots.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "SheetComposer.h"
#include "ui/widgets/EqPreview.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ImageSlider.h"
#include "ui/widgets/LevelMeter.h"
#include "ui/widgets/Picture.h"

namespace v7::shots {
namespace {

const QColor kPanelColour(240, 250, 255);
constexpr QSize kHostSize(800, 600);
// Widgets are placed here so that the pointer, resting at the window's corner, hovers none
// of them unless a shot asks for it.
constexpr QPoint kAwayFromPointer(200, 200);
constexpr QSize kMeterSize(162, 4);
constexpr int kMeterSegments = 15;
constexpr QSize kPreviewSize(282, 136);

// Hosts the widgets on the panel colour in an active window, so focus and hover work.
class Host {
 public:
  Host() {
    window_.setAutoFillBackground(true);
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, kPanelColour);
    window_.setPalette(palette);
    window_.resize(kHostSize);
    window_.show();
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_)) std::fprintf(stderr, "window not active\n");
  }
  QWidget* Window() { return &window_; }

 private:
  QWidget window_;
};

void Hover(QWidget* widget) {
  const QPointF inside(4, 4);
  QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
  QApplication::sendEvent(widget, &enter);
}

QImage Grab(QWidget* widget) {
  QApplication::processEvents();
  return widget->grab().toImage();
}

SheetRow SliderRow(Host& host, const ImageSlider::Artwork& artwork, int minimum, int maximum,
                   std::array<int, 3> values, const QString& title) {
  SheetRow row{title, {}};
  const std::array<QString, 3> looks = {QStringLiteral("normal"), QStringLiteral("focused"),
                                        QStringLiteral("disabled")};
  for (std::size_t i = 0; i < looks.size(); ++i) {
    ImageSlider slider(host.Window());
    slider.LoadArtwork(artwork);
    slider.setGeometry(QRect(kAwayFromPointer, slider.sizeHint()));
    slider.SetRange(minimum, maximum);
    slider.SetValue(values[i]);
    slider.show();
    if (i == 1) slider.setFocus();
    if (i == 2) slider.SetSliderEnabled(false);
    row.shots.push_back({QStringLiteral("%1  (%2)").arg(looks[i]).arg(values[i]), Grab(&slider)});
  }
  return row;
}

using ButtonState = std::function<void(ImageButton&)>;

void Untouched(ImageButton&) {}
void Hovered(ImageButton& button) {
  Hover(&button);
}
void Pressed(ImageButton& button) {
  button.setDown(true);
}

struct ButtonLook {
  Picture standard;
  std::optional<Picture> alternate;
  QString text;
  bool showAlternate;
};

SheetShot ButtonShot(Host& host, const ButtonLook& look, const ButtonState& state,
                     const QString& caption) {
  ImageButton button(host.Window());
  button.SetStandardImage(look.standard);
  if (look.alternate) button.SetAlternateImage(*look.alternate);
  button.setText(look.text);
  button.setGeometry(QRect(kAwayFromPointer, button.sizeHint()));
  button.ShowAlternate(look.showAlternate);
  button.show();
  state(button);
  return {caption, Grab(&button)};
}

struct PagePictures {
  QString page;
  Picture chinese;
  Picture chineseShown;
  Picture english;
  Picture englishShown;
};

const std::array<PagePictures, 6> kPages = {{
    {QStringLiteral("mic"), Picture::MicPageChinese, Picture::MicPageChineseShown,
     Picture::MicPageEnglish, Picture::MicPageEnglishShown},
    {QStringLiteral("music"), Picture::MusicPageChinese, Picture::MusicPageChineseShown,
     Picture::MusicPageEnglish, Picture::MusicPageEnglishShown},
    {QStringLiteral("echo"), Picture::EchoPageChinese, Picture::EchoPageChineseShown,
     Picture::EchoPageEnglish, Picture::EchoPageEnglishShown},
    {QStringLiteral("main"), Picture::MainPageChinese, Picture::MainPageChineseShown,
     Picture::MainPageEnglish, Picture::MainPageEnglishShown},
    {QStringLiteral("centre"), Picture::CentrePageChinese, Picture::CentrePageChineseShown,
     Picture::CentrePageEnglish, Picture::CentrePageEnglishShown},
    {QStringLiteral("subwoofer"), Picture::SubwooferPageChinese, Picture::SubwooferPageChineseShown,
     Picture::SubwooferPageEnglish, Picture::SubwooferPageEnglishShown},
}};

ButtonLook PageLook(const PagePictures& page, Language language, bool shown) {
  const bool english = language == Language::English;
  return {english ? page.english : page.chinese,
          english ? page.englishShown : page.chineseShown,
          {},
          shown};
}

SheetRow PageButtonStatesRow(Host& host, Language language) {
  const PagePictures& mic = kPages.front();
  return {
      QStringLiteral("Page button states (mic page)"),
      {ButtonShot(host, PageLook(mic, language, false), Untouched, QStringLiteral("standard")),
       ButtonShot(host, PageLook(mic, language, false), Hovered, QStringLiteral("standard, hover")),
       ButtonShot(host, PageLook(mic, language, true), Untouched, QStringLiteral("shown")),
       ButtonShot(host, PageLook(mic, language, true), Hovered, QStringLiteral("shown, hover")),
       ButtonShot(host, PageLook(mic, language, true), Pressed, QStringLiteral("shown, pressed"))}};
}

SheetRow EveryPageButtonRow(Host& host, Language language) {
  SheetRow row{QStringLiteral("Every page button, standard and shown"), {}};
  for (const PagePictures& page : kPages) {
    row.shots.push_back(ButtonShot(host, PageLook(page, language, false), Untouched, page.page));
    row.shots.push_back(ButtonShot(host, PageLook(page, language, true), Untouched,
                                   page.page + QStringLiteral(", shown")));
  }
  return row;
}

SheetRow DialogButtonRow(Host& host, Language language) {
  const bool english = language == Language::English;
  const QString apply = english ? QStringLiteral("Apply") : QStringLiteral("应用");
  const QString cancel = english ? QStringLiteral("Cancel") : QStringLiteral("取消");
  const ButtonLook back{Picture::BackButton, std::nullopt, {}, false};
  const ButtonLook applyLook{Picture::DialogButton, std::nullopt, apply, false};
  const ButtonLook cancelLook{Picture::DialogButton, std::nullopt, cancel, false};
  return {QStringLiteral("Back button, and the dialog button with its caption"),
          {ButtonShot(host, back, Untouched, QStringLiteral("back")),
           ButtonShot(host, back, Hovered, QStringLiteral("back, hover")),
           ButtonShot(host, applyLook, Untouched, apply),
           ButtonShot(host, applyLook, Hovered, apply + QStringLiteral(", hover")),
           ButtonShot(host, cancelLook, Untouched, cancel)}};
}

SheetRow MeterRow(Host& host) {
  SheetRow row{QStringLiteral("Level meter, 15 segments, 162 x 4 as on the channel panel"), {}};
  for (int level : {0, 184, 230}) {
    LevelMeter meter(host.Window());
    meter.setGeometry(QRect(kAwayFromPointer, kMeterSize));
    meter.SetBandCount(1);
    meter.SetSegmentCount(kMeterSegments);
    meter.ResetBands();
    meter.SetBackgroundColour(kPanelColour);
    const std::array<int, 1> levels = {level};
    meter.SetLevel(levels, 0);
    meter.show();
    row.shots.push_back({QStringLiteral("level %1").arg(level), Grab(&meter)});
  }
  return row;
}

SheetShot PreviewShot(Host& host, const std::function<void(EqPreview&)>& setup,
                      const QString& caption) {
  EqPreview preview(host.Window());
  preview.setGeometry(QRect(kAwayFromPointer, kPreviewSize));
  preview.show();
  setup(preview);
  return {caption, Grab(&preview)};
}

SheetRow PreviewRow(Host& host) {
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
  return {QStringLiteral("EQ preview (echo page), 282 x 136"),
          {PreviewShot(host, flat, QStringLiteral("flat")),
           PreviewShot(host, boost, QStringLiteral("+6 dB at 1 kHz")),
           PreviewShot(host, pass, QStringLiteral("bypassed: PASS")),
           PreviewShot(host, hover, QStringLiteral("grey curve (music page), hover"))}};
}

QImage WidgetSheet(Host& host, Language language) {
  return ComposeSheet({
      SliderRow(host, ImageSlider::kHorizontalArtwork, -80, 0, {-40, -20, -60},
                QStringLiteral("Image slider, horizontal")),
      SliderRow(host, ImageSlider::kVerticalArtwork, -150, 150, {0, 80, -100},
                QStringLiteral("Image slider, vertical (band editor)")),
      PageButtonStatesRow(host, language),
      EveryPageButtonRow(host, language),
      DialogButtonRow(host, language),
      MeterRow(host),
      PreviewRow(host),
  });
}

}  // namespace

void WriteWidgetSheets(ShotFolder& folder) {
  Host host;
  for (Language language : {Language::Chinese, Language::English}) {
    folder.Save(WidgetSheet(host, language), QStringLiteral("widgets-") + LanguageTag(language));
  }
}

}  // namespace v7::shots
