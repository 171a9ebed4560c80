#include "plugin/fatal_error.h"

#include <exception>
#include <new>

#include "plugin/host_api.h"

namespace taoke {

std::string fatalErrorText(std::string_view text, int number) {
  return std::string(text) + " (ERROR" + std::to_string(number) + ")";
}

int reportFatalError(int number, std::string_view text) {
  try {
    hostApi().setFatal(fatalErrorText(text, number));
  } catch (...) {
    // The host library is what failed: there is nobody left to tell.
  }
  return 1;
}

void reportCurrentException() {
  try {
    throw;
  } catch (const FatalError& error) {
    reportFatalError(error.number(), error.what());
  } catch (const std::out_of_range& error) {
    reportFatalError(kErrorOutOfRange, std::string("下标越界：") + error.what());
  } catch (const std::bad_alloc&) {
    reportFatalError(kErrorOutOfMemory, "内存不足");
  } catch (const std::exception& error) {
    reportFatalError(kErrorRuntimeFailure, std::string("运行时错误：") + error.what());
  } catch (...) {
    reportFatalError(kErrorUnknown, "未知错误");
  }
}

namespace {

[[noreturn]] void reportAndAbort() {
  reportFatalError(kErrorTerminated, "程序异常终止");
  std::abort();
}

}  // namespace

void installFatalErrorHook() { std::set_terminate(reportAndAbort); }

}  // namespace taoke
