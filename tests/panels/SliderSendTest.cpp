// What a slider move of the channel panel stores and sends, page by page, compared with what
// the matching accessor sends, and the value labels at their edges.

#include <QLabel>
#include <functional>

#include "PanelFixture.h"
#include "controllers/AutoSubBinding.h"
#include "dsp/GateCurve.h"
#include "ui/panels/MicSubGroup.h"
#include "ui/widgets/EqGraph.h"

namespace v7::test {
namespace {

using Send = std::function<void(ParameterAccessors&, int)>;

void SendGate(ParameterAccessors& accessors, int page, int threshold) {
  GateCurve curve;
  curve.BuildGateCurve(threshold);
  DynamicsTable table{};
  DynamicsRecord record{};
  curve.ComputeGainTable(table);
  curve.SavePoints(record);
  accessors.WriteDynamics(page, table, record);
}

struct MoveCase {
  int page;
  int row;
  Send send;  // empty: the move sends nothing
  const char* labelFormat;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
  *os << "page " << c.page << " row " << c.row;
}

const auto kOutputVolume = [](int address) {
  return [address](ParameterAccessors& a, int v) { a.SetOutputVolume(address, v); };
};
const auto kMix = [](int32_t DspParams::*field) {
  return [field](ParameterAccessors& a, int v) { a.SetOutputMix(field, v); };
};
const Send kEchoVolume = [](ParameterAccessors& a, int v) { a.SetEchoVolume(v); };
const Send kEchoRatio = [](ParameterAccessors& a, int v) { a.SetEchoRatio(v); };
const Send kEchoTime = [](ParameterAccessors& a, int v) { a.SetEchoTime(v * 10); };

const MoveCase kMoveCases[] = {
    {kPageMic, 0, kEchoVolume, "%ddB"},
    {kPageMic, 1, kEchoRatio, "ratio"},
    {kPageMic, 2, kEchoTime, "time"},
    {kPageMic, 3, [](ParameterAccessors& a, int v) { SendGate(a, kPageMic, v); }, "%ddB"},
    {kPageMusic, 0, {}, nullptr},
    {kPageMusic, 1, {}, nullptr},
    {kPageMusic, 2, {}, nullptr},
    {kPageMusic, 3, [](ParameterAccessors& a, int v) { SendGate(a, kPageMusic, v); }, "%ddB"},
    {kPageMain, 0, kOutputVolume(kDspMainVolume), "%ddB"},
    {kPageMain, 1, kMix(&DspParams::mainMic), "%ddB"},
    {kPageMain, 2, kMix(&DspParams::mainMusic), "%ddB"},
    {kPageCenter, 0, kOutputVolume(kDspCenterVolume), "%ddB"},
    {kPageCenter, 1, kMix(&DspParams::centerMic), "%ddB"},
    {kPageCenter, 2, kMix(&DspParams::centerMusic), "%ddB"},
    {kPageSub, 0, kOutputVolume(kDspSubVolume), "%ddB"},
    {kPageSub, 1, kMix(&DspParams::subMic), "%ddB"},
    {kPageSub, 2, kMix(&DspParams::subMusic), "%ddB"},
};

QString ExpectedLabel(const char* format, int v) {
  if (QByteArray(format) == "ratio") return QString::asprintf("%d%%", v + 110);
  if (QByteArray(format) == "time") return QString::asprintf("%.1fms", v * 10 * 0.03125);
  return QString::asprintf(format, v);
}

class SliderMoveTest : public PanelFixture, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(SliderMoveTest, SendsWhatTheAccessorSendsAndWritesTheLabel) {
  const MoveCase& c = GetParam();
  // Every slider starts inside its range, so that each step moves it.
  for (ParameterImage* i : {&image, &referenceImage}) {
    for (int32_t DspParams::*field :
         {&DspParams::echoVolume, &DspParams::mainVolume, &DspParams::mainMic,
          &DspParams::mainMusic, &DspParams::centerVolume, &DspParams::centerMic,
          &DspParams::centerMusic, &DspParams::subVolume, &DspParams::subMic, &DspParams::subMusic})
      i->dsp.*field = -40;
    i->dsp.echoRatio = -60;
    i->dsp.echoTime = 3650;
  }
  Make(c.page);
  ImageSlider* slider = RowSlider(c.row);
  const QString labelBefore = panel->Rows().Label(c.row)->text();
  Press(slider, Qt::Key_Left);
  const int first = slider->Value();
  Press(slider, Qt::Key_Left);
  Press(slider, Qt::Key_Left);
  if (!c.send) {
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(panel->Rows().Label(c.row)->text(), labelBefore);
    return;
  }
  // Each step sends at once, with the slider's position after it.
  c.send(reference, first);
  c.send(reference, first - 1);
  c.send(reference, first - 2);
  ASSERT_EQ(slider->Value(), first - 2);
  EXPECT_EQ(sink.sent, referenceSink.sent);
  EXPECT_EQ(panel->Rows().Label(c.row)->text(), ExpectedLabel(c.labelFormat, slider->Value()));
}

INSTANTIATE_TEST_SUITE_P(EveryRowOnEveryPage, SliderMoveTest, ::testing::ValuesIn(kMoveCases));

TEST_F(PanelFixture, WhileDisconnectedAMoveChangesTheImageAndSendsNothing) {
  sink.open = false;
  Make(kPageMain);
  Press(RowSlider(0), Qt::Key_Left);
  EXPECT_TRUE(sink.sent.empty());
  EXPECT_EQ(image.dsp.mainVolume, RowSlider(0)->Value());
  EXPECT_EQ(image.dsp.mainVolume, -1);
}

TEST_F(PanelFixture, EchoTimeAtItsEndsSendsOneSampleAnd7300) {
  Make(kPageMic);
  Press(RowSlider(2), Qt::Key_Left);  // from the start-up time of one sample: slider 0
  EXPECT_EQ(image.dsp.echoTime, 1);
  EXPECT_EQ(panel->Rows().Label(2)->text(), QStringLiteral("0.0ms"));
  image.dsp.echoTime = 7300;
  panel->ReloadFromImage();
  Press(RowSlider(2), Qt::Key_Right);
  EXPECT_EQ(image.dsp.echoTime, 7300);
  EXPECT_EQ(panel->Rows().Label(2)->text(), QStringLiteral("228.1ms"));
}

struct LoadCase {
  int row;
  std::function<void(ParameterImage&)> store;
  int position;
  const char* label;
};

TEST_F(PanelFixture, LabelsShowTheStoredValueAtTheEdges) {
  const LoadCase cases[] = {
      {1, [](ParameterImage& i) { i.dsp.echoRatio = -100; }, -100, "10%"},
      {1, [](ParameterImage& i) { i.dsp.echoRatio = -20; }, -20, "90%"},
      {2, [](ParameterImage& i) { i.dsp.echoTime = 7305; }, 730, "228.3ms"},
      {2, [](ParameterImage& i) { i.dsp.echoTime = 1; }, 0, "0.0ms"},
      // Outside the slider's range: the thumb stops at the end, the label tells the truth.
      {0, [](ParameterImage& i) { i.dsp.echoVolume = 6; }, 0, "6dB"},
  };
  Make(kPageMic);
  for (const LoadCase& c : cases) {
    c.store(image);
    panel->ReloadFromImage();
    EXPECT_EQ(RowSlider(c.row)->Value(), c.position) << c.label;
    EXPECT_EQ(panel->Rows().Label(c.row)->text(), QString::fromUtf8(c.label));
  }
}

TEST_F(PanelFixture, AGateRecordNeverWrittenIsReplacedAndSent) {
  Make(kPageMain);
  image.micDynamicsRecord.fill(0xFF);
  panel->SetPage(kPageMic);
  EXPECT_EQ(RowSlider(3)->Value(), -69);
  EXPECT_EQ(panel->Rows().Label(3)->text(), QStringLiteral("-70dB"));
  EXPECT_EQ(image.micDynamicsRecord, kPanelDefaultDynamicsRecord);
  referenceImage.micDynamicsRecord = kPanelDefaultDynamicsRecord;
  reference.WriteDynamicsRecord(kPageMic);
  EXPECT_EQ(sink.sent, referenceSink.sent);
}

TEST_F(PanelFixture, MusicPageEchoRowsAreGreyedAndTheWheelOverAFocusedOneSendsNothing) {
  Make(kPageMic);
  RowSlider(0)->setFocus(Qt::TabFocusReason);
  panel->SetPage(kPageMusic);
  sink.sent.clear();
  for (int row = 0; row < 3; ++row) {
    EXPECT_TRUE(RowSlider(row)->isVisible());
    EXPECT_FALSE(RowSlider(row)->IsSliderEnabled());
    EXPECT_FALSE(panel->Rows().Caption(row)->isEnabled());
    EXPECT_FALSE(panel->Rows().Label(row)->isEnabled());
  }
  ASSERT_TRUE(RowSlider(0)->hasFocus());
  const int before = RowSlider(0)->Value();
  Wheel(RowSlider(2), -120);  // over another row: still the focused slider's
  EXPECT_EQ(RowSlider(0)->Value(), before - 1);
  EXPECT_TRUE(sink.sent.empty());
  EXPECT_EQ(image.dsp.echoVolume, 0);
}

TEST_F(PanelFixture, TheWheelAnywhereOverThePanelMovesTheFocusedSlider) {
  Make(kPageMain);
  RowSlider(1)->setFocus(Qt::TabFocusReason);
  Wheel(panel->Graph(), -120);
  EXPECT_EQ(RowSlider(1)->Value(), -1);
  EXPECT_EQ(image.dsp.mainMic, -1);
  EXPECT_EQ(RowSlider(0)->Value(), 0);
}

TEST_F(PanelFixture, MicSubSlidersSendAllThreeBytesAndRewriteTheLabels) {
  image.autoSub[kAutoSubRestoreTime] = 36;
  image.autoSub[kAutoSubRatio] = 50;
  image.autoSub[kAutoSubSensitivity] = 30;
  referenceImage.autoSub = image.autoSub;
  Make(kPageSub);
  const MicSubGroup& group = panel->MicSub();
  Press(group.Slider(AutoSubControl::RestoreTime), Qt::Key_Left);
  reference.SetAutoSub(35, 50, 30);
  EXPECT_EQ(sink.sent, referenceSink.sent);
  EXPECT_EQ(group.Label(AutoSubControl::RestoreTime)->text(), QStringLiteral("3.5 s"));
  EXPECT_EQ(group.Label(AutoSubControl::Ratio)->text(), QStringLiteral("50%"));
  EXPECT_EQ(group.Label(AutoSubControl::Sensitivity)->text(), QStringLiteral("30"));
}

TEST_F(PanelFixture, MicSubRestoreTimeZeroSwitchesEveryLabelOff) {
  for (const auto& [language, off] : {std::pair{Language::English, QStringLiteral("OFF")},
                                      std::pair{Language::Chinese, QStringLiteral("关闭")}}) {
    image.autoSub = {0, 50, 30};
    Make(kPageSub, language);
    for (const AutoSubControlInfo& info : AutoSubControls())
      EXPECT_EQ(panel->MicSub().Label(info.control)->text(), off);
  }
}

}  // namespace
}  // namespace v7::test
