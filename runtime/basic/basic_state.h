// The state of the BASIC routines: the program's mode, where console mode
// reads and writes, PRINT's column, and what runtime errors and COMMAND$
// report. Internal to runtime/basic.
#pragma once
#include "runtime/basic/basic.h"

#include <cstdio>
#include <string>

struct BasicState {
    BasicMode mode = BasicMode::kConsole;
    std::FILE* output = nullptr;  // console mode; null: stdout
    std::FILE* input = nullptr;   // console mode; null: stdin
    int32_t column = 0;           // PRINT's column on the current line, in bytes
    unsigned char pendingLead = 0;  // a Shift-JIS lead byte whose trail byte comes in the next PRINT
    std::string sourceName = "program";
    std::string command;          // COMMAND$, in Shift-JIS
};

extern BasicState gBasic;

inline std::FILE* BasicOutput() { return gBasic.output != nullptr ? gBasic.output : stdout; }
inline std::FILE* BasicInputStream() { return gBasic.input != nullptr ? gBasic.input : stdin; }

// Shift-JIS <-> UTF-8 for console mode's streams and the command line.
std::string ShiftJisToUtf8(const char* text, size_t length);
std::string Utf8ToShiftJis(const char* text, size_t length);
bool IsValidUtf8(const char* text, size_t length);

// A new counted string holding the given bytes.
CountedString BasicStringFrom(const char* bytes, size_t length, int32_t line);

// Writes Shift-JIS text to the program's output (stdout converted to UTF-8,
// or the console window) and follows PRINT's column. Consumes nothing.
void BasicWriteText(const char* bytes, size_t length);
