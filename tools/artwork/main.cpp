// Draws every picture the program loads, each under its file name, into a resources folder:
// <out>/png/<file name> and the program icon again as <out>/icons/v7-control.png. Run by the
// `artwork` target; its output is committed so that a normal build needs no generation step.
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ArtCanvas.h"
#include "ButtonArt.h"
#include "IconArt.h"
#include "RemoteArt.h"
#include "SliderArt.h"
#include "ui/widgets/Picture.h"

namespace v7::art {
namespace {

constexpr int kIconPixels = 256;

struct DrawnPicture {
  Picture picture;
  QImage image;
};

struct PageButtonPictures {
  PageGlyph glyph;
  QColor accent;
  QString chineseName;
  Picture chineseStandard;
  Picture chineseAlternate;
  QString englishName;
  Picture englishStandard;
  Picture englishAlternate;
};

// Page names and accent colours as the channel panel shows them, with the pictures its
// buttons load.
std::vector<PageButtonPictures> PageButtons() {
  return {
      {PageGlyph::Mic, QColor(255, 200, 0), QStringLiteral("话筒"), Picture::MicPageChinese,
       Picture::MicPageChineseShown, QStringLiteral("MIC"), Picture::MicPageEnglish,
       Picture::MicPageEnglishShown},
      {PageGlyph::Music, QColor(0, 200, 255), QStringLiteral("音乐"), Picture::MusicPageChinese,
       Picture::MusicPageChineseShown, QStringLiteral("MUSIC"), Picture::MusicPageEnglish,
       Picture::MusicPageEnglishShown},
      {PageGlyph::Echo, QColor(228, 0, 255), QStringLiteral("回声"), Picture::EchoPageChinese,
       Picture::EchoPageChineseShown, QStringLiteral("ECHO"), Picture::EchoPageEnglish,
       Picture::EchoPageEnglishShown},
      {PageGlyph::MainOut, QColor(10, 211, 126), QStringLiteral("主输出"), Picture::MainPageChinese,
       Picture::MainPageChineseShown, QStringLiteral("MAIN"), Picture::MainPageEnglish,
       Picture::MainPageEnglishShown},
      {PageGlyph::CentreOut, QColor(10, 255, 80), QStringLiteral("中置"),
       Picture::CentrePageChinese, Picture::CentrePageChineseShown, QStringLiteral("CENTER"),
       Picture::CentrePageEnglish, Picture::CentrePageEnglishShown},
      {PageGlyph::SubOut, QColor(97, 119, 245), QStringLiteral("超低"),
       Picture::SubwooferPageChinese, Picture::SubwooferPageChineseShown, QStringLiteral("SUB"),
       Picture::SubwooferPageEnglish, Picture::SubwooferPageEnglishShown},
  };
}

void AddPageButtons(std::vector<DrawnPicture>& out) {
  for (const PageButtonPictures& page : PageButtons()) {
    const PageButtonArt chinese{page.glyph, page.chineseName, page.accent, true};
    const PageButtonArt english{page.glyph, page.englishName, page.accent, false};
    out.push_back({page.chineseStandard, DrawPageButton(chinese, false)});
    out.push_back({page.chineseAlternate, DrawPageButton(chinese, true)});
    out.push_back({page.englishStandard, DrawPageButton(english, false)});
    out.push_back({page.englishAlternate, DrawPageButton(english, true)});
  }
}

std::vector<DrawnPicture> DrawAll(const QImage& icon) {
  std::vector<DrawnPicture> out = {
      {Picture::SliderTrack, DrawTrack(Qt::Horizontal)},
      {Picture::SliderThumb, DrawThumb(Qt::Horizontal, ThumbLook::Silver)},
      {Picture::SliderThumbFocused, DrawThumb(Qt::Horizontal, ThumbLook::Gold)},
      {Picture::SliderThumbDisabled, DrawThumb(Qt::Horizontal, ThumbLook::DarkGrey)},
      {Picture::VerticalSliderTrack, DrawTrack(Qt::Vertical)},
      {Picture::VerticalSliderThumb, DrawThumb(Qt::Vertical, ThumbLook::Silver)},
      {Picture::VerticalSliderThumbFocused, DrawThumb(Qt::Vertical, ThumbLook::Gold)},
      {Picture::VerticalSliderThumbDisabled, DrawThumb(Qt::Vertical, ThumbLook::DarkGrey)},
      {Picture::BackButton, DrawBackButton()},
      {Picture::DialogButton, DrawPlainButton()},
      {Picture::RemoteHandsetChinese, DrawRemoteHandset(true)},
      {Picture::RemoteHandsetEnglish, DrawRemoteHandset(false)},
      {Picture::ProgramIcon, icon},
  };
  AddPageButtons(out);
  return out;
}

// Every picture the program knows must be drawn, or the build would miss its file.
bool DrawsEveryPicture(const std::vector<DrawnPicture>& drawn) {
  bool ok = true;
  for (Picture picture : AllPictures()) {
    const bool found = std::any_of(drawn.begin(), drawn.end(), [picture](const DrawnPicture& d) {
      return d.picture == picture;
    });
    if (!found) {
      std::fprintf(stderr, "nothing draws %s\n", qPrintable(PictureFileName(picture)));
      ok = false;
    }
  }
  return ok;
}

bool WriteAll(const QString& resources) {
  const QDir root(resources);
  if (!root.mkpath(QStringLiteral("png")) || !root.mkpath(QStringLiteral("icons"))) {
    std::fprintf(stderr, "cannot create folders under %s\n", qPrintable(resources));
    return false;
  }
  const QImage icon = DrawProgramIcon(kIconPixels);
  const std::vector<DrawnPicture> drawn = DrawAll(icon);
  bool ok = DrawsEveryPicture(drawn);
  for (const DrawnPicture& picture : drawn) {
    ok &= SavePng(picture.image,
                  root.filePath(QStringLiteral("png/") + PictureFileName(picture.picture)));
  }
  ok &= SavePng(icon, root.filePath(QStringLiteral("icons/v7-control.png")));
  return ok;
}

}  // namespace
}  // namespace v7::art

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argv[0]);
    return 2;
  }
  return v7::art::WriteAll(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
