// The program prologue and epilogue.
#include "runtime/core/prologue.h"
#include "runtime/console/console.h"
#include "runtime/core/startup.h"
#include "runtime/core/strings.h"

#include <cstdio>

namespace {

constexpr DWORD kReadyPollMilliseconds = 20;

// The console thread handle is not kept: the thread is never waited for.
void StartConsoleThread() {
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, ConsoleThreadMain, nullptr, 0, &threadId);
    if (thread == nullptr) FatalRuntimeError("Program start: the console thread could not be created");
    gRuntime.consoleThreadId = threadId;
    CloseHandle(thread);
}

// Sleeps before each test, so the main thread always sleeps at least once.
// A console thread that cannot build its window ends the process itself, so
// this wait cannot outlive a failed start.
void WaitUntilPainted() {
    do {
        Sleep(kReadyPollMilliseconds);
    } while (gRuntime.readyFlag.load() == 0);
}

}  // namespace

void ProgramPrologue() {
    RuntimeStartup();
    for (CountedString& variable : gRuntime.stringVariables) variable = StrAlloc(0);
    gRuntime.inputLength = -1;
    gRuntime.readyFlag.store(0);
    StartConsoleThread();
    WaitUntilPainted();
}

// The console thread is still running, and may be painting, when the main
// routine ends. Returning to the C runtime would run the process's exit
// handlers and static destructors (the platform layer's fonts and tables among
// them) under its feet; ending the process here, as the platform does once the
// entry point returns, stops every thread first. The C streams are flushed so
// that nothing a program wrote is lost.
int ProgramEpilogue() {
    FreeStringVariables();
    std::fflush(nullptr);
    ExitProcess(0);
}
