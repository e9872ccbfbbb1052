// The frame loop. It runs as fast as the machine allows: no delay, no input.
#include "programs/swarm/frame_loop.h"
#include "programs/swarm/program_numbers.h"
#include "runtime/core/prologue.h"
#include "runtime/graphics/graphics.h"

namespace {

constexpr int32_t kParticleRadius = 2;
constexpr int32_t kClearAfterFrames = 5;  // the counter runs 1..6, then 0
constexpr int32_t kClearBothLayers = 3;

}  // namespace

void ClearStep() {
    SwarmVariables& v = Swarm();
    v.frameCounter = StoreInt16(v.frameCounter + 1);
    if (v.frameCounter > kClearAfterFrames) {
        v.frameCounter = 0;
        Cls(kClearBothLayers);
    }
}

void DrawPhase() {
    SwarmVariables& v = Swarm();
    for (int32_t i = 0; i <= v.lastParticle; ++i) {
        v.i = StoreInt16(i);
        if (v.alive[i] != 1) continue;
        SelectDrawing(i);
        // A whole circle (both angles 0), ratio 1, outline only.
        Circle(v.drawX, v.drawY, kParticleRadius, v.drawColour, 0.0, 0.0, 1.0, 0, 0);
    }
}

void RunFrame(const SwarmRules& rules) {
    RunForcePhase(rules);
    ClearStep();
    DrawPhase();
}

void RunSwarmProgram(const SwarmRules& rules) {
    ProgramPrologue();
    SetUpSwarm(rules);
    for (;;) RunFrame(rules);
}
