#include <gtest/gtest.h>

#include "link/LinkMessageText.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {
namespace {

TEST(LinkMessageText, MemoryRepliesShowTheCopyCodes) {
  struct Case {
    LinkMessageKind kind;
    const char* text;
  };
  for (const Case c : {Case{LinkMessageKind::kMemoryPastEqArea, " errror copy code:1"},
                       Case{LinkMessageKind::kUnknownMemoryAddress, " errror copy code:2"}}) {
    const LinkMessage message{c.kind, BuildMemoryCommand(kCmdReadMemory, 337, {}), {}};
    EXPECT_EQ(LinkMessageText(message),
              (LinkMessageBox{LinkMessageBox::Icon::kNone, "error", c.text}));
  }
}

TEST(LinkMessageText, EchoMismatchShowsTheUpgradeErrorText) {
  const LinkMessage message{LinkMessageKind::kEchoMismatch,
                            BuildCommand(kCmdEcho2, {0x01, 0x20, 6, 0xAA, 0xBD, 0xCC}),
                            BuildCommand(kCmdEcho2, {0x01, 0x20, 6, 0xAA, 0xBB, 0xCC})};
  const LinkMessageBox box = LinkMessageText(message);
  const std::string tabs = " \t\t\t\t\t\t\t\t \n";
  EXPECT_EQ(box.icon, LinkMessageBox::Icon::kError);
  EXPECT_EQ(box.caption, "错误");
  EXPECT_EQ(box.text,
            "升级出现错误，请关闭软件再重新打开再次进行升级！\t\t\t\t\t\t\t\t \n"
            "错误信息：校验错误-地址:0x0120" +
                tabs + "buf=02 01 20 06 AA BD CC 00 00 00 00 00" + tabs +
                "ver=02 01 20 06 AA BB CC 00 00 00 00 00");
}

}  // namespace
}  // namespace v7
