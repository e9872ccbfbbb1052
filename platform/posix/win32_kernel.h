// Kernel services: heap, critical sections, threads, time, debugger output,
// collation and the ANSI code page (932, Shift-JIS).
#pragma once
#include "win32_types.h"
#include <cstdarg>
#include <pthread.h>

#define HEAP_ZERO_MEMORY 0x00000008
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3
#define INFINITE 0xFFFFFFFFu
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_DEVICE_NOT_AVAILABLE 4319

// A critical section is a recursive mutex, as on Windows. The record starts
// zero (it lives in zero-initialised state) and InitializeCriticalSection
// readies it.
struct CRITICAL_SECTION { pthread_mutex_t mutex; };
typedef CRITICAL_SECTION* LPCRITICAL_SECTION;

struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
typedef DWORD (*LPTHREAD_START_ROUTINE)(LPVOID);

HANDLE GetProcessHeap();
LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
LPVOID HeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID block);

void InitializeCriticalSection(LPCRITICAL_SECTION section);
void EnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
void DeleteCriticalSection(LPCRITICAL_SECTION section);

HANDLE CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stackSize,
                    LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD creationFlags, LPDWORD threadId);
BOOL CloseHandle(HANDLE handle);
DWORD GetCurrentThreadId();
[[noreturn]] void ExitProcess(UINT exitCode);
void Sleep(DWORD milliseconds);
DWORD GetTickCount();

void OutputDebugStringA(LPCSTR text);

// The calling thread's last error. FormatMessageA (FORMAT_MESSAGE_FROM_SYSTEM
// into the caller's buffer) gives its text: for an error this layer set with
// a text of its own (the display's reason, say) that text, else a short
// description of the code. The text ends in CR LF, as on Windows.
DWORD GetLastError();
void SetLastError(DWORD error);
DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId,
                     LPSTR buffer, DWORD size, va_list* arguments);

int CompareStringA(LCID locale, DWORD flags, LPCSTR left, int leftLength,
                   LPCSTR right, int rightLength);
BOOL IsDBCSLeadByte(BYTE byte);

void RtlMoveMemory(void* destination, const void* source, SIZE_T length);
int lstrlenA(LPCSTR text);
LPSTR lstrcpyA(LPSTR destination, LPCSTR source);

// Code page conversions. WCHAR holds UTF-16 code units, as on Windows (a
// character outside the basic plane takes two). CP_ACP is code page 932.
#define CP_ACP 0
#define CP_UTF8 65001
#define MB_ERR_INVALID_CHARS 0x00000008
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef BOOL* LPBOOL;
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textBytes,
                        LPWSTR wide, int wideCapacity);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideCount,
                        LPSTR text, int textCapacity, LPCSTR defaultChar, LPBOOL usedDefaultChar);

// Local wall-clock time.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;
void GetLocalTime(LPSYSTEMTIME time);

// No debugger ever attaches to this layer's processes: the debugger output
// goes to stderr instead (OutputDebugStringA).
BOOL IsDebuggerPresent();

LPVOID GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
