// The POSIX layer's kernel services: heap, critical sections, threads, time,
// process exit, debugger output and the code page's lead bytes.
#include "platform/platform.h"
#include "platform/posix/kernel/debug_output.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

TEST(KernelHeap, ZeroFlagIsHonouredAndReallocationKeepsContents) {
    HANDLE heap = GetProcessHeap();
    ASSERT_NE(heap, nullptr);
    // Dirty a block so that a reused block would show if zero-fill were skipped.
    auto* dirty = static_cast<unsigned char*>(HeapAlloc(heap, 0, 100));
    std::memset(dirty, 0xA5, 100);
    HeapFree(heap, 0, dirty);
    auto* zeroed = static_cast<unsigned char*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, 100));
    ASSERT_NE(zeroed, nullptr);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(zeroed[i], 0) << "byte " << i;

    std::memcpy(zeroed, "counted", 8);
    auto* grown = static_cast<char*>(HeapReAlloc(heap, 0, zeroed, 100000));
    ASSERT_NE(grown, nullptr);
    EXPECT_STREQ(grown, "counted");
    EXPECT_TRUE(HeapFree(heap, 0, grown));

    void* empty = HeapAlloc(heap, 0, 0);  // a distinct, freeable block
    EXPECT_NE(empty, nullptr);
    HeapFree(heap, 0, empty);
}

TEST(KernelCriticalSection, ZeroFilledRecordBecomesARecursiveLock) {
    static CRITICAL_SECTION section;  // zero-filled, as in the runtime record
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);
    auto otherThreadCanTake = [] {
        bool taken = false;
        std::thread([&] {
            taken = pthread_mutex_trylock(&section.mutex) == 0;
            if (taken) pthread_mutex_unlock(&section.mutex);
        }).join();
        return taken;
    };
    LeaveCriticalSection(&section);
    EXPECT_FALSE(otherThreadCanTake()) << "still held once";
    LeaveCriticalSection(&section);
    EXPECT_TRUE(otherThreadCanTake());
    DeleteCriticalSection(&section);
}

struct ThreadReport {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    DWORD idSeenInside = 0;
    int parameter = 0;
};

DWORD ReportingThread(LPVOID parameter) {
    auto* report = static_cast<ThreadReport*>(parameter);
    std::lock_guard lock(report->mutex);
    report->idSeenInside = GetCurrentThreadId();
    report->parameter = 42;
    report->finished = true;
    report->done.notify_one();
    return 0;
}

TEST(KernelThreads, CreateThreadRunsTheRoutineAndReportsItsId) {
    ThreadReport report;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, ReportingThread, &report, 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    {
        std::unique_lock lock(report.mutex);
        ASSERT_TRUE(report.done.wait_for(lock, std::chrono::seconds(30), [&] { return report.finished; }));
    }
    EXPECT_EQ(report.idSeenInside, id);
    EXPECT_EQ(report.parameter, 42);
    EXPECT_NE(GetCurrentThreadId(), id);
    EXPECT_EQ(GetCurrentThreadId(), GetCurrentThreadId());
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(KernelTime, SleepWaitsAtLeastTheGivenTime) {
    DWORD before = GetTickCount();
    auto start = std::chrono::steady_clock::now();
    Sleep(30);
    auto slept = std::chrono::steady_clock::now() - start;
    EXPECT_GE(slept, std::chrono::milliseconds(30));
    // Whole milliseconds, so the tick difference may lose up to one.
    EXPECT_GE(static_cast<DWORD>(GetTickCount() - before), 29u);
}

TEST(KernelMemory, MoveMemoryHandlesOverlap) {
    char text[] = "abcdef";
    RtlMoveMemory(text + 2, text, 4);
    EXPECT_STREQ(text, "ababcd");
}

// Runs `write` with stderr redirected to a temporary file; returns what was written.
template <class Write>
std::string CaptureStderr(Write write) {
    std::fflush(stderr);
    FILE* file = std::tmpfile();
    int saved = dup(2);
    dup2(fileno(file), 2);
    write();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

TEST(KernelDebugOutput, WritesUtf8ToStderrWithUnconvertibleBytesAsQuestionMarks) {
    // あ, "A", an undefined byte, 漢, a lead byte cut off at the end.
    std::string written = CaptureStderr([] { OutputDebugStringA("\x82\xa0 A \xff\x8a\xbf\x82"); });
    EXPECT_EQ(written, "\xe3\x81\x82 A ?\xe6\xbc\xa2?");
    EXPECT_EQ(CaptureStderr([] { OutputDebugStringA("line\r\n"); }), "line\r\n");
}

TEST(KernelDebugOutput, CaptureTakesRawBytesFromAllThreadsInsteadOfStderr) {
    std::string written = CaptureStderr([] {
        posix::DebugOutputCapture outer;
        OutputDebugStringA("outer\x82\xa0");
        {
            posix::DebugOutputCapture inner;
            std::vector<std::thread> writers;
            for (int t = 0; t < 4; ++t)
                writers.emplace_back([] {
                    for (int i = 0; i < 250; ++i) OutputDebugStringA("xy");
                });
            for (auto& writer : writers) writer.join();
            std::string text = inner.Text();
            EXPECT_EQ(text.size(), 2000u);
            for (std::size_t i = 0; i < text.size(); i += 2) ASSERT_EQ(text.compare(i, 2, "xy"), 0);
        }
        OutputDebugStringA("!");
        EXPECT_EQ(outer.Text(), "outer\x82\xa0!");
    });
    EXPECT_EQ(written, "");
}

TEST(KernelCodePage, LeadBytesOfCodePage932) {
    int leadBytes = 0;
    for (int byte = 0; byte < 256; ++byte) {
        bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0, expected) << "byte " << byte;
        leadBytes += IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0;
    }
    EXPECT_EQ(leadBytes, 31 + 29);
}

TEST(KernelProcessDeath, ExitProcessFlushesAndSkipsExitHandlers) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // stdout goes to the captured stderr, fully buffered, so only the
            // flush makes the text appear; an exit handler would change the code.
            dup2(2, 1);
            static char buffer[256];
            std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
            std::atexit([] { _exit(99); });
            std::printf("buffered text");
            ExitProcess(7);
        },
        ::testing::ExitedWithCode(7), "buffered text");
}

}  // namespace
