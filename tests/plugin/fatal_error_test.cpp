#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "plugin/export_guard.h"
#include "plugin/fatal_error.h"
#include "plugin/host_api.h"
#include "recording_host.h"

namespace taoke {
namespace {

TEST(FatalErrorText, NumberFollowsTheWordWithoutASpace) {
  EXPECT_EQ(fatalErrorText("数组越界", 7), "数组越界 (ERROR7)");
  EXPECT_EQ(fatalErrorText("", 12), " (ERROR12)");
}

struct ThrowCase {
  const char* name;
  std::function<int()> body;
  std::string expectedText;
};

class ExportGuardTest : public RecordingHostTest, public ::testing::WithParamInterface<ThrowCase> {};

// Whatever a body throws, the host hears of it once, through TN_setFatal, and the export gives 0.
TEST_P(ExportGuardTest, ReportsEveryFailureOnceAndReturnsZero) {
  hostApi().setAuthCode(55);
  EXPECT_EQ(guardExport(GetParam().body), 0);
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].function, "TN_setFatal");
  EXPECT_EQ(calls[0].number("authCode"), 55);
  EXPECT_EQ(calls[0].text("text"), GetParam().expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExportGuardTest,
    ::testing::Values(
        ThrowCase{"ownError", [] () -> int { throw FatalError(7, "数组越界"); }, "数组越界 (ERROR7)"},
        ThrowCase{"outOfRange", [] () -> int { throw std::out_of_range("index 3"); }, "下标越界：index 3 (ERROR3)"},
        ThrowCase{"outOfMemory", [] () -> int { throw std::bad_alloc(); }, "内存不足 (ERROR4)"},
        ThrowCase{"runtime", [] () -> int { throw std::runtime_error("bad"); }, "运行时错误：bad (ERROR5)"},
        ThrowCase{"unknown", [] () -> int { throw 42; }, "未知错误 (ERROR6)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordingHostTest, GuardPassesTheResultThroughWhenNothingFails) {
  EXPECT_EQ(guardExport([] { return 5; }), 5);
  const char* text = "x";
  EXPECT_EQ(guardExport([&] { return text; }), text);
  EXPECT_EQ(guardExport([]() -> const char* { throw std::runtime_error("no"); }), nullptr);
  EXPECT_EQ(takeCalls().size(), 1u);
}

TEST_F(RecordingHostTest, HookReturnsOne) {
  EXPECT_EQ(reportFatalError(9, "t"), 1);
  EXPECT_EQ(takeCalls()[0].text("text"), "t (ERROR9)");
}

}  // namespace
}  // namespace taoke
