#include <gtest/gtest.h>

#include "CompletionProbe.h"
#include "SimulatedLinkFixture.h"
#include "sync/ReadSequence.h"
#include "sync/SyncWorker.h"

namespace v7 {
namespace {

using testing_support::CompletionProbe;
using SyncWorkerTest = testing_support::SimulatedLinkFixture;

TEST_F(SyncWorkerTest, ReadWorkerPausesReadsReportsAndThenSetsTheFlag) {
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  image.syncComplete = true;
  ASSERT_TRUE(worker.StartReadSync(probe.Callback(image)));
  EXPECT_FALSE(image.syncComplete);
  worker.Wait();
  EXPECT_EQ(probe.kinds, std::vector<SyncKind>{SyncKind::kRead});
  EXPECT_EQ(probe.results, std::vector<SyncResult>{SyncResult::kCompleted});
  EXPECT_FALSE(probe.flagAtCompletion);
  EXPECT_TRUE(image.syncComplete);
  EXPECT_EQ(clock.Requested(), kReadStartPause + kReadSequenceEndPause);
  Settle();
  EXPECT_EQ(machine.Requests().size(), static_cast<size_t>(kReadSequenceRequests));
}

TEST_F(SyncWorkerTest, WriteWorkerPauses200MsAndReportsWrite) {
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  ASSERT_TRUE(worker.StartWriteSync(probe.Callback(image)));
  worker.Wait();
  EXPECT_EQ(probe.kinds, std::vector<SyncKind>{SyncKind::kWrite});
  EXPECT_EQ(probe.results, std::vector<SyncResult>{SyncResult::kCompleted});
  EXPECT_EQ(clock.Requested(), kWriteStartPause);
  EXPECT_TRUE(image.syncComplete);
}

TEST_F(SyncWorkerTest, OnlyOneSequenceRunsAtATimeAndANewOneMayFollow) {
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  ASSERT_TRUE(worker.StartReadSync(probe.Callback(image)));
  EXPECT_FALSE(worker.StartWriteSync(probe.Callback(image)));
  worker.Wait();
  EXPECT_TRUE(worker.StartWriteSync(probe.Callback(image)));
  worker.Wait();
  EXPECT_EQ(probe.kinds, (std::vector<SyncKind>{SyncKind::kRead, SyncKind::kWrite}));
}

TEST_F(SyncWorkerTest, WorkerOnAClosedLinkSendsNothingAndReportsTheMachineLost) {
  link.CloseUsbDevice();
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  ASSERT_TRUE(worker.StartReadSync(probe.Callback(image)));
  worker.Wait();
  EXPECT_EQ(probe.kinds.size(), 1u);
  EXPECT_EQ(probe.results, std::vector<SyncResult>{SyncResult::kMachineLost});
  EXPECT_FALSE(image.syncComplete);
  EXPECT_TRUE(machine.Requests().empty());
}

}  // namespace
}  // namespace v7
