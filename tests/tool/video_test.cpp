// swarmsim's videos, read back with FFmpeg's own tools: ffprobe counts the
// frames and reports size, rate and codec; ffmpeg decodes the first frame
// of a lossless video to compare with the PNG frame of the same run.
#include "tests/tool/run_tool.h"
#include "tests/tool/tool_pictures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

const std::string kSwarmsim = SWARMSIM_PATH;
const std::string kFfprobe = FFPROBE_PATH;
const std::string kFfmpeg = FFMPEG_PATH;

std::vector<std::string> SwarmArguments(const std::string& path, int frames, const std::string& screen,
                                        std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--program", "swarm5", "--seed", "4", "--frames", std::to_string(frames),
                                       "--screen", screen, "--record", path};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// ffprobe's "key=value" lines for the first video stream, frames counted.
std::string Probe(const std::string& path) {
    const ToolRun run = RunTool(kFfprobe, {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                           "stream=codec_name,width,height,r_frame_rate,nb_read_frames", "-of",
                                           "default=noprint_wrappers=1", path});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// The first frame as R, G, B bytes.
std::string FirstFrameRgb(const std::string& path) {
    const ToolRun run = RunTool(kFfmpeg, {"-v", "error", "-i", path, "-frames:v", "1", "-f", "rawvideo", "-pix_fmt",
                                          "rgb24", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

std::string PictureRgb(const Picture& picture) {
    std::string rgb;
    for (uint32_t pixel : picture.pixels) {
        rgb += static_cast<char>(pixel & 0xFF);
        rgb += static_cast<char>((pixel >> 8) & 0xFF);
        rgb += static_cast<char>((pixel >> 16) & 0xFF);
    }
    return rgb;
}

std::vector<std::string> Entries(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    return names;
}

class Video : public ::testing::Test {
protected:
    void SetUp() override {
        if (kFfprobe.empty() || kFfmpeg.empty()) FAIL() << "ffprobe and ffmpeg are needed (Debian package ffmpeg)";
    }
    ScratchDirectory scratch;
};

}  // namespace

// Each container holds its codec at the screen's size, the given rate and
// one frame per K-th frame run; the folder holds the video alone.
TEST_F(Video, ReadsBackWithFrameCountSizeAndRate) {
    const struct {
        const char* name;
        const char* codec;
    } videos[] = {{"clip.mp4", "h264"}, {"clip.webm", "vp9"}, {"clip.GIF", "gif"}};
    for (const auto& video : videos) {
        const std::string directory = scratch.Path(video.codec);
        std::filesystem::create_directories(directory);
        const std::string path = directory + "/" + video.name;
        const ToolRun run =
            RunTool(kSwarmsim, SwarmArguments(path, 20, "160x100", {"--every", "2", "--video-fps", "25"}));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Probe(path), std::string("codec_name=") + video.codec +
                                   "\nwidth=160\nheight=100\nr_frame_rate=25/1\nnb_read_frames=10\n");
        EXPECT_EQ(Entries(directory), std::vector<std::string>{video.name});
    }
}

// Lossless MP4 and WebM, and every GIF of console colours, give back the
// recorded pixels exactly: the first decoded frame is the first PNG frame.
// The size is odd on both sides, which lossy 4:2:0 video could not take.
TEST_F(Video, LosslessFirstFrameEqualsThePngFrame) {
    const std::string frames = scratch.Path("frames");
    ASSERT_EQ(RunTool(kSwarmsim, SwarmArguments(frames, 3, "321x201")).status, 0);
    Picture png;
    std::string error;
    ASSERT_TRUE(ReadPngFile(frames + "/frame-000001.png", png, error)) << error;
    ASSERT_FALSE(LitPixels(png).empty());
    const std::string expected = PictureRgb(png);
    for (const char* name : {"exact.mp4", "exact.webm", "exact.gif"}) {
        const std::string path = scratch.Path(name);
        const ToolRun run = RunTool(kSwarmsim, SwarmArguments(path, 3, "321x201", {"--video-lossless"}));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(FirstFrameRgb(path) == expected) << name;
    }
    // The lossy default is not exact, but has the size and the frames.
    const std::string lossy = scratch.Path("lossy.mp4");
    ASSERT_EQ(RunTool(kSwarmsim, SwarmArguments(lossy, 3, "321x201")).status, 0);
    EXPECT_EQ(FirstFrameRgb(lossy).size(), expected.size());
}

// A path that cannot be written is an input/output error (1) naming it and
// leaves nothing; mistakes in the video options are usage errors (2).
TEST_F(Video, ErrorsLeaveNoFile) {
    const std::string missing = scratch.Path("no/such/folder/v.mp4");
    ToolRun run = RunTool(kSwarmsim, SwarmArguments(missing, 2, "64x48"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(scratch.Path("no")));

    const std::string taken = scratch.Path("taken.webm");
    std::filesystem::create_directories(taken);
    run = RunTool(kSwarmsim, SwarmArguments(taken, 2, "64x48"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(taken), std::string::npos) << run.err;
    EXPECT_EQ(Entries(scratch.path), std::vector<std::string>{"taken.webm"});
    EXPECT_TRUE(Entries(taken).empty());

    const std::string unused = scratch.Path("unused.mp4");
    for (const auto& more : std::vector<std::vector<std::string>>{
             {"--video-fps", "0"}, {"--video-fps", "1001"}, {"--video-fps", "x"}, {"--threads", "2"}}) {
        run = RunTool(kSwarmsim, SwarmArguments(unused, 2, "64x48", more));
        EXPECT_EQ(run.status, 2) << more[0] << " " << more[1];
        EXPECT_NE(run.err.find("usage: swarmsim"), std::string::npos) << run.err;
    }
    run = RunTool(kSwarmsim, SwarmArguments(unused, 2, "64x48", {"--every", "3"}));  // no frame to write
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(Entries(scratch.path), std::vector<std::string>{"taken.webm"});
}

// Interrupted while it records, swarmsim removes its unfinished file.
TEST_F(Video, InterruptRemovesTheUnfinishedFile) {
    const std::string path = scratch.Path("long.mp4");
    std::vector<std::string> arguments = SwarmArguments(path, 100000000, "64x48");
    arguments.insert(arguments.begin(), kSwarmsim);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, kSwarmsim.c_str(), nullptr, nullptr, argv.data(), environ), 0);

    // The temporary file shows up before the first frame is run, and grows
    // as encoded frames reach it.
    bool writing = false;
    for (int wait = 0; wait < 1200 && !writing; ++wait) {
        for (const auto& entry : std::filesystem::directory_iterator(scratch.path)) {
            std::error_code ignored;
            writing = writing || std::filesystem::file_size(entry.path(), ignored) > 4096;
        }
        if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(writing);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_TRUE(Entries(scratch.path).empty());
}
