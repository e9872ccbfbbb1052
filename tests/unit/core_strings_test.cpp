// Runtime start-up, the heap routines and the string registry.
#include "platform/posix/kernel/debug_output.h"
#include "runtime/core/strings.h"
#include "tests/unit/runtime_reset.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// "未知の文字列が解放されようとしました。\r\n" as its Shift-JIS bytes.
const std::string kStrayRelease =
    "\x96\xa2\x92\x6d\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x89\xf0\x95\xfa\x82\xb3"
    "\x82\xea\x82\xe6\x82\xa4\x82\xc6\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\r\n";

std::vector<CountedString> RegistrySlots() {
    return {gRuntime.registryEntries, gRuntime.registryEntries + gRuntime.registryCount};
}

CountedString MakeString(const std::string& text) {
    CountedString s = StrAlloc(static_cast<int32_t>(text.size()));
    std::memcpy(s, text.data(), text.size());
    return s;
}

std::string Bytes(CountedString s) { return std::string(s, StrLength(s)); }

class CoreStrings : public ::testing::Test {
protected:
    void SetUp() override { ResetRuntime(); }
};

TEST_F(CoreStrings, StartupReadiesRegistryHeapSeedAndLocks) {
    EXPECT_EQ(gRuntime.registryCount, 0);
    EXPECT_NE(gRuntime.registryEntries, nullptr);
    EXPECT_EQ(gRuntime.heap, GetProcessHeap());
    EXPECT_EQ(gRuntime.randomSeed, 1u);
    // Both locks are initialised and recursive.
    for (CRITICAL_SECTION* lock : {&gRuntime.registryLock, &gRuntime.consoleLock}) {
        EnterCriticalSection(lock);
        EnterCriticalSection(lock);
        LeaveCriticalSection(lock);
        LeaveCriticalSection(lock);
    }
}

TEST_F(CoreStrings, MemAllocZeroFills) {
    // Dirty a block first so that a reused block would show non-zero bytes.
    auto* dirty = static_cast<unsigned char*>(HeapAlloc(gRuntime.heap, 0, 255));
    std::memset(dirty, 0xA5, 255);
    HeapFree(gRuntime.heap, 0, dirty);
    auto* block = static_cast<unsigned char*>(MemAlloc(255));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 255; ++i) ASSERT_EQ(block[i], 0) << "byte " << i;
    MemFree(block);
}

TEST_F(CoreStrings, StrAllocMakesZeroFilledRegisteredStrings) {
    CountedString empty = StrAlloc(0);
    EXPECT_EQ(StrLength(empty), 0);
    EXPECT_EQ(empty[0], 0);
    CountedString seven = StrAlloc(7);
    EXPECT_EQ(StrLength(seven), 7);
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(seven[i], 0) << "byte " << i;
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{empty, seven}));
}

TEST_F(CoreStrings, ReleaseCompactsSlotsInOrder) {
    CountedString a = StrAlloc(1), b = StrAlloc(2), c = StrAlloc(3), d = StrAlloc(4);
    StrFree(d);  // newest: nothing else moves
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{a, b, c}));
    StrFree(a);  // oldest: the rest move down, in order
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{b, c}));
    CountedString e = StrAlloc(5);
    StrFree(c);  // middle
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{b, e}));
}

TEST_F(CoreStrings, StrayReleasesAreReportedAndChangeNothing) {
    posix::DebugOutputCapture capture;
    CountedString kept = StrAlloc(3);
    CountedString released = StrAlloc(3);
    StrFree(released);
    EXPECT_EQ(capture.Text(), "");
    StrFree(nullptr);  // silent
    EXPECT_EQ(capture.Text(), "");

    StrFree(released);  // second release of the same string
    EXPECT_EQ(capture.Text(), kStrayRelease);
    StrFree(kept + 1);  // a pointer into the middle of a live string
    EXPECT_EQ(capture.Text(), kStrayRelease + kStrayRelease);
    char notAString[8] = {};
    StrFree(notAString + 4);
    EXPECT_EQ(capture.Text(), kStrayRelease + kStrayRelease + kStrayRelease);
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{kept}));
}

TEST_F(CoreStrings, ConcatJoinsBytesAndConsumesOperands) {
    posix::DebugOutputCapture capture;
    CountedString kept = StrAlloc(0);
    CountedString joined = StrConcat(MakeString(std::string("ab\0", 3)), MakeString("cde"));
    EXPECT_EQ(Bytes(joined), std::string("ab\0cde", 6));
    EXPECT_EQ(joined[6], 0);
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{kept, joined}));

    CountedString left = StrAlloc(0), right = StrAlloc(0);
    int32_t before = gRuntime.registryCount;
    CountedString empty = StrConcat(left, right);
    EXPECT_EQ(StrLength(empty), 0);
    EXPECT_EQ(empty[0], 0);
    EXPECT_EQ(gRuntime.registryCount, before - 1);
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{kept, joined, empty}));
    EXPECT_EQ(capture.Text(), "");
}

TEST_F(CoreStrings, CompareCollatesAndConsumesOperands) {
    posix::DebugOutputCapture capture;
    EXPECT_EQ(StrCompare(MakeString("abc"), MakeString("abd")), CSTR_LESS_THAN);
    EXPECT_EQ(StrCompare(MakeString("abc"), MakeString("abc")), CSTR_EQUAL);
    EXPECT_EQ(StrCompare(MakeString("abc"), MakeString("")), CSTR_GREATER_THAN);
    EXPECT_EQ(StrCompare(MakeString(""), MakeString("")), CSTR_EQUAL);
    // Stored lengths are used: the text after a zero byte takes part (the
    // zero byte itself weighs nothing in the collation).
    EXPECT_EQ(StrCompare(MakeString(std::string("ab\0c", 4)), MakeString("ab")), CSTR_GREATER_THAN);
    EXPECT_EQ(gRuntime.registryCount, 0);

    CountedString left = MakeString("x");
    EXPECT_EQ(StrCompareKeepLeft(left, MakeString("y")), CSTR_LESS_THAN);
    EXPECT_EQ(StrCompareKeepLeft(left, MakeString("x")), CSTR_EQUAL);
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{left}));
    EXPECT_EQ(capture.Text(), "");
}

TEST_F(CoreStrings, FreeStringVariablesReleasesAllThirtyTwo) {
    posix::DebugOutputCapture capture;
    CountedString other = StrAlloc(1);
    for (CountedString& variable : gRuntime.stringVariables) variable = StrAlloc(0);
    EXPECT_EQ(gRuntime.registryCount, 1 + kStringVariableCount);
    CountedString first = gRuntime.stringVariables[0];
    FreeStringVariables();
    EXPECT_EQ(RegistrySlots(), (std::vector<CountedString>{other}));
    EXPECT_EQ(gRuntime.stringVariables[0], first);  // the slots are left as they were
    EXPECT_EQ(capture.Text(), "");
}

TEST_F(CoreStrings, TwoThreadsShareTheRegistry) {
    posix::DebugOutputCapture capture;
    auto churn = [] {
        for (int round = 0; round < 2000; ++round) {
            CountedString a = StrAlloc(round % 17);
            CountedString b = StrAlloc(3);
            StrFree(StrConcat(a, b));
        }
    };
    std::thread other(churn);
    churn();
    other.join();
    EXPECT_EQ(gRuntime.registryCount, 0);
    EXPECT_EQ(capture.Text(), "");
}

// Fatal failures end the process with exit code 3 and a message on stderr.
class CoreStringsDeath : public CoreStrings {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        CoreStrings::SetUp();
    }
};

const auto kFatalExit = ::testing::ExitedWithCode(3);

TEST_F(CoreStringsDeath, InvalidLengthsAreFatal) {
    EXPECT_EXIT(StrAlloc(-1), kFatalExit, "StrAlloc: invalid string length");
    EXPECT_EXIT(StrAlloc(INT32_MAX - 4), kFatalExit, "StrAlloc: invalid string length");
    EXPECT_EXIT(MemAlloc(-1), kFatalExit, "MemAlloc: negative block size");
}

TEST_F(CoreStringsDeath, ConcatBeyondThirtyTwoBitsIsFatal) {
    // Counted strings whose stored lengths sum past 2^31 - 1; their bytes are
    // never read because the sum is checked first.
    alignas(4) char longHeader[8] = {};
    alignas(4) char shortHeader[8] = {};
    int32_t longLength = INT32_MAX - 2, shortLength = 3;
    std::memcpy(longHeader, &longLength, 4);
    std::memcpy(shortHeader, &shortLength, 4);
    EXPECT_EXIT(StrConcat(longHeader + 4, shortHeader + 4), kFatalExit, "StrConcat: string too long");
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// Caps the address space a little above what the process uses now, so that
// a large allocation fails. (The sanitizers reserve address space of their own.)
void LimitAddressSpace() {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (64u << 20);
    rlimit cap{limit, limit};
    setrlimit(RLIMIT_AS, &cap);
}

TEST_F(CoreStringsDeath, ExhaustedHeapIsFatal) {
    EXPECT_EXIT({ LimitAddressSpace(); StrAlloc(1 << 30); }, kFatalExit, "StrAlloc: out of memory");
    EXPECT_EXIT({ LimitAddressSpace(); MemAlloc(1 << 30); }, kFatalExit, "MemAlloc: out of memory");
}
#endif

}  // namespace
