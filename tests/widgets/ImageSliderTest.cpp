#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "ui/widgets/ImageSlider.h"
#include "ui/widgets/Picture.h"

namespace v7 {
namespace {

constexpr int kSliderId = 1052;

// A shown dialog-like parent with one slider in the panels' horizontal or vertical look.
class SliderFixture : public ::testing::Test {
 protected:
  void Make(const ImageSlider::Artwork& artwork, int minimum, int maximum) {
    parent_ = std::make_unique<QWidget>();
    parent_->resize(200, 200);
    slider_ = new ImageSlider(parent_.get(), kSliderId);
    ASSERT_TRUE(slider_->LoadArtwork(artwork));
    slider_->resize(slider_->sizeHint());
    slider_->SetRange(minimum, maximum);
    changed_ = std::make_unique<QSignalSpy>(slider_, &ImageSlider::ValueChanged);
    focused_ = std::make_unique<QSignalSpy>(slider_, &ImageSlider::SliderFocused);
    parent_->show();
    parent_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(parent_.get()));
    // Activation hands the focus to the first focusable child; tests start without it.
    slider_->clearFocus();
    QApplication::processEvents();
    changed_->clear();
    focused_->clear();
  }

  void Click(QPoint at) { QTest::mouseClick(slider_, Qt::LeftButton, Qt::NoModifier, at); }

  void Wheel(int delta) {
    QWheelEvent wheel(QPointF(5, 5), slider_->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider_, &wheel);
  }

  // Values carried by the change signals delivered so far.
  std::vector<int> Posted() {
    QApplication::processEvents();
    std::vector<int> values;
    for (const QList<QVariant>& args : *changed_) {
      EXPECT_EQ(args.at(0).toInt(), kSliderId);
      values.push_back(args.at(1).toInt());
    }
    changed_->clear();
    return values;
  }

  std::unique_ptr<QWidget> parent_;
  ImageSlider* slider_ = nullptr;
  std::unique_ptr<QSignalSpy> changed_;
  std::unique_ptr<QSignalSpy> focused_;
};

TEST(ImageSliderInitialTest, StartsWithTheDocumentedValues) {
  ImageSlider slider;
  EXPECT_EQ(slider.Maximum(), 127);
  EXPECT_EQ(slider.Minimum(), 0);
  EXPECT_EQ(slider.Value(), 0);
  EXPECT_FALSE(slider.IsDragging());
  EXPECT_FALSE(slider.IsVertical());
  EXPECT_TRUE(slider.IsSliderEnabled());
  EXPECT_FALSE(slider.IsFocused());
  EXPECT_EQ(slider.ThumbRect(), QRect(0, 0, 0, 0));
}

TEST(ImageSliderInitialTest, EqualRangeEndsKeepTheThumbAtTheStart) {
  ImageSlider slider;
  ASSERT_TRUE(slider.LoadArtwork(ImageSlider::kHorizontalArtwork));
  slider.SetRange(5, 5);
  slider.SetValue(9);
  EXPECT_EQ(slider.Value(), 5);
  EXPECT_EQ(slider.ThumbPixel(), 7);
  EXPECT_EQ(slider.ValueAtPixel(60), 5);
}

TEST_F(SliderFixture, ArtworkGivesTheDrawingAndThumbSizes) {
  Make(ImageSlider::kHorizontalArtwork, -80, 0);
  EXPECT_EQ(slider_->sizeHint(), QSize(131, 22));
  EXPECT_EQ(slider_->ThumbRect().size(), QSize(19, 9));
  Make(ImageSlider::kVerticalArtwork, -150, 150);
  EXPECT_EQ(slider_->sizeHint(), QSize(22, 131));
  EXPECT_EQ(slider_->ThumbRect().size(), QSize(9, 19));
}

TEST_F(SliderFixture, HorizontalThumbFollowsTheValue) {
  Make(ImageSlider::kHorizontalArtwork, -80, 0);
  const std::vector<std::pair<int, int>> cases = {
      {-80, 7}, {0, 105}, {-40, 56}, {-200, 7}, {30, 105}};
  for (const auto& [value, x] : cases) {
    slider_->SetValue(value);
    EXPECT_EQ(slider_->ThumbRect(), QRect(x, 3, 19, 9)) << value;
  }
  EXPECT_TRUE(Posted().empty()) << "SetValue posts nothing";
}

TEST_F(SliderFixture, ClickBesideTheThumbStepsOnceTowardsThePointer) {
  Make(ImageSlider::kHorizontalArtwork, -80, 0);
  slider_->SetValue(-40);
  Click({125, 8});
  EXPECT_EQ(slider_->Value(), -39);
  Click({2, 8});
  Click({2, 8});
  EXPECT_EQ(slider_->Value(), -41);
  EXPECT_EQ(Posted(), (std::vector<int>{-39, -40, -41}));
  EXPECT_TRUE(slider_->hasFocus());
}

TEST_F(SliderFixture, ClickOnTheThumbPostsTheUnchangedValueAndDrags) {
  Make(ImageSlider::kHorizontalArtwork, -80, 0);
  slider_->SetValue(-40);
  const QPoint thumb = slider_->ThumbRect().center();
  QTest::mousePress(slider_, Qt::LeftButton, Qt::NoModifier, thumb);
  EXPECT_TRUE(slider_->IsDragging());
  EXPECT_EQ(Posted(), std::vector<int>{-40});

  // The thumb's left edge follows the pointer minus half the thumb: 105 - 9 is value 0.
  QTest::mouseMove(slider_, QPoint(114, 8));
  EXPECT_EQ(slider_->Value(), 0);
  QTest::mouseMove(slider_, QPoint(16 + 49, 8));
  EXPECT_EQ(slider_->Value(), -40);
  QTest::mouseMove(slider_, QPoint(-300, 8));
  EXPECT_EQ(slider_->Value(), -80);
  EXPECT_EQ(Posted(), (std::vector<int>{0, -40, -80}));

  QTest::mouseRelease(slider_, Qt::LeftButton, Qt::NoModifier, QPoint(-300, 8));
  EXPECT_FALSE(slider_->IsDragging());
  QTest::mouseMove(slider_, QPoint(60, 8));
  EXPECT_EQ(slider_->Value(), -80) << "a move without a drag does nothing";
  EXPECT_TRUE(Posted().empty()) << "a release posts nothing";
}

TEST_F(SliderFixture, VerticalSliderHasItsMaximumAtTheTop) {
  Make(ImageSlider::kVerticalArtwork, -150, 150);
  slider_->SetValue(150);
  EXPECT_EQ(slider_->ThumbRect(), QRect(3, 7, 9, 19));
  slider_->SetValue(0);
  Click({7, 125});
  EXPECT_EQ(slider_->Value(), -1);
  Click({7, 1});
  Click({7, 1});
  EXPECT_EQ(slider_->Value(), 1);
  EXPECT_EQ(slider_->ValueAtPixel(7), 150);
  EXPECT_EQ(slider_->ValueAtPixel(-40), 150);
  EXPECT_EQ(slider_->ValueAtPixel(500), -150);
}

TEST_F(SliderFixture, ArrowKeysStepAndPostOtherKeysDoNot) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->setFocus();
  slider_->SetValue(5);
  const std::vector<std::pair<Qt::Key, int>> keys = {
      {Qt::Key_Left, 4}, {Qt::Key_Down, 3}, {Qt::Key_Up, 4}, {Qt::Key_Right, 5}};
  for (const auto& [key, expected] : keys) {
    QTest::keyClick(slider_, key);
    EXPECT_EQ(slider_->Value(), expected) << key;
  }
  QTest::keyClick(slider_, Qt::Key_A);
  QTest::keyClick(slider_, Qt::Key_PageUp);
  EXPECT_EQ(Posted(), (std::vector<int>{4, 3, 4, 5}));
  slider_->SetValue(10);
  QTest::keyClick(slider_, Qt::Key_Right);
  EXPECT_EQ(Posted(), std::vector<int>{10}) << "limited to the range, posted all the same";
}

TEST_F(SliderFixture, ClaimsArrowKeysButNotTab) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab}) {
    QKeyEvent query(QEvent::ShortcutOverride, key, Qt::NoModifier);
    query.ignore();
    QApplication::sendEvent(slider_, &query);
    EXPECT_EQ(query.isAccepted(), key != Qt::Key_Tab) << key;
  }
}

TEST_F(SliderFixture, WheelStepsOncePerEventAndAlwaysPosts) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->SetValue(5);
  Wheel(-360);
  Wheel(15);
  Wheel(0);
  EXPECT_EQ(slider_->Value(), 5);
  EXPECT_EQ(Posted(), (std::vector<int>{4, 5, 5}));
}

TEST_F(SliderFixture, DisabledSliderIgnoresMouseAndKeysButFollowsTheWheel) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->SetValue(5);
  slider_->setFocus();
  slider_->SetSliderEnabled(false);
  Click({125, 8});
  QTest::mousePress(slider_, Qt::LeftButton, Qt::NoModifier, slider_->ThumbRect().center());
  EXPECT_FALSE(slider_->IsDragging());
  QTest::keyClick(slider_, Qt::Key_Right);
  EXPECT_EQ(slider_->Value(), 5);
  EXPECT_TRUE(Posted().empty());
  Wheel(120);
  EXPECT_EQ(slider_->Value(), 6);
  EXPECT_EQ(Posted(), std::vector<int>{6});
}

TEST_F(SliderFixture, DisabledSliderDoesNotTakeTheFocusOnAClick) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->SetSliderEnabled(false);
  Click({125, 8});
  EXPECT_FALSE(slider_->hasFocus());
}

TEST_F(SliderFixture, FocusIsShownAndAnnounced) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(slider_->IsFocused());
  ASSERT_EQ(focused_->count(), 1);
  EXPECT_EQ(focused_->at(0).at(0).toInt(), kSliderId);
  slider_->clearFocus();
  EXPECT_FALSE(slider_->IsFocused());
}

TEST_F(SliderFixture, ChangesArriveAfterTheSlidersOwnHandling) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  int seenValue = -1;
  QObject::connect(slider_, &ImageSlider::ValueChanged,
                   [&](int, int) { seenValue = slider_->Value(); });
  Click({125, 8});
  EXPECT_EQ(changed_->count(), 0) << "queued, not delivered inside the press";
  QApplication::processEvents();
  EXPECT_EQ(seenValue, 1);
}

// The picture drawn at the thumb's centre for each look.
TEST_F(SliderFixture, DrawsTheThumbLookOfItsState) {
  Make(ImageSlider::kHorizontalArtwork, 0, 10);
  slider_->SetValue(3);
  const QPoint centre = slider_->ThumbRect().center() + QPoint(-3, 0);
  const QPoint inThumb = centre - slider_->ThumbRect().topLeft();
  auto drawn = [&] { return slider_->grab().toImage().pixel(centre); };
  auto picture = [&](Picture p) { return LoadPicture(p).pixel(inThumb); };

  EXPECT_EQ(drawn(), picture(Picture::SliderThumb));
  slider_->setFocus();
  EXPECT_EQ(drawn(), picture(Picture::SliderThumbFocused));
  slider_->SetSliderEnabled(false);
  EXPECT_EQ(drawn(), picture(Picture::SliderThumbDisabled));
  // Outside the track's opaque parts the clear colour shows.
  EXPECT_EQ(slider_->grab().toImage().pixel(0, 0), ImageSlider::kPanelClearColour);
}

}  // namespace
}  // namespace v7
