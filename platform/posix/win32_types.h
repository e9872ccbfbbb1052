// Basic Win32 types, records and constants, with Windows' field names and order.
#pragma once
#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef int INT;
typedef char CHAR;
typedef wchar_t WCHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t SIZE_T;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef DWORD LCID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Handles are pointers to the layer's own records; each kind is a distinct
// pointer type so that mixing them up does not compile.
#define PROMPT_DECLARE_HANDLE(name) struct name##__; typedef struct name##__* name
typedef void* HANDLE;
PROMPT_DECLARE_HANDLE(HWND);
PROMPT_DECLARE_HANDLE(HDC);
PROMPT_DECLARE_HANDLE(HINSTANCE);
PROMPT_DECLARE_HANDLE(HICON);
PROMPT_DECLARE_HANDLE(HIMC);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef void* HGDIOBJ;
PROMPT_DECLARE_HANDLE(HBITMAP);
PROMPT_DECLARE_HANDLE(HBRUSH);
PROMPT_DECLARE_HANDLE(HPEN);
PROMPT_DECLARE_HANDLE(HFONT);
typedef HANDLE HGLOBAL;

struct RECT { LONG left; LONG top; LONG right; LONG bottom; };
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
struct POINT { LONG x; LONG y; };
struct SIZE { LONG cx; LONG cy; };
typedef SIZE* LPSIZE;

#define MAKEINTRESOURCEA(i) ((LPSTR)(uintptr_t)(WORD)(i))
