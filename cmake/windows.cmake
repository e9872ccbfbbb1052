# Settings for building with mingw-w64 for Windows.

# Windows 7 is the oldest system the programs target; the A-suffixed (ANSI)
# entry points are used throughout, so UNICODE stays undefined.
# WIN32_LEAN_AND_MEAN leaves out the OLE, shell and socket headers; the input
# method declarations come from <imm.h>, which platform.h includes itself.
add_compile_definitions(
  _WIN32_WINNT=0x0601
  WINVER=0x0601
  NOMINMAX
  WIN32_LEAN_AND_MEAN
  # mingw-w64's own C99 printf family instead of the system C runtime's, so
  # that "%.17g" and friends print exactly what the C library on Linux prints.
  __USE_MINGW_ANSI_STDIO=1
)

# x86-64 always does double arithmetic in SSE2; say so anyway in case the
# compiler's default is ever changed, since the numeric results are defined
# to the bit.
add_compile_options(-msse2 -mfpmath=sse)
