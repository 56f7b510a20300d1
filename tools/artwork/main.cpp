// Draws every picture the program loads by id, plus the program icon, into a resources
// folder: <out>/png/<id>.png and <out>/icons/v7-control.png. Run by the `artwork` target;
// its output is committed so that a normal build needs no generation step.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <vector>

#include "ArtCanvas.h"
#include "ButtonArt.h"
#include "IconArt.h"
#include "SliderArt.h"

namespace v7::art {
namespace {

struct Picture {
  int id;
  QImage image;
};

struct PageButtonIds {
  PageGlyph glyph;
  QColor accent;
  QString chineseName;
  int chineseStandard;
  int chineseAlternate;
  QString englishName;
  int englishStandard;
  int englishAlternate;
};

// Page names and accent colours as the channel panel shows them, with the picture ids
// its buttons load.
std::vector<PageButtonIds> PageButtons() {
  return {
      {PageGlyph::Mic, QColor(255, 200, 0), QStringLiteral("话筒"), 432, 438, QStringLiteral("MIC"),
       447, 448},
      {PageGlyph::Music, QColor(0, 200, 255), QStringLiteral("音乐"), 433, 439,
       QStringLiteral("MUSIC"), 449, 450},
      {PageGlyph::Echo, QColor(228, 0, 255), QStringLiteral("回声"), 430, 436,
       QStringLiteral("ECHO"), 443, 444},
      {PageGlyph::MainOut, QColor(10, 211, 126), QStringLiteral("主输出"), 431, 437,
       QStringLiteral("MAIN"), 445, 446},
      {PageGlyph::CentreOut, QColor(10, 255, 80), QStringLiteral("中置"), 429, 435,
       QStringLiteral("CENTER"), 441, 442},
      {PageGlyph::SubOut, QColor(97, 119, 245), QStringLiteral("超低"), 434, 440,
       QStringLiteral("SUB"), 451, 452},
  };
}

void AddPageButtons(std::vector<Picture>& out) {
  for (const PageButtonIds& page : PageButtons()) {
    const PageButtonArt chinese{page.glyph, page.chineseName, page.accent, true};
    const PageButtonArt english{page.glyph, page.englishName, page.accent, false};
    out.push_back({page.chineseStandard, DrawPageButton(chinese, false)});
    out.push_back({page.chineseAlternate, DrawPageButton(chinese, true)});
    out.push_back({page.englishStandard, DrawPageButton(english, false)});
    out.push_back({page.englishAlternate, DrawPageButton(english, true)});
  }
}

std::vector<Picture> AllPictures() {
  std::vector<Picture> out = {
      {324, DrawTrack(Qt::Horizontal)},
      {320, DrawThumb(Qt::Horizontal, ThumbLook::Silver)},
      {369, DrawThumb(Qt::Horizontal, ThumbLook::Gold)},
      {325, DrawThumb(Qt::Horizontal, ThumbLook::DarkGrey)},
      {454, DrawTrack(Qt::Vertical)},
      {457, DrawThumb(Qt::Vertical, ThumbLook::Silver)},
      {456, DrawThumb(Qt::Vertical, ThumbLook::Gold)},
      {458, DrawThumb(Qt::Vertical, ThumbLook::DarkGrey)},
      {397, DrawBackButton()},
      {413, DrawPlainButton()},
  };
  AddPageButtons(out);
  return out;
}

bool WriteAll(const QString& resources) {
  const QDir root(resources);
  if (!root.mkpath(QStringLiteral("png")) || !root.mkpath(QStringLiteral("icons"))) {
    std::fprintf(stderr, "cannot create folders under %s\n", qPrintable(resources));
    return false;
  }
  bool ok = true;
  for (const Picture& picture : AllPictures()) {
    ok &= SavePng(picture.image, root.filePath(QStringLiteral("png/%1.png").arg(picture.id)));
  }
  const QImage icon = DrawProgramIcon(256);
  ok &= SavePng(icon, root.filePath(QStringLiteral("icons/v7-control.png")));
  ok &= SavePng(icon, root.filePath(QStringLiteral("png/v7-control.png")));
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
