#include <gtest/gtest.h>

#include <QSize>
#include <vector>

#include "ui/widgets/PngResource.h"

namespace v7 {
namespace {

struct PictureCase {
  std::vector<int> ids;
  QSize size;
};

// Every picture the windows load by id is compiled in, at the size its users rely on.
TEST(PngResourceTest, EveryPictureIsThereAtItsSize) {
  const std::vector<PictureCase> cases = {
      {{324}, {131, 22}},         {{454}, {22, 131}}, {{320, 369, 325}, {19, 9}},
      {{457, 456, 458}, {9, 19}}, {{397}, {64, 61}},  {{413}, {75, 27}},
  };
  for (const PictureCase& c : cases) {
    for (int id : c.ids) {
      QImage image;
      ASSERT_TRUE(LoadPngResource(id, image)) << id;
      EXPECT_EQ(image.size(), c.size) << id;
      EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << id;
    }
  }
  for (int id = 429; id <= 452; ++id) {
    EXPECT_EQ(PngResource(id).size(), QSize(213, 61)) << id;
  }
}

TEST(PngResourceTest, MissingPictureLeavesANullImage) {
  QImage image(4, 4, QImage::Format_ARGB32);
  EXPECT_FALSE(LoadPngResource(12345, image));
  EXPECT_TRUE(image.isNull());
  EXPECT_TRUE(PngResource(-1).isNull());
}

}  // namespace
}  // namespace v7
