// Ending the process.
#include "platform/posix/win32_kernel.h"

#include <cstdio>
#include <unistd.h>

// Ends the process at once with the given code. Other threads may still be
// running (drawing, reading the runtime's state), so no static destructors or
// exit handlers run: only the C streams are flushed so nothing written is lost.
void ExitProcess(UINT exitCode) {
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(static_cast<int>(exitCode));
}
