// The command line of swarmsim.
#pragma once
#include "programs/swarm/swarm_model.h"

#include <cstdint>
#include <string>

struct SimOptions {
    const SwarmRules* rules = nullptr;
    bool seedGiven = false;
    uint32_t seed = 0;    // the 32-bit pattern of the given seed
    uint64_t frames = 0;  // force phases to run after set-up
    bool draws = false;   // print the last frame's circles instead of the particles
};

enum class ParseResult { kRun, kHelp, kError };

extern const char* const kSwarmsimUsage;

// Reads argv[1..argc-1]. On kError, error holds one line saying what is wrong.
ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);
