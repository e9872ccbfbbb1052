// Recording frames: after every K-th frame the picture that a paint would show
// (the back buffer with the text layer over it) is composed under the console
// lock and handed to a pipeline that writes it as a PNG file or a video frame
// while the model runs on. The main thread alone draws into the back buffer,
// so the pictures do not depend on when the console thread paints, and the
// same seed gives the same files.
#include "tools/swarmsim/recorder.h"
#include "programs/swarm/frame_loop.h"
#include "runtime/core/prologue.h"
#include "tools/capture/console_capture.h"
#include "tools/capture/png.h"
#include "tools/capture/png_image.h"
#include "tools/swarmsim/frame_pipeline.h"
#include "tools/swarmsim/process_stats.h"
#include "tools/swarmsim/progress.h"
#include "tools/swarmsim/setup.h"
#include "tools/swarmsim/video_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;
// Frames under way per PNG encoder: enough that no encoder waits for the
// model, few enough to bound the memory (a 1920x1080 picture is 8 MiB).
constexpr std::size_t kFramesPerEncoder = 2;
constexpr std::size_t kVideoFramesUnderWay = 4;

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

int EncoderThreads(const SimOptions& options) {
    if (options.threads > 0) return options.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 64u));
}

// PNG files: indexed by the main thread, compressed on every worker and
// written in order of their numbers.
std::unique_ptr<FramePipeline> PngPipeline(const SimOptions& options) {
    const int threads = EncoderThreads(options);
    auto encode = [](PreparedFrame& frame, std::string& error) {
        const bool encoded = EncodePngImage(frame.image, frame.bytes);
        if (!encoded) error = "cannot encode frame " + std::to_string(frame.number);
        return encoded;
    };
    auto write = [directory = options.recordPath](PreparedFrame& frame, std::string& error) {
        return WritePngBytes(FramePath(directory, frame.number), frame.bytes, error);
    };
    return std::make_unique<FramePipeline>(threads, kFramesPerEncoder * static_cast<std::size_t>(threads),
                                           encode, write);
}

// A video: one worker feeds the encoder, which has threads of its own.
std::unique_ptr<FramePipeline> VideoPipeline(VideoWriter& video) {
    auto write = [&video](PreparedFrame& frame, std::string& error) {
        return WriteVideoFrame(video, frame.picture, error);
    };
    return std::make_unique<FramePipeline>(1, kVideoFramesUnderWay, nullptr, write);
}

[[noreturn]] void FailWriting(Progress& progress, const std::string& error) {
    EndProgress(progress);
    std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
    ExitProcess(kWriteFailed);
}

// What the window shows now: as a picture for a video, or (indexed on this
// thread, straight from the console's pixels, which spares copying a
// screenful) as a PNG image. False when the window shows nothing.
bool TakeFrame(bool video, FrameComposer& composer, PreparedFrame& frame) {
    if (video) return ComposeConsoleFrame(composer, frame.picture) && !frame.picture.Empty();
    bool made = false;
    const bool composed =
        ComposeConsoleFrame(composer, [&](PixelView pixels) { made = MakePngImage(pixels, frame.image); });
    return composed && made;
}

// Runs the frames and hands every K-th picture to the pipeline; false with
// error set when a picture could not be taken or the pipeline has failed.
bool RunAndSubmit(const SimOptions& options, bool video, FramePipeline& pipeline, FrameComposer& composer,
                  Progress& progress, std::string& error) {
    for (uint64_t frame = 1; frame <= options.frames; ++frame) {
        RunFrame(*options.rules);
        if (frame % options.every == 0) {
            PreparedFrame taken = pipeline.TakeSpare();
            if (!TakeFrame(video, composer, taken)) {
                error = "the console window shows nothing to record";
                return false;
            }
            if (!pipeline.Submit(std::move(taken))) return false;
        }
        ShowProgress(progress, frame);
    }
    return true;
}

// Ends the process: status 0 once every frame is written (and the video
// file has its name), 1 otherwise, with the video's temporary file removed.
[[noreturn]] void Record(const SimOptions& options, VideoWriter* video) {
    Progress progress = StartProgress(options.frames);
    std::unique_ptr<FramePipeline> pipeline = video ? VideoPipeline(*video) : PngPipeline(options);
    std::string error, pipelineError;
    FrameComposer composer;
    const bool ran = RunAndSubmit(options, video != nullptr, *pipeline, composer, progress, error);
    ReleaseFrameComposer(composer);
    const bool written = pipeline->Finish(pipelineError);
    pipeline.reset();
    if (!written) error = pipelineError;
    if (!ran || !written) {
        if (video) AbandonVideo(video);
        FailWriting(progress, error);
    }
    if (video && !FinishVideo(video, error)) FailWriting(progress, error);
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
    VideoWriter* video = nullptr;
    if (options.mode == SimMode::kRecord && options.videoFormat != VideoFormat::kNone) {
        video = OpenVideo(options.recordPath, {options.videoFormat, options.videoFps, options.videoLossless}, error);
        if (video == nullptr) {
            std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
            return kWriteFailed;
        }
    } else if (options.mode == SimMode::kRecord && !MakeDirectory(options.recordPath, error)) {
        std::fprintf(stderr, "swarmsim: %s\n", error.c_str());
        return kWriteFailed;
    }
    ProgramPrologue();
    const std::optional<double> startUpSeconds = SecondsSinceProcessStart();
    SetUpModel(options);
    if (options.mode == SimMode::kRecord) Record(options, video);
    MeasureSpeed(options, startUpSeconds);
}
