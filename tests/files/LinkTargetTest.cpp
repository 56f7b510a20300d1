#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "FileTestUtil.h"
#include "TempFolder.h"
#include "files/AtomicFile.h"

namespace v7 {
namespace {

namespace fs = std::filesystem;
using testing_support::Contents;
using testing_support::TempFolder;

const std::vector<uint8_t> kBytes = {4, 5, 6};

// Saving onto a link whose file does not exist yet creates that file and keeps the link.
TEST(LinkTarget, DanglingLinksAreFollowedToTheFileTheyName) {
  struct Case {
    const char* name;
    const char* linkText;  // relative texts are read from the link's folder
    const char* createdFile;
  };
  for (const Case c : {Case{"absolute", "", "made.V7M"}, Case{"relative", "made.V7M", "made.V7M"},
                       Case{"relative into a folder", "sub/made.V7M", "sub/made.V7M"}}) {
    SCOPED_TRACE(c.name);
    TempFolder dir;
    fs::create_directory(dir.Path("sub"));
    const std::string link = dir.Path("link.V7M");
    const std::string text = *c.linkText ? c.linkText : dir.Path(c.createdFile);
    fs::create_symlink(text, link);
    const FileResult r = WriteFileAtomically(link, kBytes);
    ASSERT_TRUE(r.ok) << r.errorCode;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), text);
    EXPECT_EQ(Contents(dir.Path(c.createdFile)), kBytes);
  }
}

TEST(LinkTarget, ChainsOfLinksEndAtTheLastName) {
  TempFolder dir;
  fs::create_symlink("second.V7M", dir.Path("first.V7M"));
  fs::create_symlink("final.V7M", dir.Path("second.V7M"));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("first.V7M"), kBytes).ok);
  EXPECT_TRUE(fs::is_symlink(dir.Path("first.V7M")));
  EXPECT_TRUE(fs::is_symlink(dir.Path("second.V7M")));
  EXPECT_EQ(Contents(dir.Path("final.V7M")), kBytes);
}

// A link into a folder that cannot take the file, or a loop, is refused and left as it was.
TEST(LinkTarget, LinksThatLeadNowhereAreRefusedAndKept) {
  struct Case {
    const char* name;
    const char* linkText;
    int error;
  };
  for (const Case c :
       {Case{"missing folder", "gone/made.V7M", ENOENT}, Case{"loop", "link.V7M", ELOOP}}) {
    SCOPED_TRACE(c.name);
    TempFolder dir;
    const std::string link = dir.Path("link.V7M");
    fs::create_symlink(c.linkText, link);
    const FileResult r = WriteFileAtomically(link, kBytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, c.error);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), c.linkText);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Root()), fs::directory_iterator()), 1);
  }
}

}  // namespace
}  // namespace v7
