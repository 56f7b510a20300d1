#include <gtest/gtest.h>

#include <QSize>
#include <QString>
#include <set>
#include <vector>

#include "ui/widgets/Picture.h"

namespace v7 {
namespace {

struct PictureCase {
  std::vector<Picture> pictures;
  QSize size;
};

// Every picture the windows load is compiled in, at the size its users rely on.
TEST(PictureTest, EveryPictureIsThereAtItsSize) {
  const std::vector<PictureCase> cases = {
      {{Picture::SliderTrack}, {131, 22}},
      {{Picture::VerticalSliderTrack}, {22, 131}},
      {{Picture::SliderThumb, Picture::SliderThumbFocused, Picture::SliderThumbDisabled}, {19, 9}},
      {{Picture::VerticalSliderThumb, Picture::VerticalSliderThumbFocused,
        Picture::VerticalSliderThumbDisabled},
       {9, 19}},
      {{Picture::BackButton}, {64, 61}},
      {{Picture::DialogButton}, {75, 27}},
      {{Picture::MicPageChinese,       Picture::MicPageChineseShown,
        Picture::MusicPageChinese,     Picture::MusicPageChineseShown,
        Picture::EchoPageChinese,      Picture::EchoPageChineseShown,
        Picture::MainPageChinese,      Picture::MainPageChineseShown,
        Picture::CentrePageChinese,    Picture::CentrePageChineseShown,
        Picture::SubwooferPageChinese, Picture::SubwooferPageChineseShown,
        Picture::MicPageEnglish,       Picture::MicPageEnglishShown,
        Picture::MusicPageEnglish,     Picture::MusicPageEnglishShown,
        Picture::EchoPageEnglish,      Picture::EchoPageEnglishShown,
        Picture::MainPageEnglish,      Picture::MainPageEnglishShown,
        Picture::CentrePageEnglish,    Picture::CentrePageEnglishShown,
        Picture::SubwooferPageEnglish, Picture::SubwooferPageEnglishShown},
       {213, 61}},
      {{Picture::RemoteHandsetChinese, Picture::RemoteHandsetEnglish}, {180, 330}},
      {{Picture::ProgramIcon}, {256, 256}},
  };
  std::size_t checked = 0;
  for (const PictureCase& c : cases) {
    for (Picture picture : c.pictures) {
      const QImage image = LoadPicture(picture);
      const QString name = PictureFileName(picture);
      ASSERT_FALSE(image.isNull()) << name.toStdString();
      EXPECT_EQ(image.size(), c.size) << name.toStdString();
      EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << name.toStdString();
      ++checked;
    }
  }
  EXPECT_EQ(checked, AllPictures().size()) << "a picture without a size check";
}

TEST(PictureTest, EachPictureHasItsOwnFile) {
  std::set<QString> names;
  for (Picture picture : AllPictures()) {
    const QString name = PictureFileName(picture);
    EXPECT_TRUE(name.endsWith(QStringLiteral(".png"))) << name.toStdString();
    EXPECT_EQ(PicturePath(picture), QStringLiteral(":/png/") + name);
    EXPECT_TRUE(names.insert(name).second) << name.toStdString() << " twice";
  }
}

TEST(PictureTest, AValueThatNamesNoPictureLoadsANullImage) {
  const auto none = static_cast<Picture>(-1);
  EXPECT_TRUE(PictureFileName(none).isEmpty());
  EXPECT_TRUE(PicturePath(none).isEmpty());
  EXPECT_TRUE(LoadPicture(none).isNull());
}

}  // namespace
}  // namespace v7
