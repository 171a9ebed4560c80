// Runs the body of an exported function so that no C++ exception ever reaches the host: a failure is
// reported through the fatal-error hook and the export returns its failure value (0, or null for a
// text result, which the host reads as empty).
//
//   TAOKE_EXPORT int32_t TAOKE_CALL uiClick(const char* button) {
//     return taoke::guardExport([&] { return clickButton(button ? button : ""); });
//   }
#pragma once

#include <type_traits>

#include "plugin/fatal_error.h"

namespace taoke {

template <class Body, class Result = std::invoke_result_t<Body&>>
Result guardExport(Body&& body, Result failed = Result{}) noexcept {
  try {
    return body();
  } catch (...) {
    reportCurrentException();
    return failed;
  }
}

}  // namespace taoke
