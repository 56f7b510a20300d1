#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "SimulatedLinkFixture.h"
#include "sync/ReadSequence.h"
#include "sync/SyncWorker.h"

namespace v7 {
namespace {

// Stands in for the view: records each finished sequence and whether syncComplete was still
// clear.
struct CompletionProbe {
  SyncCompletion Callback(const ParameterImage& image) {
    return [this, &image](SyncKind kind) {
      std::lock_guard lock(mutex);
      kinds.push_back(kind);
      flagAtCompletion = image.syncComplete.load();
      done.notify_all();
    };
  }
  std::mutex mutex;
  std::condition_variable done;
  std::vector<SyncKind> kinds;
  bool flagAtCompletion = true;
};

using SyncWorkerTest = testing_support::SimulatedLinkFixture;

TEST_F(SyncWorkerTest, ReadWorkerPausesReadsReportsAndThenSetsTheFlag) {
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  image.syncComplete = true;
  ASSERT_TRUE(worker.StartReadSync(probe.Callback(image)));
  EXPECT_FALSE(image.syncComplete);
  worker.Wait();
  EXPECT_EQ(probe.kinds, std::vector<SyncKind>{SyncKind::kRead});
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

TEST_F(SyncWorkerTest, WorkerOnAClosedLinkSendsNothingAndStillCompletes) {
  link.CloseUsbDevice();
  SyncWorker worker(image, link, clock);
  CompletionProbe probe;
  ASSERT_TRUE(worker.StartReadSync(probe.Callback(image)));
  worker.Wait();
  EXPECT_EQ(probe.kinds.size(), 1u);
  EXPECT_TRUE(machine.Requests().empty());
}

}  // namespace
}  // namespace v7
