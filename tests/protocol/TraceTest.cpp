#include <gtest/gtest.h>

#include "protocol/Trace.h"
#include "protocol/TraceCapture.h"

namespace v7 {
namespace {

TEST(TraceTest, OneLineOnStandardErrorOnlyWhenSwitchedOn) {
  const bool wasEnabled = IsTraceEnabled();
  SetTraceEnabled(false);
  testing::internal::CaptureStderr();
  Trace("hidden\n");
  SetTraceEnabled(true);
  Trace("wait read thread exited time out !\n");
  Trace("g_bReadThreadEnd == TRUE ,WriteUsbData return \n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "wait read thread exited time out !\n"
            "g_bReadThreadEnd == TRUE ,WriteUsbData return \n");
  SetTraceEnabled(wasEnabled);
}

TEST(TraceTest, SinkSeesEveryLineWithoutItsBreaks) {
  TraceCapture capture;
  Trace("打开通信端口成功!\n");
  Trace("usb数据写入失败");
  EXPECT_EQ(capture.Lines(), (std::vector<std::string>{"打开通信端口成功!", "usb数据写入失败"}));
}

}  // namespace
}  // namespace v7
