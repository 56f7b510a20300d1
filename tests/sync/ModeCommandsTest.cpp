#include <gtest/gtest.h>

#include "protocol/RecordingSink.h"
#include "sync/ModeCommands.h"
#include "sync/ModelCheck.h"

namespace v7 {
namespace {

class ModeCommandsTest : public testing::Test {
 protected:
  std::vector<uint8_t> Head(size_t i) const {
    return {sink.sent[i].bytes.begin(), sink.sent[i].bytes.begin() + 4};
  }
  ParameterImage image;
  testing_support::RecordingSink sink;
  ScaledClock clock{0.01};  // the 20 ms gap is shortened, not skipped
};

TEST_F(ModeCommandsTest, LoadSetsTheCurrentModeFirstAndClampsIt) {
  EXPECT_TRUE(SendLoadMode(sink, image, 1));
  EXPECT_EQ(image.currentMode, 1);
  EXPECT_EQ(Head(0), (std::vector<uint8_t>{0x02, 0x05, 0x01, 0x00}));
  SendFactoryRecall(sink, image, 9);
  EXPECT_EQ(image.currentMode, 3);
  EXPECT_EQ(Head(1), (std::vector<uint8_t>{0x02, 0x06, 0x03, 0x00}));
  SendLoadMode(sink, image, -2);
  EXPECT_EQ(Head(2), (std::vector<uint8_t>{0x02, 0x05, 0x00, 0x00}));
}

TEST_F(ModeCommandsTest, StoreClearsDirtyButTheDesignatedStoreLeavesIt) {
  image.dirty = true;
  StoreMode(sink, image, 0);
  EXPECT_FALSE(image.dirty);
  image.dirty = true;
  StoreDesignatedMode(sink, image, 2, clock);
  EXPECT_TRUE(image.dirty);
  ASSERT_EQ(sink.sent.size(), 3u);
  EXPECT_EQ(Head(1), (std::vector<uint8_t>{0x02, 0x03, 0x02, 0x00}));
  EXPECT_EQ(Head(2), (std::vector<uint8_t>{0x02, 0x04, 0x02, 0x00}));
  EXPECT_EQ(clock.Requested(), kModePreambleGap);
}

TEST_F(ModeCommandsTest, ClosedLinkStillSetsTheModeAndReportsTheDrop) {
  sink.open = false;
  EXPECT_FALSE(StoreMode(sink, image, 2));
  EXPECT_EQ(image.currentMode, 2);
}

TEST(ModelCheck, ExactForTheReadSequenceCaseBlindForTheCompletion) {
  struct Case {
    const char* name;
    bool exact;
    bool supported;
  };
  for (const Case& c :
       {Case{"V7", true, true}, Case{"v7", false, true}, Case{"V7 ", false, false},
        Case{"V", false, false}, Case{"", false, false}, Case{"X9", false, false}}) {
    EXPECT_EQ(IsExpectedModelExact(c.name), c.exact) << c.name;
    EXPECT_EQ(IsSupportedModel(c.name), c.supported) << c.name;
  }
}

}  // namespace
}  // namespace v7
