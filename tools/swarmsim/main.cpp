// swarmsim: runs a swarm model without a window and prints its state, so
// that runs can be compared against other implementations; or runs the
// programs' frame loop in the console window to record frames or measure its
// speed (recorder.cpp).
#include "programs/swarm/swarm_model.h"
#include "runtime/core/startup.h"
#include "tools/swarmsim/options.h"
#include "tools/swarmsim/recorder.h"
#include "tools/swarmsim/setup.h"

#include <cstdio>
#include <string>

namespace {

// One line per placed particle, placed ones that never move included.
void PrintParticles() {
    const SwarmVariables& v = Swarm();
    const int32_t count = PlacedParticleCount();
    for (int32_t i = 0; i < count; ++i) {
        std::printf("%d %d %.17g %.17g %.17g %.17g %.17g %.17g %d\n", i, v.alive[i], v.posX[i],
                    v.posY[i], v.velX[i], v.velY[i], v.energy[i], v.strength[i], v.exchanged[i]);
    }
}

// The circles of one draw phase: one per live particle among those a frame
// visits. Drawing changes no model state, so only the last frame's matter.
void PrintDraws() {
    SwarmVariables& v = Swarm();
    for (int32_t i = 0; i <= v.lastParticle; ++i) {
        if (v.alive[i] != 1) continue;
        SelectDrawing(i);
        std::printf("%d %d %d %d\n", i, v.drawX, v.drawY, v.drawColour);
    }
}

int Fail(const std::string& error) {
    std::fprintf(stderr, "swarmsim: %s\n%s", error.c_str(), kSwarmsimUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(argc, argv, options, error)) {
        case ParseResult::kHelp:
            std::fputs(kSwarmsimUsage, stdout);
            return 0;
        case ParseResult::kError:
            return Fail(error);
        case ParseResult::kRun:
            break;
    }

    if (options.mode == SimMode::kRecord || options.mode == SimMode::kFps) return RunOnConsole(options);

    RuntimeStartup();
    SetUpModel(options);
    // The frame's clear step only counts frames and clears the screen, and
    // its draw phase only picks circles: neither changes the model.
    for (uint64_t frame = 0; frame < options.frames; ++frame) RunForcePhase(*options.rules);

    if (options.mode == SimMode::kParticles) {
        PrintParticles();
    } else if (options.frames > 0) {
        PrintDraws();
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "swarmsim: cannot write the output\n");
        return 1;
    }
    return 0;
}
