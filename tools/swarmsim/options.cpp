// Parsing swarmsim's command line: every option at most once, each value
// checked in full.
#include "tools/swarmsim/options.h"

#include <charconv>
#include <cstring>
#include <string_view>

const char* const kSwarmsimUsage =
    "usage: swarmsim --program swarm50|swarm5 [--seed S] [--frames N] [--draws]\n"
    "  --program P  the model to run: swarm50 or swarm5\n"
    "  --seed S     seed the set-up with S (-2147483648 to 4294967295, taken as\n"
    "               its 32-bit pattern) instead of the clock\n"
    "  --frames N   run N frames after set-up (default 0)\n"
    "  --draws      print the circles the last frame draws instead of the particles\n"
    "  --help       print this help\n";

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
};

// Checks that an option comes only once.
bool FirstTime(bool& seen, std::string_view option, std::string& error) {
    if (seen) {
        error = "option " + std::string(option) + " given more than once";
        return false;
    }
    seen = true;
    return true;
}

}  // namespace

ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    ParseState state;
    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--help") return ParseResult::kHelp;
        if (option == "--draws") {
            if (!FirstTime(state.drawsSeen, option, error)) return ParseResult::kError;
            options.draws = true;
            continue;
        }
        const bool takesValue = option == "--program" || option == "--seed" || option == "--frames";
        if (!takesValue) {
            error = option.starts_with("-") ? "unknown option " + std::string(option)
                                            : "unexpected argument " + std::string(option);
            return ParseResult::kError;
        }
        if (k + 1 >= argc) {
            error = "option " + std::string(option) + " needs a value";
            return ParseResult::kError;
        }
        const std::string_view value = argv[++k];
        if (option == "--program") {
            if (!FirstTime(state.programSeen, option, error)) return ParseResult::kError;
            if (!ParseRules(value, options.rules)) {
                error = "unknown program " + std::string(value) + " (swarm50 or swarm5)";
                return ParseResult::kError;
            }
        } else if (option == "--seed") {
            if (!FirstTime(state.seedSeen, option, error)) return ParseResult::kError;
            if (!ParseSeed(value, options.seed)) {
                error = "seed " + std::string(value) + " is not a whole number from -2147483648 to 4294967295";
                return ParseResult::kError;
            }
            options.seedGiven = true;
        } else {
            if (!FirstTime(state.framesSeen, option, error)) return ParseResult::kError;
            if (!ParseWhole(value, options.frames)) {
                error = "frames " + std::string(value) + " is not a whole number from 0 to 18446744073709551615";
                return ParseResult::kError;
            }
        }
    }
    if (options.rules == nullptr) {
        error = "option --program is required";
        return ParseResult::kError;
    }
    return ParseResult::kRun;
}
