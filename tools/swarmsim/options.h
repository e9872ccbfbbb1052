// The command line of swarmsim.
#pragma once
#include "programs/swarm/swarm_model.h"
#include "tools/swarmsim/video_format.h"

#include <cstdint>
#include <string>

// What a run does after set-up and its frames.
enum class SimMode {
    kParticles,  // print the particles (no window)
    kDraws,      // print the last frame's circles (no window)
    kRecord,     // run the frame loop on the console and save frames as PNG files or a video
    kFps,        // run the frame loop on the console and print its speed
};

struct SimOptions {
    const SwarmRules* rules = nullptr;
    bool seedGiven = false;
    uint32_t seed = 0;    // the 32-bit pattern of the given seed
    uint64_t frames = 0;  // frames to run after set-up
    SimMode mode = SimMode::kParticles;
    std::string recordPath;  // kRecord: a folder for PNG frames, or a video file
    VideoFormat videoFormat = VideoFormat::kNone;  // kRecord: what recordPath names
    uint64_t every = 1;      // kRecord: save after every every-th frame
    int threads = 0;         // kRecord to a folder: PNG encoders; 0 for one a core
    double videoFps = 60.0;  // kRecord to a video: frames per second it plays at
    bool videoLossless = false;  // kRecord to a video: keep every pixel exact
    bool screenGiven = false;
    int32_t screenWidth = 1024;  // kRecord, kFps: the screen and window size
    int32_t screenHeight = 768;
};

enum class ParseResult { kRun, kHelp, kError };

extern const char* const kSwarmsimUsage;

// Reads argv[1..argc-1]. On kError, error holds one line saying what is wrong.
ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);
