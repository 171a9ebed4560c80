// How a function of the host's interface is exported: extern "C", visible, and on Windows the
// standard calling convention with an undecorated name (the .def / --kill-at side of the build).
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define TAOKE_EXPORT extern "C" __declspec(dllexport)
#define TAOKE_CALL __stdcall
#else
#define TAOKE_EXPORT extern "C" __attribute__((visibility("default")))
#define TAOKE_CALL
#endif
