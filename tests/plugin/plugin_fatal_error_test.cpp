// A failure inside an export, through the real library: the host library here lacks
// TN_setGroupAddRequest, so accepting a join request fails inside the plug-in.
#include <gtest/gtest.h>

#include "plugin_host.h"

namespace taoke {
namespace {

using testing::PluginHost;

TEST(PluginFatalError, MissingHostFunctionBecomesOneFatalReportAndTheExportGivesZero) {
  PluginHost::useOwnRunDirectory("libTNOfferWithoutJoinAnswer.so");
  PluginHost host(4321);
  host.menuA();
  host.uiSetCheck("选择框_自动同意入群", true);
  host.takeCalls();
  EXPECT_EQ(host.eventRequestAddGroup(10001, 1, 0, 0, 20001, 5001, nullptr, nullptr, "请求"), 0);
  const auto calls = host.takeCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].function, "TN_setFatal");
  EXPECT_EQ(calls[0].number("authCode"), 4321);
  EXPECT_EQ(calls[0].text("text"), "宿主函数库中没有函数 TN_setGroupAddRequest (ERROR2)");

  // The plug-in carries on: the next event is handled as usual.
  EXPECT_EQ(host.eventRequestAddGroup(10001, 3, 0, 0, 20001, 5001, nullptr, nullptr, "请求"), 0);
  EXPECT_TRUE(host.takeCalls().empty());
}

}  // namespace
}  // namespace taoke
