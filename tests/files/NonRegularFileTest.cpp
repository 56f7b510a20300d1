#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>

#include "FileTestUtil.h"
#include "TempFolder.h"
#include "files/AtomicFile.h"
#include "files/ModeFile.h"
#include "files/RemoteFile.h"

namespace v7 {
namespace {

using testing_support::RecordingObserver;
using testing_support::TempFolder;

constexpr auto kNoWait = std::chrono::seconds(5);

// Runs a read that must not block; a read that does is freed by opening the FIFO's other end,
// so the test fails instead of hanging.
template <typename Read>
auto WithoutBlocking(const std::string& fifo, Read read) {
  auto done = std::async(std::launch::async, read);
  if (done.wait_for(kNoWait) == std::future_status::timeout) {
    ADD_FAILURE() << "the read waited on " << fifo;
    const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) close(writer);
  }
  return done.get();
}

class NonRegularFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno); }

  TempFolder dir;
  const std::string fifo = dir.Path("pipe.V7M");
  RecordingObserver observer;
};

TEST_F(NonRegularFileTest, FifosAndDevicesAreRefusedWithoutWaiting) {
  for (const std::string& path : {fifo, std::string("/dev/null"), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    std::vector<uint8_t> bytes{1};
    const FileResult r =
        WithoutBlocking(fifo, [&] { return ReadFileBytes(path, kModeFileBytes, bytes); });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(IsNotRegularFileError(r.errorCode));
    EXPECT_TRUE(bytes.empty());
  }
}

TEST_F(NonRegularFileTest, ModeFileFromAFifoIsRefusedAndTheImageKept) {
  ParameterImage image;
  image.dsp.echoTime = 99;
  EXPECT_FALSE(WithoutBlocking(fifo, [&] { return ReadModeFile(image, fifo, observer); }));
  EXPECT_EQ(observer.notRegular, fifo);
  EXPECT_EQ(observer.calls, 1);
  EXPECT_EQ(image.dsp.echoTime, 99);
}

TEST_F(NonRegularFileTest, RemoteFileFromAFifoIsRefusedAndTheTableKept) {
  const std::string remo = dir.Path("keys.remo");
  ASSERT_EQ(mkfifo(remo.c_str(), 0600), 0);
  RemoteKeyTable table = kStartupRemoteKeys;
  EXPECT_FALSE(WithoutBlocking(remo, [&] { return ReadRemoteFile(table, remo, observer); }));
  EXPECT_EQ(observer.notRegular, remo);
  EXPECT_EQ(table, kStartupRemoteKeys);
}

TEST(FileErrorReason, SaysWhatASpecialFileIsAndOtherwiseWhatTheSystemSays) {
  EXPECT_EQ(FileErrorReason(kNotRegularFileError), "not a regular file");
  EXPECT_EQ(FileErrorReason(ENOENT), std::strerror(ENOENT));
  EXPECT_FALSE(IsNotRegularFileError(0));
}

}  // namespace
}  // namespace v7
