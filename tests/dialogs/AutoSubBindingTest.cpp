#include <gtest/gtest.h>

#include <map>

#include "controllers/AutoSubBinding.h"
#include "edit/ParameterAccessors.h"
#include "protocol/Commands.h"
#include "protocol/RecordingSink.h"

namespace v7 {
namespace {

struct RecordingView : AutoSubView {
  void SetAutoSubSlider(AutoSubControl control, int position) override {
    sliders[control] = position;
  }
  void SetAutoSubLabel(AutoSubControl control, const QString& text) override {
    labels[control] = text;
  }
  std::map<AutoSubControl, int> sliders;
  std::map<AutoSubControl, QString> labels;
};

AutoSubParams Bytes(uint8_t restore, uint8_t ratio, uint8_t sensitivity) {
  return {restore, ratio, sensitivity, 0, 0, 0};
}

struct DisplayCase {
  AutoSubParams bytes;
  Language language;
  std::array<int, 3> positions;
  std::array<const char*, 3> labels;
};

TEST(AutoSubBinding, SlidersStandInTheirRangesWhileLabelsShowTheStoredBytes) {
  const DisplayCase cases[] = {
      {Bytes(0, 40, 30), Language::English, {0, 40, 30}, {"OFF", "OFF", "OFF"}},
      {Bytes(0, 40, 30), Language::Chinese, {0, 40, 30}, {"关闭", "关闭", "关闭"}},
      {Bytes(255, 99, 20), Language::English, {255, 99, 20}, {"25.5 s", "99%", "20"}},
      {Bytes(35, 0, 60), Language::Chinese, {35, 0, 60}, {"3.5 s", "0%", "60"}},
      // Bytes read from the machine outside a slider's range.
      {Bytes(5, 200, 10), Language::English, {5, 99, 20}, {"0.5 s", "200%", "10"}},
      {Bytes(1, 1, 61), Language::English, {1, 1, 60}, {"0.1 s", "1%", "61"}},
  };
  for (const DisplayCase& c : cases) {
    RecordingView view;
    LoadAutoSubSliders(c.bytes, c.language, view);
    for (const AutoSubControlInfo& info : AutoSubControls()) {
      const auto i = static_cast<size_t>(info.control);
      EXPECT_EQ(view.sliders[info.control], c.positions[i]) << i;
      EXPECT_EQ(view.labels[info.control], QString::fromUtf8(c.labels[i])) << i;
    }
  }
}

TEST(AutoSubBinding, UpdatingTheLabelsLeavesTheSliders) {
  RecordingView view;
  UpdateAutoSubLabels(Bytes(10, 50, 40), Language::English, view);
  EXPECT_TRUE(view.sliders.empty());
  EXPECT_EQ(view.labels[AutoSubControl::RestoreTime], QStringLiteral("1.0 s"));
}

TEST(AutoSubBinding, ControlsCarryTheSharedIdentifiersAndRanges) {
  struct Expected {
    int slider, label, minimum, maximum;
  };
  const Expected expected[] = {{1000, 1127, 0, 255}, {1001, 1128, 0, 99}, {1002, 1129, 20, 60}};
  for (const AutoSubControlInfo& info : AutoSubControls()) {
    const Expected& e = expected[static_cast<size_t>(info.control)];
    EXPECT_EQ(info.sliderId, e.slider);
    EXPECT_EQ(info.labelId, e.label);
    EXPECT_EQ(info.minimum, e.minimum);
    EXPECT_EQ(info.maximum, e.maximum);
    EXPECT_EQ(AutoSubControlForSlider(e.slider), info.control);
  }
  EXPECT_FALSE(AutoSubControlForSlider(1003).has_value());
}

TEST(AutoSubBinding, AMoveStoresItsByteAndSendsAllThree) {
  struct MoveCase {
    AutoSubControl control;
    int position;
    std::array<uint8_t, 3> sent;
  };
  const MoveCase cases[] = {
      {AutoSubControl::RestoreTime, 0, {0, 40, 30}},
      {AutoSubControl::RestoreTime, 255, {255, 40, 30}},
      {AutoSubControl::Ratio, 99, {50, 99, 30}},
      {AutoSubControl::Sensitivity, 60, {50, 40, 60}},
      {AutoSubControl::Sensitivity, 5, {50, 40, 20}},  // limited to the slider's range
  };
  for (const MoveCase& c : cases) {
    ParameterImage image;
    image.autoSub = Bytes(50, 40, 30);
    image.autoSub[kAutoSubUnsolicited] = 7;
    testing_support::RecordingSink sink;
    ParameterAccessors accessors(image, sink);
    EXPECT_TRUE(MoveAutoSubSlider(accessors, c.control, c.position));
    ASSERT_EQ(sink.sent.size(), 1u);
    const Report& report = sink.sent.front();
    EXPECT_EQ(report.Code(), kCmdAutoSub);
    EXPECT_EQ(report.bytes[2], 0);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(report.bytes[3 + i], c.sent[i]);
      EXPECT_EQ(image.autoSub[i], c.sent[i]);
    }
    EXPECT_EQ(image.autoSub[kAutoSubUnsolicited], 7);
  }
}

TEST(AutoSubBinding, AMoveWithTheLinkClosedStillStoresTheByte) {
  ParameterImage image;
  testing_support::RecordingSink sink;
  sink.open = false;
  ParameterAccessors accessors(image, sink);
  EXPECT_FALSE(MoveAutoSubSlider(accessors, AutoSubControl::Ratio, 12));
  EXPECT_EQ(image.autoSub[kAutoSubRatio], 12);
  EXPECT_TRUE(sink.sent.empty());
}

}  // namespace
}  // namespace v7
