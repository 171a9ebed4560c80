// In-process tests of HostApi against the recording host library linked into the test program:
// the binding is pointed at that very library, and each test starts with no data and no calls.
#pragma once

#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host_call.h"
#include "tnoffer_control.h"

namespace taoke {

class RecordingHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&tnofferReset), &info);
    setenv("TNOFFER_LIBRARY", info.dli_fname, 1);
  }

  void SetUp() override { tnofferReset(); }

  static std::vector<testing::HostCall> takeCalls() { return testing::parseHostCalls(tnofferTakeCalls()); }
};

}  // namespace taoke
