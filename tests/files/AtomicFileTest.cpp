#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "FileSizeLimit.h"
#include "FileTestUtil.h"
#include "TempFolder.h"
#include "files/AtomicFile.h"

namespace v7 {
namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

using testing_support::Contents;
using testing_support::PutFile;

size_t EntriesIn(const fs::path& folder) {
  return static_cast<size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

const std::vector<uint8_t> kOld = {1, 2, 3};
const std::vector<uint8_t> kNew = {9, 8, 7, 6, 5};

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNoTemporaryBehind) {
  TempFolder dir;
  const std::string path = dir.Path("a.V7M");
  ASSERT_TRUE(WriteFileAtomically(path, kOld).ok);
  ASSERT_TRUE(WriteFileAtomically(path, kNew).ok);
  EXPECT_EQ(Contents(path), kNew);
  EXPECT_EQ(EntriesIn(dir.Root()), 1u);
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheReplacedFile) {
  TempFolder dir;
  const std::string path = dir.Path("a.V7M");
  PutFile(path, kOld);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomically(path, kNew).ok);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomically, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
  TempFolder dir;
  const std::string real = dir.Path("real.V7M");
  const std::string link = dir.Path("link.V7M");
  PutFile(real, kOld);
  fs::create_symlink(real, link);
  ASSERT_TRUE(WriteFileAtomically(link, kNew).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(real), kNew);
}

TEST(WriteFileAtomically, NameAtTheLengthLimitCanStillBeWritten) {
  TempFolder dir;
  const std::string path = dir.Path(std::string(251, 'n') + ".V7M");  // 255 bytes
  const FileResult r = WriteFileAtomically(path, kNew);
  ASSERT_TRUE(r.ok) << r.errorCode;
  EXPECT_EQ(Contents(path), kNew);
  EXPECT_EQ(EntriesIn(dir.Root()), 1u);
}

TEST(WriteFileAtomically, FolderThatIsARegularFileFailsWithItsErrorNumber) {
  TempFolder dir;
  PutFile(dir.Path("plain"), kOld);
  const FileResult r = WriteFileAtomically(dir.Path("plain/a.V7M"), kNew);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorCode, ENOTDIR);
  EXPECT_EQ(Contents(dir.Path("plain")), kOld);
}

TEST(WriteFileAtomically, TargetThatIsAFolderIsLeftAlone) {
  TempFolder dir;
  fs::create_directory(dir.Path("sub"));
  EXPECT_FALSE(WriteFileAtomically(dir.Path("sub"), kNew).ok);
  EXPECT_TRUE(fs::is_directory(dir.Path("sub")));
  EXPECT_EQ(EntriesIn(dir.Root()), 1u);
}

// A write that fails halfway (here: the file size limit, which also binds root) must leave
// the old file exactly as it was and no temporary file behind.
TEST(WriteFileAtomically, FailedWriteKeepsTheOldFile) {
  TempFolder dir;
  const std::string path = dir.Path("a.V7M");
  PutFile(path, kOld);
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 2;
  const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult r = WriteFileAtomically(path, kNew);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorCode, EFBIG);
  EXPECT_EQ(Contents(path), kOld);
  EXPECT_EQ(EntriesIn(dir.Root()), 1u);
}

TEST(WriteFileAtomically, ReadOnlyFolderFailsForOrdinaryUsers) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  TempFolder dir;
  const std::string path = dir.Path("a.V7M");
  PutFile(path, kOld);
  ASSERT_EQ(chmod(dir.Root().c_str(), 0555), 0);
  const FileResult r = WriteFileAtomically(path, kNew);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorCode, EACCES);
  EXPECT_EQ(Contents(path), kOld);
}

// The rename would replace a write-protected file in a writable folder; a protected file
// must stay as it is, as an in-place write would have left it.
TEST(WriteFileAtomically, WriteProtectedFileIsNotReplacedForOrdinaryUsers) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  TempFolder dir;
  const std::string path = dir.Path("a.V7M");
  PutFile(path, kOld);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  const FileResult r = WriteFileAtomically(path, kNew);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorCode, EACCES);
  EXPECT_EQ(Contents(path), kOld);
  EXPECT_EQ(EntriesIn(dir.Root()), 1u);
}

TEST(ReadFileBytes, ReadsAtMostTheLimitAndReportsShortFiles) {
  TempFolder dir;
  const std::string path = dir.Path("a");
  PutFile(path, kNew);
  std::vector<uint8_t> out;
  ASSERT_TRUE(ReadFileBytes(path, 3, out).ok);
  EXPECT_EQ(out, (std::vector<uint8_t>{9, 8, 7}));
  ASSERT_TRUE(ReadFileBytes(path, 100, out).ok);
  EXPECT_EQ(out, kNew);
}

TEST(ReadFileBytes, MissingFileAndFolderFail) {
  TempFolder dir;
  std::vector<uint8_t> out{1};
  const FileResult missing = ReadFileBytes(dir.Path("none"), 10, out);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.errorCode, ENOENT);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadFileBytes(dir.Root().string(), 10, out).errorCode, EISDIR);
}

}  // namespace
}  // namespace v7
