// The program prologue and epilogue.
#include "runtime/core/prologue.h"
#include "runtime/console/console.h"
#include "runtime/core/startup.h"
#include "runtime/core/strings.h"

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

int ProgramEpilogue() {
    FreeStringVariables();
    return 0;
}
