// The program's handler for std::terminate. libstdc++'s default one prints the demangled type of the exception that
// escaped, which links its whole demangler (about 40 KB) into the program; this one logs a plain line and aborts.
#include <cstdlib>

#include "platform/log.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    platform::Log(u"Setup", u"terminating: an exception escaped or a noexcept function threw");
    std::abort();
}

}  // namespace __gnu_cxx
