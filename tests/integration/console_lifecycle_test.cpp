// Start and end of the console: what the prologue leaves behind, the ready
// flag, closing the window, and start-up failures. Each death test runs in a
// fresh process of its own, with its own runtime.
#include "platform/posix/user/window.h"
#include "programs/swarm/frame_loop.h"
#include "runtime/core/strings.h"
#include "tests/integration/console_runtime.h"

#include <cstdio>
#include <cstdlib>
#include <future>
#include <sys/wait.h>

namespace console_test {
namespace {

// Checks in a death-test child report on stderr; the child's exit code says
// whether all of them held.
bool gChildChecksHeld = true;

void ChildCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    gChildChecksHeld = false;
}

[[noreturn]] void WaitForProcessEnd() {
    std::promise<void>().get_future().wait();
    std::abort();
}

bool ExitedWithFailure(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }

class ConsoleLifecycleDeathTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

void CheckStateRightAfterPrologue() {
    ChildCheck(gRuntime.readyFlag.load() == 1, "ready flag set when the prologue returns");
    HWND window = gRuntime.consoleWindow;
    ChildCheck(window != nullptr, "console window stored");
    {
        std::lock_guard layer(posix::LayerLock());
        posix::Window* record = posix::FindWindow(window);
        ChildCheck(record != nullptr, "window alive");
        if (record != nullptr) {
            const RECT& invalid = record->invalid;
            ChildCheck(invalid.left >= invalid.right || invalid.top >= invalid.bottom,
                       "window painted before the program's first statement");
            ChildCheck(record->windowClass.name == "PROMPT", "class PROMPT");
            ChildCheck(record->title == "BASIC PROMPT", "title BASIC PROMPT");
        }
    }
    ConsoleLockHold hold;
    ChildCheck(gRuntime.inputLength == -1, "no line being read");
    ChildCheck(gRuntime.cursorColumn == 0 && gRuntime.cursorRow == 0, "cursor home");
    ChildCheck(gRuntime.currentForeColour == 0x00FFFFFF && gRuntime.currentBackColour == 0,
               "white on black");
    ChildCheck(gRuntime.cellWidth > 0 && gRuntime.lineHeight > 0, "cell measured");
    ChildCheck(gRuntime.screenWidth == kScreenWidth && gRuntime.screenHeight == kScreenHeight,
               "screen size");
}

void CheckRegistryHoldsTheStringVariables() {
    ChildCheck(headless::WaitUntilIdle(gRuntime.consoleWindow), "console thread idle");
    EnterCriticalSection(&gRuntime.registryLock);
    ChildCheck(gRuntime.registryCount == kStringVariableCount, "32 live strings");
    for (int i = 0; i < kStringVariableCount && i < gRuntime.registryCount; ++i) {
        ChildCheck(gRuntime.registryEntries[i] == gRuntime.stringVariables[i], "slot order");
        ChildCheck(StrLength(gRuntime.stringVariables[i]) == 0, "empty string variable");
    }
    LeaveCriticalSection(&gRuntime.registryLock);
}

void CheckBackBufferIsScreenSizedAndBlack() {
    headless::Pixels back = ReadBackBuffer();
    ChildCheck(back.width == kScreenWidth && back.height == kScreenHeight, "screen-sized buffer");
    ChildCheck(CountLit(back, 0, 0, back.width, back.height) == 0, "black buffer");
    headless::Pixels client = headless::ReadClient(gRuntime.consoleWindow);
    ChildCheck(CountLit(client, 0, 0, client.width, client.height) == 0, "black window");
}

TEST_F(ConsoleLifecycleDeathTest, ThePrologueReturnsAfterTheFirstPaintWithTheConsoleReady) {
    EXPECT_EXIT(
        {
            StartConsoleRuntime();
            CheckStateRightAfterPrologue();
            CheckRegistryHoldsTheStringVariables();
            CheckBackBufferIsScreenSizedAndBlack();
            ExitProcess(gChildChecksHeld ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^$");
}

TEST_F(ConsoleLifecycleDeathTest, ClosingTheWindowEndsTheProcessWithCodeZero) {
    EXPECT_EXIT(
        {
            headless::InjectClose(StartConsoleRuntime());
            WaitForProcessEnd();
        },
        ::testing::ExitedWithCode(0), "^$");
}

TEST_F(ConsoleLifecycleDeathTest, ClosingTheWindowMidFrameLoopEndsTheProcessWithCodeZero) {
    EXPECT_EXIT(
        {
            HWND window = StartConsoleRuntime();
            SetUpSwarm(kSwarm5Rules);
            headless::InjectClose(window);
            for (;;) RunFrame(kSwarm5Rules);
        },
        ::testing::ExitedWithCode(0), "^$");
}

TEST_F(ConsoleLifecycleDeathTest, WithoutAScreenTheProgramEndsWithAMessage) {
    EXPECT_EXIT(
        {
            headless::SetAvailable(false);
            StartConsoleRuntime();
            ExitProcess(0);  // not reached: the prologue must not return
        },
        ExitedWithFailure, "window could not be created: the headless display is switched off");
}

TEST_F(ConsoleLifecycleDeathTest, AClassThatCannotBeRegisteredEndsTheProgramWithAMessage) {
    EXPECT_EXIT(
        {
            WNDCLASSEXA taken{};
            taken.cbSize = sizeof taken;
            taken.lpfnWndProc = DefWindowProcA;
            taken.lpszClassName = "PROMPT";
            RegisterClassExA(&taken);
            StartConsoleRuntime();
            ExitProcess(0);
        },
        ExitedWithFailure, "window class could not be registered");
}

TEST_F(ConsoleLifecycleDeathTest, ABackBufferThatCannotBeCreatedEndsTheProgramWithAMessage) {
    EXPECT_EXIT(
        {
            // A screen wider than any bitmap can be, behind a small window.
            headless::SetScreenSize(1 << 20, 16);
            headless::SetClientSize(320, 200);
            ProgramPrologue();
            ExitProcess(0);
        },
        ExitedWithFailure, "back buffer could not be created");
}

TEST_F(ConsoleLifecycleDeathTest, AFontThatCannotBeCreatedEndsTheProgramWithAMessage) {
    // A font configuration that knows no font at all.
    const std::string config = ::testing::TempDir() + "console_no_fonts.conf";
    std::FILE* file = std::fopen(config.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("<?xml version=\"1.0\"?><fontconfig></fontconfig>\n", file);
    std::fclose(file);
    EXPECT_EXIT(
        {
            setenv("FONTCONFIG_FILE", config.c_str(), 1);
            StartConsoleRuntime();
            ExitProcess(0);
        },
        ExitedWithFailure, "font could not be created");
    std::remove(config.c_str());
}

TEST_F(ConsoleRuntime, EveryPaintSetsTheReadyFlag) {
    gRuntime.readyFlag.store(0);
    RepaintAndWait(window);
    EXPECT_EQ(gRuntime.readyFlag.load(), 1);
}

}  // namespace
}  // namespace console_test
