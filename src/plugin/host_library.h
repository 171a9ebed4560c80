// Binding to the host library (libTNOffer.so on Linux, TNOffer.dll on Windows): opens the library the
// first time a host function is needed and finds each function by its name.
#pragma once

namespace taoke {

// The address of the host function `name`. The library is opened on the first call; until that
// succeeds every call tries again. A missing library or function throws FatalError.
void* findHostFunction(const char* name);

}  // namespace taoke
