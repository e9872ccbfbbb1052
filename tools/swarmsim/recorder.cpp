// Recording frames: after every K-th frame the picture that a paint would show
// (the back buffer with the text layer over it) is composed under the console
// lock and written as a PNG. The main thread alone draws into the back buffer,
// so the pictures do not depend on when the console thread paints, and the
// same seed gives the same files.
#include "tools/swarmsim/recorder.h"
#include "programs/swarm/frame_loop.h"
#include "runtime/core/prologue.h"
#include "tools/capture/console_capture.h"
#include "tools/capture/png.h"
#include "tools/swarmsim/process_stats.h"
#include "tools/swarmsim/progress.h"
#include "tools/swarmsim/setup.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;

std::string FramePath(const std::string& directory, uint64_t number) {
    char name[40];
    std::snprintf(name, sizeof name, "frame-%06llu.png", static_cast<unsigned long long>(number));
    return (std::filesystem::path(directory) / name).string();
}

bool MakeDirectory(const std::string& directory, std::string& error) {
    std::error_code code;
    std::filesystem::create_directories(directory, code);
    if (!code && std::filesystem::is_directory(directory, code)) return true;
    error = "cannot create the directory " + directory + ": " +
            (code ? code.message() : std::string("a file of that name is in the way"));
    return false;
}

[[noreturn]] void FailWriting(Progress& progress, const std::string& error) {
    EndProgress(progress);
    std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
    ExitProcess(kWriteFailed);
}

void SaveFrame(const std::string& directory, uint64_t number, Progress& progress) {
    const Picture picture = ComposeConsoleFrame();
    if (picture.Empty()) FailWriting(progress, "the console window shows nothing to record");
    std::string error;
    if (!WritePngFile(FramePath(directory, number), picture, error)) FailWriting(progress, error);
}

[[noreturn]] void Record(const SimOptions& options) {
    Progress progress = StartProgress(options.frames);
    uint64_t saved = 0;
    for (uint64_t frame = 1; frame <= options.frames; ++frame) {
        RunFrame(*options.rules);
        if (frame % options.every == 0) SaveFrame(options.recordDirectory, ++saved, progress);
        ShowProgress(progress, frame);
    }
    EndProgress(progress);
    ExitProcess(0);
}

// Start-up: from the process's creation until the window's first paint,
// which the prologue waits for.
void ReportStartUp(std::optional<double> startUpSeconds) {
    if (startUpSeconds) std::printf("start-up to the first paint: %.1f ms\n", *startUpSeconds * 1000.0);
}

[[noreturn]] void MeasureSpeed(const SimOptions& options, std::optional<double> startUpSeconds) {
    ReportStartUp(startUpSeconds);
    const auto start = std::chrono::steady_clock::now();
    for (uint64_t frame = 0; frame < options.frames; ++frame) RunFrame(*options.rules);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double seconds = elapsed.count();
    std::printf("%llu frames in %.3f s: %.1f frames per second\n",
                static_cast<unsigned long long>(options.frames), seconds,
                seconds > 0 ? static_cast<double>(options.frames) / seconds : 0.0);
    if (std::optional<double> peak = PeakResidentMiB()) std::printf("peak resident memory: %.1f MiB\n", *peak);
    std::fflush(stdout);
    ExitProcess(0);
}

}  // namespace

int RunOnConsole(const SimOptions& options) {
    std::string error;
    if (options.screenGiven && !ChooseScreenSize(options.screenWidth, options.screenHeight, error)) {
        std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
        return kUsageError;
    }
    if (options.mode == SimMode::kRecord && !MakeDirectory(options.recordDirectory, error)) {
        std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
        return kWriteFailed;
    }
    ProgramPrologue();
    const std::optional<double> startUpSeconds = SecondsSinceProcessStart();
    SetUpModel(options);
    if (options.mode == SimMode::kRecord) Record(options);
    MeasureSpeed(options, startUpSeconds);
}
