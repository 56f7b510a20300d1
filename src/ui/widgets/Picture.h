// Pictures compiled into the program, each reached by its name.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace v7 {

enum class Picture {
  // Horizontal sliders: a 131 x 22 track with tick marks that doubles as the fill, and
  // 19 x 9 thumbs.
  SliderTrack,
  SliderThumb,
  SliderThumbFocused,
  SliderThumbDisabled,
  // The band editor's vertical sliders: a 22 x 131 track and 9 x 19 thumbs.
  VerticalSliderTrack,
  VerticalSliderThumb,
  VerticalSliderThumbFocused,
  VerticalSliderThumbDisabled,
  // 64 x 61: the channel panel's way back to the mic page.
  BackButton,
  // 75 x 27: the face of the dialogs' captioned buttons (Apply, Cancel, ...).
  DialogButton,
  // 213 x 61 channel page buttons: the page's name in its colour, in Chinese or English;
  // the "Shown" picture marks the page on screen.
  MicPageChinese,
  MicPageChineseShown,
  MusicPageChinese,
  MusicPageChineseShown,
  EchoPageChinese,
  EchoPageChineseShown,
  MainPageChinese,
  MainPageChineseShown,
  CentrePageChinese,
  CentrePageChineseShown,
  SubwooferPageChinese,
  SubwooferPageChineseShown,
  MicPageEnglish,
  MicPageEnglishShown,
  MusicPageEnglish,
  MusicPageEnglishShown,
  EchoPageEnglish,
  EchoPageEnglishShown,
  MainPageEnglish,
  MainPageEnglishShown,
  CentrePageEnglish,
  CentrePageEnglishShown,
  SubwooferPageEnglish,
  SubwooferPageEnglishShown,
  // 180 x 330: the remote control handset with its keys labelled, in Chinese or English.
  RemoteHandsetChinese,
  RemoteHandsetEnglish,
  // 256 x 256: the program's icon.
  ProgramIcon,
};

// Every picture, each once.
std::vector<Picture> AllPictures();

// The picture's file in resources/png, e.g. "slider-thumb.png"; empty for a value that
// names no picture.
QString PictureFileName(Picture picture);

// Where the picture is compiled in: ":/png/" and its file name.
QString PicturePath(Picture picture);

// The picture as a 32-bit image with premultiplied alpha; a null image when it is missing,
// empty or does not decode.
QImage LoadPicture(Picture picture);

}  // namespace v7
