// What each page of the channel panel shows, its colours, texts, layout and keyboard handling.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

#include "PanelFixture.h"
#include "ui/panels/BandTable.h"
#include "ui/panels/EchoPreviewArea.h"
#include "ui/panels/MicSubGroup.h"
#include "ui/panels/PageButtons.h"
#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqPreview.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/LevelMeter.h"

namespace v7::test {
namespace {

enum Look { H, S, D };  // hidden, shown, shown but greyed

struct PageLook {
  int page;
  std::vector<int> shownButtons;  // English set
  Look back, meters, upperRows, gateRow, echoPreview, micSub;
  QRgb accent;
};

const PageLook kPages[] = {
    {kPageMic, {1076, 1077}, H, S, S, S, S, H, 0xFFFFC800},
    {kPageMusic, {1076, 1077}, H, S, D, S, D, H, 0xFF00C8FF},
    {kPageEcho, {1081}, S, H, H, H, H, H, 0xFFE400FF},
    {kPageMain, {1078, 1079, 1080}, H, H, S, H, H, H, 0xFF0AD37E},
    {kPageCenter, {1078, 1079, 1080}, H, H, S, H, H, H, 0xFF0AFF50},
    {kPageSub, {1078, 1079, 1080}, H, H, S, H, H, S, 0xFF6177F5},
};

Look LookOf(const QWidget* w) {
  if (w->isHidden()) return H;
  return w->isEnabled() ? S : D;
}

Look SliderLook(const ImageSlider* s) {
  if (s->isHidden()) return H;
  return s->IsSliderEnabled() ? S : D;
}

class PageLookTest : public PanelFixture, public ::testing::WithParamInterface<PageLook> {};

TEST_P(PageLookTest, ShowsHidesAndGreysAsThePageWants) {
  const PageLook& want = GetParam();
  Make(want.page);
  for (int id = 1070; id <= 1081; ++id) {
    ImageButton* button = panel->Buttons().Button(id);
    const bool shown = std::count(want.shownButtons.begin(), want.shownButtons.end(), id) > 0;
    EXPECT_EQ(!button->isHidden(), shown) << id;
    if (shown) {
      EXPECT_EQ(button->IsAlternateShown(), PageButtons::PageOfButton(id) == want.page);
    }
  }
  EXPECT_EQ(LookOf(panel->Buttons().Back()), want.back);
  EXPECT_EQ(LookOf(panel->Meter(0)), want.meters);
  EXPECT_EQ(LookOf(panel->Meter(1)), want.meters);
  for (int row = 0; row < 4; ++row) {
    const Look look = row == 3 ? want.gateRow : want.upperRows;
    EXPECT_EQ(LookOf(panel->Rows().Caption(row)), look) << row;
    EXPECT_EQ(LookOf(panel->Rows().Label(row)), look) << row;
    EXPECT_EQ(SliderLook(panel->Rows().Slider(row)), look) << row;
  }
  EXPECT_EQ(LookOf(panel->EchoPreview().Preview()), want.echoPreview);
  EXPECT_EQ(LookOf(panel->EchoPreview().Caption()), want.echoPreview);
  EXPECT_EQ(LookOf(panel->EchoPreview().Hint()), want.echoPreview);
  EXPECT_EQ(LookOf(panel->MicSub().Slider(AutoSubControl::Ratio)), want.micSub);
  EXPECT_EQ(LookOf(panel->findChild<QGroupBox*>()), want.micSub);
  EXPECT_EQ(panel->AccentColour().rgba(), want.accent);
  EXPECT_EQ(panel->grab().toImage().pixel(500, 66), want.accent);
  EXPECT_TRUE(panel->Graph()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageLookTest, ::testing::ValuesIn(kPages));

TEST_F(PanelFixture, SliderRangesFollowThePage) {
  Make(kPageMic);
  const std::pair<int, int> echo[] = {{-80, 0}, {-100, -20}, {0, 730}, {-88, -20}};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(RowSlider(row)->Minimum(), echo[row].first);
    EXPECT_EQ(RowSlider(row)->Maximum(), echo[row].second);
  }
  for (int page : {kPageMusic, kPageEcho}) {  // these pages keep the ranges
    panel->SetPage(page);
    EXPECT_EQ(RowSlider(2)->Maximum(), 730);
  }
  panel->SetPage(kPageSub);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(RowSlider(row)->Minimum(), -80);
    EXPECT_EQ(RowSlider(row)->Maximum(), 0);
  }
  EXPECT_EQ(RowSlider(3)->Minimum(), -88);
}

TEST_F(PanelFixture, PageButtonsBackButtonAndEchoPreviewChooseThePage) {
  Make(kPageMic);
  QTest::mouseClick(panel->Buttons().Button(1077), Qt::LeftButton);
  EXPECT_EQ(panel->Page(), kPageMusic);
  // Greyed on the music page: a click does not open the echo page.
  QTest::mouseClick(panel->EchoPreview().Preview(), Qt::LeftButton);
  EXPECT_EQ(panel->Page(), kPageMusic);
  QTest::mouseClick(panel->Buttons().Button(1076), Qt::LeftButton);
  QTest::mouseClick(panel->EchoPreview().Preview(), Qt::LeftButton);
  EXPECT_EQ(panel->Page(), kPageEcho);
  QTest::mouseClick(panel->Buttons().Back(), Qt::LeftButton);
  EXPECT_EQ(panel->Page(), kPageMic);
}

TEST_F(PanelFixture, TheShownPagesButtonDoesNothingButSetPageRefreshes) {
  image.dsp.echoVolume = -12;
  Make(kPageMic);
  image.dsp.echoVolume = -30;
  QTest::mouseClick(panel->Buttons().Button(1076), Qt::LeftButton);
  EXPECT_EQ(panel->Rows().Label(0)->text(), QStringLiteral("-12dB"));
  panel->SetPage(kPageMic);
  EXPECT_EQ(panel->Rows().Label(0)->text(), QStringLiteral("-30dB"));
}

TEST_F(PanelFixture, EchoPreviewShowsTheEchoBlockGreyOnTheMusicPage) {
  image.dsp.echoEqBypass = 1;
  image.PutEqBand(kPageEcho, 0, {6.0f, 1000, 0.05f, 1});   // a PEQ's Q stays at 1 or more
  image.PutEqBand(kPageEcho, 1, {3.0f, 200, 0.0f, 2});     // no Q stored: a pass keeps 0.7
  image.PutEqBand(kPageEcho, 2, {-4.0f, 5000, 40.0f, 9});  // unknown type: off
  Make(kPageMusic);
  const EqPreview* preview = panel->EchoPreview().Preview();
  EXPECT_TRUE(preview->IsBypassed());
  EXPECT_EQ(preview->CurveColour(), QColor(100, 100, 100));
  EXPECT_FLOAT_EQ(preview->Band(0).q, 1.0f);
  EXPECT_FLOAT_EQ(preview->Band(0).gain, 6.0f);
  EXPECT_FLOAT_EQ(preview->Band(0).frequency, 1000.0f);
  EXPECT_FLOAT_EQ(preview->Band(1).q, 0.7f);
  EXPECT_EQ(preview->Band(2).type, FilterType::Off);
  EXPECT_FLOAT_EQ(preview->Band(2).q, 30.0f);
  panel->SetPage(kPageMic);
  EXPECT_EQ(preview->CurveColour(), QColor(0, 200, 255));
}

TEST_F(PanelFixture, ResizingStretchesTheGraphAndKeepsTheBackButtonAtTheRightEdge) {
  Make(kPageEcho);
  const QRect back = panel->Buttons().Back()->geometry();
  const int rightGap = panel->width() - back.right();
  const QPoint graphAt = panel->Graph()->pos();
  for (const QSize size : {QSize(1200, 640), QSize(800, 500)}) {
    panel->resize(size);
    EXPECT_EQ(panel->Graph()->geometry(),
              QRect(graphAt, QSize(size.width() - graphAt.x(), size.height() - graphAt.y())));
    EXPECT_EQ(panel->BandArea()->height(), size.height() - graphAt.y());
    EXPECT_EQ(panel->width() - panel->Buttons().Back()->geometry().right(), rightGap);
    EXPECT_EQ(panel->Buttons().Back()->geometry().size(), back.size());
    EXPECT_EQ(panel->Buttons().Back()->y(), back.y());
  }
}

TEST_F(PanelFixture, ALanguageSwitchRewritesTheTextsAndShowsTheOtherButtons) {
  Make(kPageMic, Language::Chinese);
  EXPECT_EQ(panel->Rows().Caption(0)->text(), QStringLiteral("回声音量"));
  EXPECT_EQ(panel->EchoPreview().Caption()->text(), QStringLiteral("回声均衡"));
  EXPECT_TRUE(panel->Buttons().Button(1070)->isVisible());
  panel->ApplyLanguage(Table(Language::English), Language::English);
  EXPECT_EQ(panel->Rows().Caption(0)->text(), QStringLiteral("Echo Vol"));
  EXPECT_EQ(panel->Rows().Caption(3)->text(), QStringLiteral("Noisegate"));
  EXPECT_EQ(panel->EchoPreview().Caption()->text(), QStringLiteral("Echo EQ"));
  EXPECT_EQ(panel->EchoPreview().Hint()->text(), QStringLiteral("Click and enter echo eq panel"));
  EXPECT_FALSE(panel->Buttons().Button(1070)->isVisible());
  EXPECT_TRUE(panel->Buttons().Button(1076)->isVisible());
  EXPECT_EQ(panel->Buttons().Button(1076)->accessibleName(), QStringLiteral("Mic"));
  EXPECT_EQ(panel->Graph()->Language(), Language::English);
  panel->SetPage(kPageSub);
  EXPECT_EQ(panel->MicSub().Caption(AutoSubControl::Ratio)->text(), QStringLiteral("Sub ratio"));
  EXPECT_EQ(panel->MicSub().Slider(AutoSubControl::Ratio)->accessibleName(),
            QStringLiteral("Sub ratio"));
}

TEST_F(PanelFixture, SlidersTellScreenReadersTheirCaptionAndLabel) {
  image.dsp.echoRatio = -50;
  Make(kPageMic);
  QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(RowSlider(1));
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->role(), QAccessible::Slider);
  EXPECT_EQ(slider->text(QAccessible::Name), QStringLiteral("Echo ratio"));
  EXPECT_EQ(slider->text(QAccessible::Value), QStringLiteral("60%"));
  panel->SetPage(kPageMusic);
  EXPECT_TRUE(slider->state().disabled);
}

TEST_F(PanelFixture, TabReachesTheButtonsSlidersBandTableAndGraphInOrder) {
  Make(kPageMic);
  std::vector<QWidget*> order;
  QWidget* w = panel->Buttons().Button(1076);
  w->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 9; ++i) {
    order.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const std::vector<QWidget*> want = {panel->Buttons().Button(1076),
                                      panel->Buttons().Button(1077),
                                      RowSlider(0),
                                      RowSlider(1),
                                      RowSlider(2),
                                      RowSlider(3),
                                      panel->EchoPreview().Preview(),
                                      panel->Table(),
                                      panel->Graph()};
  EXPECT_EQ(order, want);
}

TEST_F(PanelFixture, KeysStepSlidersAndOpenTheEchoPageButEnterAndEscapeDoNothing) {
  Make(kPageMic);
  Press(RowSlider(0), Qt::Key_Left);
  EXPECT_EQ(image.dsp.echoVolume, -1);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(panel.get(), key);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Page(), kPageMic);
  }
  panel->EchoPreview().Preview()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(panel->EchoPreview().Preview(), Qt::Key_Space);
  EXPECT_EQ(panel->Page(), kPageEcho);
}

TEST_F(PanelFixture, MetersShowTheImagesLevels) {
  Make(kPageMic);
  image.levelMeters[0] = 200;
  image.levelMeters[1] = 90;
  panel->UpdateLevels();
  EXPECT_EQ(panel->Meter(0)->Bands()[0].level, 200);
  EXPECT_EQ(panel->Meter(1)->Bands()[0].level, 90);
  EXPECT_EQ(panel->Meter(0)->BandCount(), 1);
  EXPECT_EQ(panel->Meter(0)->EffectiveSegmentCount(), 15);
}

}  // namespace
}  // namespace v7::test
