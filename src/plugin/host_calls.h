// The host library's functions as C++ functions of namespace taoke::host, one per entry of the host
// function table; each finds its host function on its first call and keeps the address.
#pragma once

#include "plugin/host_functions.h"

namespace taoke::host {

#define TAOKE_DECLARE_HOST_CALL(name, Result, parameters, arguments) Result name parameters;
TAOKE_HOST_FUNCTIONS(TAOKE_DECLARE_HOST_CALL)
#undef TAOKE_DECLARE_HOST_CALL

}  // namespace taoke::host
