// Global memory handles. In this layer an HGLOBAL is the address of its bytes
// (the clipboard hands out such handles), so locking yields the address itself.
#include "platform/posix/win32_kernel.h"

LPVOID GlobalLock(HGLOBAL memory) { return memory; }

BOOL GlobalUnlock(HGLOBAL) { return FALSE; }  // no lock count remains, as on Windows
