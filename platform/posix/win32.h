// The Win32 declarations that promptrt uses, for platforms without Win32.
// Types follow the Windows data model (LLP64): LONG, DWORD, UINT, BOOL and
// COLORREF are 32 bits; WPARAM, LPARAM, LRESULT and handles are pointer-sized.
#pragma once
#include "win32_types.h"
#include "win32_kernel.h"
#include "win32_gdi.h"
#include "win32_user.h"
#include "win32_imm.h"
