// Parsing swarmsim's command line: every option at most once, each value
// checked in full.
#include "tools/swarmsim/options.h"
#include "tools/capture/option_once.h"
#include "tools/capture/size_text.h"

#include <charconv>
#include <cstring>
#include <string_view>

const char* const kSwarmsimUsage =
    "usage: swarmsim --program swarm50|swarm5 [--seed S] [--frames N] [--draws]\n"
    "       swarmsim --program P [--seed S] --frames N --record DIR [--every K]\n"
    "                [--threads T] [--screen WIDTHxHEIGHT]\n"
    "       swarmsim --program P [--seed S] --frames N --record FILE.mp4|.webm|.gif\n"
    "                [--every K] [--video-fps F] [--video-lossless] [--screen WxH]\n"
    "       swarmsim --program P [--seed S] --frames N --fps [--screen WIDTHxHEIGHT]\n"
    "  --program P  the model to run: swarm50 or swarm5\n"
    "  --seed S     seed the set-up with S (-2147483648 to 4294967295, taken as\n"
    "               its 32-bit pattern) instead of the clock\n"
    "  --frames N   run N frames after set-up (default 0)\n"
    "  --draws      print the circles the last frame draws instead of the particles\n"
    "  --record DIR run the programs' frame loop in the console window and write\n"
    "               what the window shows as DIR/frame-000001.png, ... (DIR is\n"
    "               created if missing); file n holds the picture after frame n*K\n"
    "  --record FILE.mp4, FILE.webm, FILE.gif\n"
    "               the same pictures as one video: H.264 in MP4, VP9 in WebM or\n"
    "               a palette GIF (not in the Windows build)\n"
    "  --every K    with --record: write after every K-th frame (default 1)\n"
    "  --threads T  with --record DIR: compress PNG files on T threads (1 to 64;\n"
    "               default one a core); the files are the same for any T\n"
    "  --video-fps F    with a video: frames per second it plays at (above 0, up\n"
    "               to 1000; default 60; a GIF keeps whole hundredths of a second)\n"
    "  --video-lossless with an MP4 or WebM: keep every pixel exact (RGB, larger\n"
    "               files that fewer players take); a GIF is always exact\n"
    "  --fps        run the frame loop in the console window, write nothing and\n"
    "               print the time from process start to the first paint, the\n"
    "               frames per second (N at least 1) and the peak memory\n"
    "  --screen WxH with --record or --fps: the screen and window size (default\n"
    "               1024x768; on Windows the real screen, which cannot be chosen)\n"
    "  --help       print this help\n"
    "Without --record and --fps no window is opened. Exit status 1 means a file\n"
    "could not be written; an unfinished video file is removed.\n";

namespace {

// The whole text as one number of type T, or false.
template <class T>
bool ParseWhole(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    return status == std::errc() && stop == end && !text.empty();
}

bool ParseSeed(std::string_view text, uint32_t& seed) {
    int64_t value = 0;
    if (!ParseWhole(text, value) || value < INT32_MIN || value > UINT32_MAX) return false;
    seed = static_cast<uint32_t>(value);  // a negative seed stands for its bit pattern
    return true;
}

bool ParseRules(std::string_view text, const SwarmRules*& rules) {
    if (text == "swarm50") rules = &kSwarm50Rules;
    else if (text == "swarm5") rules = &kSwarm5Rules;
    else return false;
    return true;
}

struct ParseState {
    bool programSeen = false;
    bool seedSeen = false;
    bool framesSeen = false;
    bool drawsSeen = false;
    bool recordSeen = false;
    bool everySeen = false;
    bool fpsSeen = false;
    bool screenSeen = false;
    bool threadsSeen = false;
    bool videoFpsSeen = false;
    bool losslessSeen = false;
};

bool TakesValue(std::string_view option) {
    return option == "--program" || option == "--seed" || option == "--frames" ||
           option == "--record" || option == "--every" || option == "--screen" ||
           option == "--threads" || option == "--video-fps";
}

bool IsFlag(std::string_view option) {
    return option == "--draws" || option == "--fps" || option == "--video-lossless";
}

bool ParseFlag(std::string_view option, SimOptions& options, ParseState& state, std::string& error) {
    if (option == "--video-lossless") {
        options.videoLossless = true;
        return FirstTime(state.losslessSeen, option, error);
    }
    return FirstTime(option == "--draws" ? state.drawsSeen : state.fpsSeen, option, error);
}

// A frame rate: a decimal number above 0 and at most 1000.
bool ParseFrameRate(std::string_view text, double& rate) {
    return ParseWhole(text, rate) && rate > 0.0 && rate <= 1000.0;
}

// The options that only some kinds of --record take.
bool ParseRecordValue(std::string_view option, std::string_view value, SimOptions& options,
                      ParseState& state, std::string& error) {
    if (option == "--threads") {
        if (!FirstTime(state.threadsSeen, option, error)) return false;
        if (ParseWhole(value, options.threads) && options.threads >= 1 && options.threads <= 64) return true;
        error = "threads " + std::string(value) + " is not a whole number from 1 to 64";
        return false;
    }
    if (!FirstTime(state.videoFpsSeen, option, error)) return false;
    if (ParseFrameRate(value, options.videoFps)) return true;
    error = "video-fps " + std::string(value) + " is not a number above 0 and at most 1000";
    return false;
}

bool ParseValue(std::string_view option, std::string_view value, SimOptions& options,
                ParseState& state, std::string& error) {
    if (option == "--program") {
        if (!FirstTime(state.programSeen, option, error)) return false;
        if (ParseRules(value, options.rules)) return true;
        error = "unknown program " + std::string(value) + " (swarm50 or swarm5)";
    } else if (option == "--seed") {
        if (!FirstTime(state.seedSeen, option, error)) return false;
        options.seedGiven = true;
        if (ParseSeed(value, options.seed)) return true;
        error = "seed " + std::string(value) + " is not a whole number from -2147483648 to 4294967295";
    } else if (option == "--frames") {
        if (!FirstTime(state.framesSeen, option, error)) return false;
        if (ParseWhole(value, options.frames)) return true;
        error = "frames " + std::string(value) + " is not a whole number from 0 to 18446744073709551615";
    } else if (option == "--record") {
        if (!FirstTime(state.recordSeen, option, error)) return false;
        options.recordPath = value;
        options.videoFormat = VideoFormatOf(value);
        if (!value.empty()) return true;
        error = "--record needs a directory or a video file";
    } else if (option == "--every") {
        if (!FirstTime(state.everySeen, option, error)) return false;
        if (ParseWhole(value, options.every) && options.every > 0) return true;
        error = "every " + std::string(value) + " is not a whole number from 1 to 18446744073709551615";
    } else if (option == "--threads" || option == "--video-fps") {
        return ParseRecordValue(option, value, options, state, error);
    } else {
        if (!FirstTime(state.screenSeen, option, error)) return false;
        options.screenGiven = true;
        if (ParseSizeText(value, options.screenWidth, options.screenHeight)) return true;
        error = "screen " + std::string(value) + " is not WIDTHxHEIGHT with sides from 1 to " +
                std::to_string(kMaxPictureSide);
    }
    return false;
}

// Which mode the options ask for, and whether they fit together.
bool ChooseMode(const ParseState& state, SimOptions& options, std::string& error) {
    if (options.rules == nullptr) {
        error = "option --program is required";
        return false;
    }
    if (state.drawsSeen + state.recordSeen + state.fpsSeen > 1) {
        error = "--draws, --record and --fps exclude each other";
        return false;
    }
    if (state.everySeen && !state.recordSeen) {
        error = "--every goes only with --record";
        return false;
    }
    const bool video = state.recordSeen && options.videoFormat != VideoFormat::kNone;
    if (state.threadsSeen && (!state.recordSeen || video)) {
        error = "--threads goes only with --record DIR";
        return false;
    }
    if ((state.videoFpsSeen || state.losslessSeen) && !video) {
        error = "--video-fps and --video-lossless go only with --record FILE.mp4, .webm or .gif";
        return false;
    }
    if (state.screenSeen && !state.recordSeen && !state.fpsSeen) {
        error = "--screen goes only with --record or --fps";
        return false;
    }
    if (state.fpsSeen && options.frames == 0) {
        error = "--fps needs --frames of at least 1";
        return false;
    }
    if (video && options.frames / options.every == 0) {
        error = "a video needs at least one frame: --frames of at least --every (default 1)";
        return false;
    }
    options.mode = state.drawsSeen    ? SimMode::kDraws
                   : state.recordSeen ? SimMode::kRecord
                   : state.fpsSeen    ? SimMode::kFps
                                      : SimMode::kParticles;
    return true;
}

}  // namespace

ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    ParseState state;
    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--help") return ParseResult::kHelp;
        if (IsFlag(option)) {
            if (!ParseFlag(option, options, state, error)) return ParseResult::kError;
            continue;
        }
        if (!TakesValue(option)) {
            error = option.starts_with("-") ? "unknown option " + std::string(option)
                                            : "unexpected argument " + std::string(option);
            return ParseResult::kError;
        }
        if (k + 1 >= argc) {
            error = "option " + std::string(option) + " needs a value";
            return ParseResult::kError;
        }
        if (!ParseValue(option, argv[++k], options, state, error)) return ParseResult::kError;
    }
    return ChooseMode(state, options, error) ? ParseResult::kRun : ParseResult::kError;
}
