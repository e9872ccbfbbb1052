// Program start and end in the two modes, COMMAND$, and runtime errors.
#include "platform/platform.h"
#include "runtime/basic/basic_state.h"
#include "runtime/core/prologue.h"
#include "runtime/core/strings.h"

#include <cstdio>
#include <string>

BasicState gBasic;

namespace {

constexpr UINT kRuntimeErrorExitCode = 3;
constexpr DWORD kClosePollMilliseconds = 50;

// argv[1..] joined by single spaces. The arguments are UTF-8 where the system
// passes UTF-8 and the ANSI code page (932) on Windows; text that is not valid
// UTF-8 is taken to be Shift-JIS already, as source files are.
std::string CommandLine(int argc, char** argv) {
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) joined += ' ';
        joined += argv[i];
    }
    if (IsValidUtf8(joined.data(), joined.size())) return Utf8ToShiftJis(joined.data(), joined.size());
    return joined;
}

}  // namespace

void BasicProgramStart(BasicMode mode, int argc, char** argv, const char* sourceName) {
    gBasic.mode = mode;
    gBasic.column = 0;
    gBasic.pendingLead = 0;
    gBasic.sourceName = sourceName != nullptr ? sourceName : "program";
    gBasic.command = CommandLine(argc, argv);
    // Both modes run the console thread: console mode's window lives on the
    // headless display the program is linked with, so graphics still draw.
    ProgramPrologue();
}

void BasicProgramEnd() {
    std::fflush(BasicOutput());
    if (gBasic.mode == BasicMode::kConsole) ExitProcess(0);
    // The window keeps showing what was drawn and printed; closing it ends the
    // process with status 0 from the console thread.
    for (;;) Sleep(kClosePollMilliseconds);
}

// Only one source name is known here: for a statement of an included file the
// line is the included file's and the name is still the main source's. The
// message names the line where the error happened all the same.
void BasicRuntimeError(int32_t line, const char* message) {
    std::fflush(BasicOutput());
    const std::string text =
        gBasic.sourceName + ":" + std::to_string(line) + ": runtime error: " + message;
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    // Without a debugger attached the debugger output would only repeat the
    // message (the posix layer sends it to stderr).
    if (IsDebuggerPresent()) {
        OutputDebugStringA(text.c_str());
        OutputDebugStringA("\r\n");
    }
    ExitProcess(kRuntimeErrorExitCode);
}

CountedString BasicCommand() {
    return BasicStringFrom(gBasic.command.data(), gBasic.command.size(), 0);
}
