#include "ui/widgets/Picture.h"

#include <QFile>
#include <algorithm>
#include <array>

namespace v7 {
namespace {

struct PictureFile {
  Picture picture;
  const char* fileName;
};

// The one place where a picture meets its file.
constexpr std::array kPictureFiles = {
    PictureFile{Picture::SliderTrack, "slider-track.png"},
    PictureFile{Picture::SliderThumb, "slider-thumb.png"},
    PictureFile{Picture::SliderThumbFocused, "slider-thumb-focused.png"},
    PictureFile{Picture::SliderThumbDisabled, "slider-thumb-disabled.png"},
    PictureFile{Picture::VerticalSliderTrack, "vertical-slider-track.png"},
    PictureFile{Picture::VerticalSliderThumb, "vertical-slider-thumb.png"},
    PictureFile{Picture::VerticalSliderThumbFocused, "vertical-slider-thumb-focused.png"},
    PictureFile{Picture::VerticalSliderThumbDisabled, "vertical-slider-thumb-disabled.png"},
    PictureFile{Picture::BackButton, "back-button.png"},
    PictureFile{Picture::DialogButton, "dialog-button.png"},
    PictureFile{Picture::MicPageChinese, "page-mic-zh.png"},
    PictureFile{Picture::MicPageChineseShown, "page-mic-zh-shown.png"},
    PictureFile{Picture::MusicPageChinese, "page-music-zh.png"},
    PictureFile{Picture::MusicPageChineseShown, "page-music-zh-shown.png"},
    PictureFile{Picture::EchoPageChinese, "page-echo-zh.png"},
    PictureFile{Picture::EchoPageChineseShown, "page-echo-zh-shown.png"},
    PictureFile{Picture::MainPageChinese, "page-main-zh.png"},
    PictureFile{Picture::MainPageChineseShown, "page-main-zh-shown.png"},
    PictureFile{Picture::CentrePageChinese, "page-centre-zh.png"},
    PictureFile{Picture::CentrePageChineseShown, "page-centre-zh-shown.png"},
    PictureFile{Picture::SubwooferPageChinese, "page-subwoofer-zh.png"},
    PictureFile{Picture::SubwooferPageChineseShown, "page-subwoofer-zh-shown.png"},
    PictureFile{Picture::MicPageEnglish, "page-mic-en.png"},
    PictureFile{Picture::MicPageEnglishShown, "page-mic-en-shown.png"},
    PictureFile{Picture::MusicPageEnglish, "page-music-en.png"},
    PictureFile{Picture::MusicPageEnglishShown, "page-music-en-shown.png"},
    PictureFile{Picture::EchoPageEnglish, "page-echo-en.png"},
    PictureFile{Picture::EchoPageEnglishShown, "page-echo-en-shown.png"},
    PictureFile{Picture::MainPageEnglish, "page-main-en.png"},
    PictureFile{Picture::MainPageEnglishShown, "page-main-en-shown.png"},
    PictureFile{Picture::CentrePageEnglish, "page-centre-en.png"},
    PictureFile{Picture::CentrePageEnglishShown, "page-centre-en-shown.png"},
    PictureFile{Picture::SubwooferPageEnglish, "page-subwoofer-en.png"},
    PictureFile{Picture::SubwooferPageEnglishShown, "page-subwoofer-en-shown.png"},
    PictureFile{Picture::RemoteHandsetChinese, "remote-handset-zh.png"},
    PictureFile{Picture::RemoteHandsetEnglish, "remote-handset-en.png"},
    PictureFile{Picture::ProgramIcon, "v7-control.png"},
};

constexpr char kResourceFolder[] = ":/png/";

}  // namespace

std::vector<Picture> AllPictures() {
  std::vector<Picture> pictures;
  for (const PictureFile& entry : kPictureFiles) pictures.push_back(entry.picture);
  return pictures;
}

QString PictureFileName(Picture picture) {
  const auto* it = std::find_if(kPictureFiles.begin(), kPictureFiles.end(),
                                [picture](const PictureFile& e) { return e.picture == picture; });
  return it == kPictureFiles.end() ? QString() : QString::fromLatin1(it->fileName);
}

QString PicturePath(Picture picture) {
  const QString fileName = PictureFileName(picture);
  return fileName.isEmpty() ? QString() : QLatin1String(kResourceFolder) + fileName;
}

QImage LoadPicture(Picture picture) {
  const QString path = PicturePath(picture);
  if (path.isEmpty()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  QImage decoded;
  if (bytes.isEmpty() || !decoded.loadFromData(bytes, "PNG")) return {};
  return decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace v7
