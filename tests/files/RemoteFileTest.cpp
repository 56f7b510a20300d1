#include <gtest/gtest.h>

#include <filesystem>

#include "FileTestUtil.h"
#include "TempFolder.h"
#include "files/RemoteFile.h"

namespace v7 {
namespace {

using testing_support::Contents;
using testing_support::PutFile;
using testing_support::RecordingObserver;
using testing_support::TempFolder;

TEST(RemoteFile, SavingUnderAnyExtensionWritesTheSixteenBytesAsRemo) {
  TempFolder dir;
  RecordingObserver observer;
  ASSERT_TRUE(WriteRemoteFile(kStartupRemoteKeys, dir.Path("keys.txt"), observer));
  EXPECT_EQ(Contents(dir.Path("keys.remo")),
            std::vector<uint8_t>(kStartupRemoteKeys.begin(), kStartupRemoteKeys.end()));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("keys.txt")));
}

TEST(RemoteFile, LoadingReadsTheRemoFileAndAShortOneLeavesTheRest) {
  TempFolder dir;
  RecordingObserver observer;
  PutFile(dir.Path("keys.remo"), {0x02, 0x11, 0x22});
  RemoteKeyTable table = kStartupRemoteKeys;
  ASSERT_TRUE(ReadRemoteFile(table, dir.Path("keys.txt"), observer));
  RemoteKeyTable expected = kStartupRemoteKeys;
  expected[0] = 0x02;
  expected[1] = 0x11;
  expected[2] = 0x22;
  EXPECT_EQ(table, expected);
}

TEST(RemoteFile, LongerFilesGiveOnlyTheirFirstSixteenBytes) {
  TempFolder dir;
  RecordingObserver observer;
  PutFile(dir.Path("k.remo"), std::vector<uint8_t>(40, 0x77));
  RemoteKeyTable table{};
  ASSERT_TRUE(ReadRemoteFile(table, dir.Path("k.remo"), observer));
  RemoteKeyTable expected;
  expected.fill(0x77);
  EXPECT_EQ(table, expected);
}

TEST(RemoteFile, FailuresReportTheFileTextsWithTheForcedPath) {
  TempFolder dir;
  RecordingObserver observer;
  RemoteKeyTable table = kStartupRemoteKeys;
  EXPECT_FALSE(ReadRemoteFile(table, dir.Path("none.txt"), observer));
  EXPECT_EQ(observer.text,
            "Can't write to file:\n" + dir.Path("none.remo") + "\nProbaby it is write protected.");
  EXPECT_EQ(table, kStartupRemoteKeys);

  PutFile(dir.Path("plain"), {1});
  EXPECT_FALSE(WriteRemoteFile(table, dir.Path("plain/k"), observer));
  EXPECT_EQ(observer.caption, "Can't write to file");
  EXPECT_EQ(observer.text, "Errcode=20,Can't write to file:\n" + dir.Path("plain/k.remo") +
                               "\nProbaby it is write protected.");
}

}  // namespace
}  // namespace v7
