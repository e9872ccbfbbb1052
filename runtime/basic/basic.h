// The routines that compiled BASIC programs call besides the runtime's own
// statements (Cls, Circle, Color, LineInput, Sqr, Rnd, ...): program start and
// end in the two program modes, PRINT and number formatting, INPUT, the string
// functions, checked integer division, and runtime errors that name the BASIC
// line. Every routine that takes a CountedString consumes it, as the runtime's
// own routines do; every CountedString returned is new and belongs to the caller.
#pragma once
#include "runtime/core/runtime_state.h"

#include <cstdint>

// How a program talks to its user.
enum class BasicMode : int32_t {
    kWindow = 0,   // the console window: PRINT through ConsolePrint, input through the line read
    kConsole = 1,  // standard input and output (UTF-8 outside, Shift-JIS inside); the
                   // window lives on the headless display, so graphics still draw
};

// Program start: records the mode, COMMAND$ (argv[1..] joined by single spaces)
// and the source's name for runtime errors, then runs ProgramPrologue.
void BasicProgramStart(BasicMode mode, int argc, char** argv, const char* sourceName);

// END or the program's last line. Window mode: the window stays open, showing
// what was drawn and printed, until the user closes it (exit status 0).
// Console mode: flushes standard output and ends the process with status 0.
[[noreturn]] void BasicProgramEnd();

// Stops the program with "SOURCE:LINE: runtime error: MESSAGE" on standard
// error and the debugger output, exit status 3.
[[noreturn]] void BasicRuntimeError(int32_t line, const char* message);

// ---- PRINT --------------------------------------------------------------
// Number text as PRINT shows it without the trailing space, which is STR$'s
// result: a sign position (space or '-') and the digits. Doubles print with the
// fewest significant digits that read back as the same double, no leading zero
// (".25", "-.5"), plain while the decimal exponent is -5..16, otherwise
// "1.5E+20" / "2.5E-07".
CountedString BasicStrInteger(int32_t value);
CountedString BasicStrDouble(double value);

void BasicPrintString(CountedString text);  // the bytes, no separator
void BasicPrintInteger(int32_t value);      // BasicStrInteger's text and one space
void BasicPrintDouble(double value);        // BasicStrDouble's text and one space
void BasicPrintComma();                     // to the next column that is a multiple of 14
void BasicPrintNewline();                   // ends the line

// ---- Input --------------------------------------------------------------
// LINE INPUT: prints prompt (may be null) and reads one line. In console mode
// the end of standard input ends the program with status 0.
CountedString BasicLineInput(CountedString prompt);

enum class BasicInputKind : int32_t { kInteger, kLong, kDouble, kString };
struct BasicInputTarget {
    BasicInputKind kind;
    void* address;  // int16_t*, int32_t*, double* or CountedString* (old string freed)
};
// INPUT: prints prompt (may be null) and, when questionMark, "? "; reads a line,
// splits it at commas (a double-quoted field may hold commas) and stores one
// field into each target. A field that is not a number for a numeric target,
// or a wrong field count, prints "?Redo from start" and asks again. A number
// stored into an INTEGER or LONG is truncated toward zero and keeps its low
// 16 or 32 bits, as every store does.
void BasicInput(CountedString prompt, bool questionMark, const BasicInputTarget* targets,
                int32_t count);

// ---- Strings (byte counts of Shift-JIS text) -----------------------------
// Joins as StrConcat does; a result longer than the runtime allows is a
// runtime error at line.
CountedString BasicConcat(CountedString left, CountedString right, int32_t line);
CountedString BasicCopy(CountedString s);  // a new copy; s is NOT consumed
int32_t BasicLen(CountedString s);
CountedString BasicLeft(CountedString s, int32_t count);
CountedString BasicRight(CountedString s, int32_t count);
CountedString BasicMid(CountedString s, int32_t start, int32_t count);  // count < 0: to the end
// MID$(target$, start[, count]) = replacement: overwrites in place, never
// changing target's length.
void BasicMidAssign(CountedString* target, int32_t start, int32_t count, CountedString replacement);
CountedString BasicChr(int32_t code, int32_t line);  // code outside 0..255: runtime error
CountedString BasicSpace(int32_t count, int32_t line);
CountedString BasicStringOf(int32_t count, int32_t code, int32_t line);  // STRING$(n, code)
CountedString BasicUcase(CountedString s);  // ASCII letters only; double-byte characters kept
CountedString BasicLcase(CountedString s);
CountedString BasicLtrim(CountedString s);
CountedString BasicRtrim(CountedString s);
CountedString BasicHex(int32_t value);  // upper-case digits, two's complement for negatives
int32_t BasicInstr(int32_t start, CountedString s, CountedString find);  // 1-based, 0: not found
double BasicVal(CountedString s);
CountedString BasicCommand();  // COMMAND$

// ---- Numbers ------------------------------------------------------------
// Integer \ and MOD on 32-bit values: division by zero is a runtime error.
int32_t BasicIntDivide(int32_t left, int32_t right, int32_t line);
int32_t BasicMod(int32_t left, int32_t right, int32_t line);
// A DOUBLE operand of \, MOD or a logical operator, truncated toward zero to
// 32 bits (the runtime's conversion).
int32_t BasicToInt32(double value);
double BasicFix(double value);
double BasicTimer();  // seconds since midnight
void BasicSleep(double seconds);  // the window stays responsive meanwhile

// An array index outside [lower, upper] is a runtime error at line.
inline int32_t BasicCheckIndex(int32_t index, int32_t lower, int32_t upper, int32_t line) {
    if (index < lower || index > upper) [[unlikely]]
        BasicRuntimeError(line, "array index out of bounds");
    return index - lower;
}

// DIM: the storage of an array of `elements` elements (zero-filled); a size the
// process cannot have is a runtime error at line. String arrays start with an
// empty string in every element.
void* BasicArrayAlloc(int64_t elements, int32_t elementBytes, int32_t line);
CountedString* BasicStringArrayAlloc(int64_t elements, int32_t line);
