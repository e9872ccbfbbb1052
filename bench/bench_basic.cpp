// promptbasic's speed: the wall time of building a BASIC program against the
// floor of building a 20-line C++ program on promptrt with the same compiler,
// flags and libraries; and the BASIC swarm model (swarm_dump.bas) against
// swarmsim over the same 2,000 frames. Both sides run as processes.
#include "tools/promptbasic/native_build.h"
#include "tools/promptbasic/toolchain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kPromptbasic = PROMPT_BINARY_DIR "/tools/promptbasic/promptbasic";
const std::string kSwarmsim = PROMPT_BINARY_DIR "/tools/swarmsim";
const std::string kExamples = PROMPT_SOURCE_DIR "/examples";

// A small program a C++ user might write on promptrt.
constexpr char kTwentyLines[] = R"(#include "runtime/console/console.h"
#include "runtime/console/statements.h"
#include "runtime/core/prologue.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/graphics.h"
#include "runtime/math/numeric.h"
#include <cstring>
static void Print(const char* text) {
    CountedString s = StrAlloc(static_cast<int32_t>(std::strlen(text)));
    std::memcpy(s, text, std::strlen(text));
    ConsolePrint(s);
}
int main() {
    ProgramPrologue();
    Color(6, 0);
    Print("Hello\r\n");
    for (int i = 1; i <= 10; ++i)
        Circle(100 + i * 20, 100, 10 + Int(Rnd() * 5), 1 + i % 7, 0, 0, 1.0, 0, 0);
    return ProgramEpilogue();
}
)";

fs::path WorkDir() {
    fs::path dir = fs::temp_directory_path() / "promptbench-basic";
    fs::create_directories(dir);
    return dir;
}

void RunOrSkip(benchmark::State& state, const std::vector<std::string>& command) {
    const std::string log = (WorkDir() / "command.log").string();
    if (promptbasic::RunQuietly(command, log) != 0) state.SkipWithError(("failed: " + command[0]).c_str());
}

void BM_PromptbasicBuildSwarm50(benchmark::State& state) {
    const std::string output = (WorkDir() / "swarm50").string();
    for (auto _ : state)
        RunOrSkip(state, {kPromptbasic, "build", kExamples + "/swarm50.bas", "-o", output});
}
BENCHMARK(BM_PromptbasicBuildSwarm50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_CxxBuildFloor(benchmark::State& state) {
    std::string error;
    const auto toolchain = promptbasic::LoadToolchain(kPromptbasic, "native", &error);
    if (!toolchain) {
        state.SkipWithError(error.c_str());
        return;
    }
    const fs::path source = WorkDir() / "twenty_lines.cpp";
    std::ofstream(source) << kTwentyLines;
    const auto command =
        promptbasic::CompileCommand(*toolchain, false, source, (WorkDir() / "twenty_lines").string());
    for (auto _ : state) RunOrSkip(state, command);
}
BENCHMARK(BM_CxxBuildFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The model's 2,000 frames alone: a run of 2,000 frames less a run of none,
// so that each program's start-up (the BASIC program starts the console on
// the headless display; swarmsim's dump opens no window) cancels out.
double SecondsToRun(benchmark::State& state, std::vector<std::string> command, const char* frames) {
    command.push_back(frames);
    const auto start = std::chrono::steady_clock::now();
    RunOrSkip(state, command);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void TimeModelFrames(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        const double frames = SecondsToRun(state, command, "2000");
        state.SetIterationTime(std::max(0.0, frames - SecondsToRun(state, command, "0")));
    }
}

void BM_SwarmDumpBasic2000Frames(benchmark::State& state) {
    const std::string program = (WorkDir() / "swarm_dump").string();
    RunOrSkip(state, {kPromptbasic, "build", "--console", kExamples + "/swarm_dump.bas", "-o", program});
    TimeModelFrames(state, {program, "swarm50", "1"});
}
BENCHMARK(BM_SwarmDumpBasic2000Frames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_SwarmsimDump2000Frames(benchmark::State& state) {
    TimeModelFrames(state, {kSwarmsim, "--program", "swarm50", "--seed", "1", "--frames"});
}
BENCHMARK(BM_SwarmsimDump2000Frames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
