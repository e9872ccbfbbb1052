// The one seam between promptrt and the operating system. The runtime calls
// the Win32 operations by their Win32 names; on Windows they are the real API,
// elsewhere the project's own layer under platform/posix provides them.
#pragma once
#ifdef _WIN32
#include <windows.h>
#include <imm.h>
#else
#include "posix/win32.h"
#endif
