#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "ui/widgets/ImageButton.h"

namespace v7 {
namespace {

using Surface = ImageButton::Surface;

constexpr QRgb kParentColour = 0xFFF0FAFF;
constexpr auto kNoSuchPicture = static_cast<Picture>(9999);

// A parent that paints the panel colour, with one page button (the Chinese mic page).
class ButtonFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = std::make_unique<QWidget>();
    parent_->setAutoFillBackground(true);
    QPalette palette = parent_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(kParentColour));
    parent_->setPalette(palette);
    parent_->resize(300, 100);
    button_ = new ImageButton(parent_.get(), 1070);
    ASSERT_TRUE(button_->SetStandardImage(Picture::MicPageChinese));
    ASSERT_TRUE(button_->SetAlternateImage(Picture::MicPageChineseShown));
    button_->setGeometry(QRect(QPoint(3, 0), button_->sizeHint()));
    parent_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent_.get()));
  }

  // Draws the button once so that its state surfaces exist.
  QImage Drawn() { return button_->grab().toImage(); }

  void Hover(bool on) {
    if (on) {
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button_->mapToGlobal(QPointF(5, 5)));
      QApplication::sendEvent(button_, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(button_, &leave);
    }
  }

  std::unique_ptr<QWidget> parent_;
  ImageButton* button_ = nullptr;
};

struct ChoiceCase {
  bool alternateShown;
  bool down;
  bool hovered;
  Surface expected;
};

TEST_F(ButtonFixture, ChoosesTheSurfaceOfItsState) {
  const std::vector<ChoiceCase> cases = {
      {false, false, false, Surface::StandardNormal},
      {false, false, true, Surface::StandardHover},
      {false, true, true, Surface::StandardPressed},
      {true, false, false, Surface::AlternateNormal},
      {true, false, true, Surface::AlternateHover},
      {true, true, false, Surface::AlternatePressed},
      {true, true, true, Surface::AlternatePressed},
  };
  for (const ChoiceCase& c : cases) {
    button_->ShowAlternate(c.alternateShown);
    button_->setDown(c.down);
    Hover(c.hovered);
    EXPECT_EQ(button_->ChooseSurface(), c.expected) << c.alternateShown << c.down << c.hovered;
  }
}

TEST_F(ButtonFixture, PressingDoesNotChangeWhichPictureIsShown) {
  button_->ShowAlternate(true);
  QTest::mousePress(button_, Qt::LeftButton);
  EXPECT_TRUE(button_->IsAlternateShown());
  QTest::mouseRelease(button_, Qt::LeftButton);
  EXPECT_TRUE(button_->IsAlternateShown());
  button_->ShowAlternate(false);
  QTest::mouseClick(button_, Qt::LeftButton);
  EXPECT_FALSE(button_->IsAlternateShown());
}

TEST_F(ButtonFixture, BuildsItsSurfacesOnceOverTheParentsBackground) {
  Drawn();
  ASSERT_TRUE(button_->IsRendered());
  const QImage& normal = button_->StateSurface(Surface::StandardNormal);
  EXPECT_EQ(normal.size(), button_->size());
  // The artwork's transparent corner shows the captured parent colour.
  EXPECT_EQ(normal.pixel(0, 0), kParentColour);
  EXPECT_EQ(button_->StateSurface(Surface::StandardPressed), normal);
}

TEST_F(ButtonFixture, PressedAlternateIsShiftedOnePixel) {
  Drawn();
  const QImage& normal = button_->StateSurface(Surface::AlternateNormal);
  const QImage& pressed = button_->StateSurface(Surface::AlternatePressed);
  ASSERT_FALSE(pressed.isNull());
  EXPECT_NE(pressed, normal);
  for (QPoint p : {QPoint(20, 20), QPoint(100, 30), QPoint(150, 45)}) {
    EXPECT_EQ(pressed.pixel(p + QPoint(1, 1)), normal.pixel(p)) << p.x() << "," << p.y();
  }
}

TEST_F(ButtonFixture, HoverBrightensEveryChannel) {
  Drawn();
  const QImage& normal = button_->StateSurface(Surface::StandardNormal);
  const QImage& hover = button_->StateSurface(Surface::StandardHover);
  const QRgb before = normal.pixel(100, 40);
  const QRgb after = hover.pixel(100, 40);
  EXPECT_GT(qRed(after), qRed(before));
  EXPECT_GT(qGreen(after), qGreen(before));
  EXPECT_GT(qBlue(after), qBlue(before));

  Hover(true);
  EXPECT_TRUE(button_->IsHovered());
  EXPECT_EQ(Drawn().pixel(100, 40), after);
  Hover(false);
  EXPECT_FALSE(button_->IsHovered());
  EXPECT_EQ(Drawn().pixel(100, 40), before);
}

TEST_F(ButtonFixture, DrawsItsCaptionCentredInItsTextColour) {
  button_->setText(QStringLiteral("应用"));
  button_->SetTextColour(Qt::red);
  const QImage image = Drawn();
  int redPixels = 0;
  int minX = image.width();
  int maxX = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
        ++redPixels;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
      }
    }
  }
  ASSERT_GT(redPixels, 10);
  EXPECT_NEAR((minX + maxX) / 2.0, image.width() / 2.0, 3.0);
}

TEST_F(ButtonFixture, DoubleClickCountsAsASecondClick) {
  QSignalSpy clicks(button_, &ImageButton::clicked);
  QTest::mouseClick(button_, Qt::LeftButton);
  // The second press of a double click arrives as a double-click event, then the release.
  QTest::mouseDClick(button_, Qt::LeftButton);
  QTest::mouseRelease(button_, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonFixture, NewPicturesRebuildTheSurfacesOverTheSameBackground) {
  Drawn();
  ASSERT_TRUE(button_->SetStandardImage(Picture::MicPageEnglish));
  EXPECT_FALSE(button_->IsRendered());
  Drawn();
  EXPECT_TRUE(button_->IsRendered());
  EXPECT_EQ(button_->StateSurface(Surface::StandardNormal).pixel(0, 0), kParentColour);
}

// A parent whose every column has its own colour, so a capture from the wrong place shows.
class StripedParent : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int x = 0; x < width(); ++x) painter.fillRect(x, 0, 1, height(), QColor(x % 256, 0, 0));
  }
};

TEST(ImageButtonTest, CapturesTheParentsPixelsUnderItsOwnRectangle) {
  StripedParent parent;
  parent.resize(300, 100);
  auto* button = new ImageButton(&parent);
  ASSERT_TRUE(button->SetStandardImage(Picture::MicPageChinese));
  button->setGeometry(QRect(QPoint(40, 20), button->sizeHint()));
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  button->grab();
  // The artwork's transparent corner shows the parent's column 40.
  EXPECT_EQ(button->StateSurface(Surface::StandardNormal).pixel(0, 0), qRgb(40, 0, 0));
}

TEST(ImageButtonTest, WithoutAlternateShowsTheStandardPicture) {
  ImageButton button;
  ASSERT_TRUE(button.SetStandardImage(Picture::DialogButton));
  button.resize(button.sizeHint());
  button.ShowAlternate(true);
  EXPECT_FALSE(button.HasAlternate());
  EXPECT_EQ(button.ChooseSurface(), Surface::StandardNormal);
  button.setDown(true);
  EXPECT_EQ(button.ChooseSurface(), Surface::StandardPressed);
  button.grab();
  EXPECT_TRUE(button.StateSurface(Surface::AlternateNormal).isNull());
}

TEST(ImageButtonTest, MissingPictureLeavesTheButtonUndrawn) {
  ImageButton button;
  EXPECT_FALSE(button.SetStandardImage(kNoSuchPicture));
  EXPECT_FALSE(button.SetAlternateImage(kNoSuchPicture));
  EXPECT_FALSE(button.HasAlternate());
  button.resize(40, 20);
  button.grab();
  EXPECT_FALSE(button.IsRendered());
}

TEST(ImageButtonTest, SuppliedBackgroundIsUsedInsteadOfACapture) {
  ImageButton button;
  ASSERT_TRUE(button.SetStandardImage(Picture::DialogButton));
  button.resize(button.sizeHint());
  QImage background(button.size(), QImage::Format_ARGB32_Premultiplied);
  background.fill(Qt::magenta);
  button.SetBackground(background);
  button.grab();
  // The dialog button's face is opaque apart from its rounded corners.
  EXPECT_EQ(button.StateSurface(Surface::StandardNormal).pixel(0, 0), QColor(Qt::magenta).rgba());
}

}  // namespace
}  // namespace v7
