#pragma once

#include <objbase.h>

namespace platform::win32 {

// Initialises COM on the calling thread for the scope; uninitialises only what it initialised.
class ComScope {
public:
    ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope();

private:
    bool initialised_ = false;
};

}  // namespace platform::win32
