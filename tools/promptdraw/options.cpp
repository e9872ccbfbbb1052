// Parsing promptdraw's command line: options at most once each, then exactly
// two operands. "-" is an operand (standard input); "--" ends the options.
#include "tools/promptdraw/options.h"
#include "tools/capture/option_once.h"
#include "tools/capture/size_text.h"

#include <string_view>
#include <vector>

const char* const kPromptdrawUsage =
    "usage: promptdraw [--screen WIDTHxHEIGHT] [--window WIDTHxHEIGHT]\n"
    "                  [--layer backbuffer|window] SCRIPT OUT.png\n"
    "Runs SCRIPT's graphics statements on the console runtime and writes the picture.\n"
    "  SCRIPT    a file, or - for standard input; one statement a line:\n"
    "              circle X Y RADIUS COLOUR START END RATIO FILL FILLCOLOUR\n"
    "              cls MODE\n"
    "            integers decimal (32 bits), reals as C's strtod reads them;\n"
    "            blank lines and lines starting with # are ignored\n"
    "  --screen  the screen's size, and so the back buffer's (default 1024x768)\n"
    "  --window  the window's client area (default: the screen's size)\n"
    "  --layer   backbuffer (default): the graphics layer, screen-sized;\n"
    "            window: the client area as the next paint leaves it\n"
    "  --help    print this help\n"
    "Sides run from 1 to 8192. Exit status: 0 written, 1 SCRIPT unreadable or\n"
    "OUT.png not written, 2 bad command line or bad script line. On Windows the\n"
    "window is real: --screen must equal the screen's size, --window is refused.\n";

namespace {

bool ParseSizeOption(std::string_view option, std::string_view value, bool& seen, int32_t& width,
                     int32_t& height, std::string& error) {
    if (!FirstTime(seen, option, error)) return false;
    if (ParseSizeText(value, width, height)) return true;
    error = std::string(option) + " " + std::string(value) +
            " is not WIDTHxHEIGHT with sides from 1 to " + std::to_string(kMaxPictureSide);
    return false;
}

bool ParseLayer(std::string_view value, Layer& layer, std::string& error) {
    if (value == "backbuffer") layer = Layer::BackBuffer;
    else if (value == "window") layer = Layer::Window;
    else {
        error = "unknown layer " + std::string(value) + " (backbuffer or window)";
        return false;
    }
    return true;
}

struct Seen {
    bool screen = false, window = false, layer = false;
};

// One option with its value at argv[k + 1]; advances k past the value.
bool ParseOption(int argc, const char* const* argv, int& k, DrawOptions& options, Seen& seen,
                 std::string& error) {
    const std::string_view option = argv[k];
    if (option != "--screen" && option != "--window" && option != "--layer") {
        error = "unknown option " + std::string(option);
        return false;
    }
    if (k + 1 >= argc) {
        error = "option " + std::string(option) + " needs a value";
        return false;
    }
    const std::string_view value = argv[++k];
    if (option == "--screen")
        return ParseSizeOption(option, value, seen.screen, options.screenWidth, options.screenHeight, error);
    if (option == "--window")
        return ParseSizeOption(option, value, seen.window, options.windowWidth, options.windowHeight, error);
    return FirstTime(seen.layer, option, error) && ParseLayer(value, options.layer, error);
}

}  // namespace

DrawParse ParseDrawOptions(int argc, const char* const* argv, DrawOptions& options, std::string& error) {
    Seen seen;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        if (!optionsEnded && argument == "--help") return DrawParse::kHelp;
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            if (!ParseOption(argc, argv, k, options, seen, error)) return DrawParse::kError;
        } else {
            operands.emplace_back(argument);
        }
    }
    if (operands.size() != 2) {
        error = operands.size() < 2 ? "SCRIPT and OUT.png are required"
                                    : "unexpected argument " + operands[2];
        return DrawParse::kError;
    }
    options.screenGiven = seen.screen;
    options.windowGiven = seen.window;
    options.script = operands[0];
    options.output = operands[1];
    return DrawParse::kRun;
}
