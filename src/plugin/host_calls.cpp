#include "plugin/host_calls.h"

#include "plugin/export_abi.h"
#include "plugin/host_library.h"

namespace taoke::host {

// A failed look-up throws before the local static is set, so the next call looks again.
#define TAOKE_DEFINE_HOST_CALL(name, Result, parameters, arguments)                   \
  Result name parameters {                                                            \
    using Function = Result(TAOKE_CALL*) parameters;                                  \
    static const Function function = reinterpret_cast<Function>(findHostFunction(#name)); \
    return function arguments;                                                        \
  }
TAOKE_HOST_FUNCTIONS(TAOKE_DEFINE_HOST_CALL)
#undef TAOKE_DEFINE_HOST_CALL

}  // namespace taoke::host
