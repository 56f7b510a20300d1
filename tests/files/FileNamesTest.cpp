#include <gtest/gtest.h>

#include "files/FileNames.h"

namespace v7 {
namespace {

struct NameCase {
  const char* path;
  int mode;
};

const NameCase kNameCases[] = {
    {"M2 party.V7M", 1},
    {"m10.V7M", 0},
    {"mode1.V7M", -1},
    {"默认2.V7M", 1},
    {"Corvane4.V7M", 3},
    {"CORVANE3 live.V7M", 2},
    {"show.V7M", -1},
    {"m1.v7m", -1},               // the extension is searched in exact case
    {"m3", -1},                   // no ".V7M" at all
    {"/home/m4/preset.V7M", -1},  // folders do not designate
    {"/home/x/m4.V7M", 3},
    {"m2.V7M.bak", 1},  // the part before the first ".V7M" counts
    {"x.V7Mm1.V7M", -1},
    {".V7M", -1},
    {"", -1},
};

TEST(DesignatedModeOfFileName, Table) {
  for (const NameCase& c : kNameCases)
    EXPECT_EQ(DesignatedModeOfFileName(c.path), c.mode) << c.path;
}

TEST(WithRemoteExtension, ReplacesOrAddsTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(WithRemoteExtension("keys.txt"), "keys.remo");
  EXPECT_EQ(WithRemoteExtension("/tmp/keys.remo"), "/tmp/keys.remo");
  EXPECT_EQ(WithRemoteExtension("/tmp/keys"), "/tmp/keys.remo");
  EXPECT_EQ(WithRemoteExtension("/tmp/a.b/keys"), "/tmp/a.b/keys.remo");
  EXPECT_EQ(WithRemoteExtension("/tmp/a.b/keys.x.y"), "/tmp/a.b/keys.x.remo");
  EXPECT_EQ(WithRemoteExtension("/tmp/.hidden"), "/tmp/.hidden.remo");
  EXPECT_EQ(WithRemoteExtension("keys."), "keys.remo");
}

}  // namespace
}  // namespace v7
