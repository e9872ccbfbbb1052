// promptdraw's command line.
#pragma once
#include <cstdint>
#include <string>

enum class Layer { BackBuffer, Window };

struct DrawOptions {
    bool screenGiven = false;
    int32_t screenWidth = 1024;  // the headless display's own default
    int32_t screenHeight = 768;
    bool windowGiven = false;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    Layer layer = Layer::BackBuffer;
    std::string script;  // a path, or "-" for standard input
    std::string output;
};

enum class DrawParse { kRun, kHelp, kError };

extern const char* const kPromptdrawUsage;

// Reads argv[1..argc-1]. On kError, error holds one line saying what is wrong.
DrawParse ParseDrawOptions(int argc, const char* const* argv, DrawOptions& options, std::string& error);
