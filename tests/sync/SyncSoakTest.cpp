// The sequences against a machine that vanishes part-way or drops replies: they never hang,
// say how they ended, and leave the image unsynchronised when they did not run to the end.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "CompletionProbe.h"
#include "SimulatedLinkFixture.h"
#include "sync/ReadSequence.h"
#include "sync/SyncWorker.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;
using testing_support::CompletionProbe;
using SteadyClock = std::chrono::steady_clock;

constexpr size_t kWriteSequenceRequests = 86;  // with both dynamics tables present
// Far below the 1.8 s a single reply wait takes in the program; a hang shows up as more.
constexpr auto kNoHang = 1s;

class SyncSoakTest : public testing_support::SimulatedLinkFixture {
 protected:
  SyncSoakTest() {
    image.musicDynamicsTable.fill(0x10);
    image.micDynamicsTable.fill(0x20);
  }

  // Runs one sequence on the worker, as the front ends do; returns how long it took.
  SteadyClock::duration Synchronise(SyncKind kind) {
    SyncWorker worker(image, link, clock, kReplyWaitHere);
    const auto start = SteadyClock::now();
    EXPECT_TRUE(worker.StartSync(kind, probe.Callback(image)));
    worker.Wait();
    return SteadyClock::now() - start;
  }

  CompletionProbe probe;
};

struct VanishCase {
  SyncKind kind;
  int afterRequests;
};

std::string VanishName(const testing::TestParamInfo<VanishCase>& info) {
  return std::string(info.param.kind == SyncKind::kRead ? "Read" : "Write") + "After" +
         std::to_string(info.param.afterRequests);
}

class VanishMidSequenceTest : public SyncSoakTest,
                              public testing::WithParamInterface<VanishCase> {};

TEST_P(VanishMidSequenceTest, StopsAtOnceReportsTheMachineLostAndLeavesSyncCompleteClear) {
  const VanishCase& c = GetParam();
  image.dirty = true;
  image.syncComplete = true;
  machine.VanishAfterRequests(c.afterRequests);
  EXPECT_LT(Synchronise(c.kind), kNoHang);
  EXPECT_EQ(probe.results, std::vector<SyncResult>{SyncResult::kMachineLost});
  EXPECT_FALSE(image.syncComplete);
  EXPECT_EQ(machine.Requests().size(), static_cast<size_t>(c.afterRequests));
  EXPECT_TRUE(image.dirty);  // a read that did not finish has not made the image the machine's
}

INSTANTIATE_TEST_SUITE_P(
    Requests, VanishMidSequenceTest,
    testing::Values(VanishCase{SyncKind::kRead, 1}, VanishCase{SyncKind::kRead, 2},
                    VanishCase{SyncKind::kRead, 5}, VanishCase{SyncKind::kRead, 20},
                    VanishCase{SyncKind::kRead, 35},
                    VanishCase{SyncKind::kRead, kReadSequenceRequests},
                    VanishCase{SyncKind::kWrite, 1}, VanishCase{SyncKind::kWrite, 5},
                    VanishCase{SyncKind::kWrite, 50}, VanishCase{SyncKind::kWrite, 85}),
    VanishName);

struct DropCase {
  const char* name;
  SyncKind kind;
  std::function<void(SimulatedMachine&)> drop;
  SyncResult result;
  size_t requests;
  int replyWaits;  // how many reply waits the sequence sits out
};

class DroppedRepliesTest : public SyncSoakTest, public testing::WithParamInterface<DropCase> {};

TEST_P(DroppedRepliesTest, OnlyThreeInARowStopTheSequenceAndEachLostReplyCostsOneWait) {
  const DropCase& c = GetParam();
  c.drop(machine);
  const auto took = Synchronise(c.kind);
  EXPECT_EQ(probe.results, std::vector<SyncResult>{c.result});
  EXPECT_EQ(machine.Requests().size(), c.requests);
  EXPECT_EQ(image.syncComplete, RanToTheEnd(c.result));
  EXPECT_GE(took, c.replyWaits * kReplyWaitHere);
  EXPECT_LT(took, (c.replyWaits + 1) * kReplyWaitHere + kNoHang);
}

INSTANTIATE_TEST_SUITE_P(
    Losses, DroppedRepliesTest,
    testing::Values(DropCase{"ReadNeverAnswered", SyncKind::kRead,
                             [](SimulatedMachine& m) { m.SetDropReplies(true); },
                             SyncResult::kNotAnswering, kUnansweredLimit, kUnansweredLimit},
                    DropCase{"WriteNeverAnswered", SyncKind::kWrite,
                             [](SimulatedMachine& m) { m.SetDropReplies(true); },
                             SyncResult::kNotAnswering, kUnansweredLimit, kUnansweredLimit},
                    DropCase{"ReadTwoLostInARow", SyncKind::kRead,
                             [](SimulatedMachine& m) { m.DropNextReplies(2); },
                             SyncResult::kCompleted, kReadSequenceRequests, 2},
                    DropCase{"ReadEveryFourthLost", SyncKind::kRead,
                             [](SimulatedMachine& m) { m.DropEveryNthReply(4); },
                             SyncResult::kCompleted, kReadSequenceRequests,
                             kReadSequenceRequests / 4},
                    DropCase{"WriteEveryEighthLost", SyncKind::kWrite,
                             [](SimulatedMachine& m) { m.DropEveryNthReply(8); },
                             SyncResult::kCompleted, kWriteSequenceRequests,
                             kWriteSequenceRequests / 8}),
    [](const testing::TestParamInfo<DropCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace v7
