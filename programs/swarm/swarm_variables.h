// The swarm programs' global variables, in their order after the runtime's
// own fields. Integer variables are 16-bit; reals are doubles.
#pragma once
#include "runtime/core/runtime_state.h"

#include <cstdint>

inline constexpr int kParticleSlots = 1001;  // indices 0..1000

struct SwarmVariables {
    int16_t fieldWidth;
    int16_t fieldHeight;
    int16_t lastGroup;     // groups 0..lastGroup are placed
    int16_t lastParticle;  // a frame visits particles 0..lastParticle

    // Per-particle arrays, indexed by particle number.
    int16_t particleGroup[kParticleSlots];
    double posX[kParticleSlots];
    double posY[kParticleSlots];
    double velX[kParticleSlots];
    double velY[kParticleSlots];
    double energy[kParticleSlots];
    double strength[kParticleSlots];  // strengthTally of the last update
    int16_t alive[kParticleSlots];
    int16_t groupColour[kParticleSlots];
    int16_t exchanged[kParticleSlots];  // exchangeMark of the last update

    // The force phase keeps the pair values (j, offsetX, offsetY, distSq)
    // in registers; after each particle's update the record holds that
    // particle's i, sums, forceNorm, tally, gain, mark and last shares.
    int16_t i;
    int16_t j;
    int16_t g;
    int16_t drawX;
    int16_t drawY;
    int16_t drawColour;
    int16_t groupSize;
    int16_t cornerX;
    int16_t cornerY;
    double forceX;
    double forceY;
    double forceNorm;
    int16_t strengthTally;
    double energyGain;
    int16_t exchangeMark;
    double offsetX;
    double offsetY;
    double distSq;
    double shareSelf;
    double shareOther;
    int16_t frameCounter;
};

inline SwarmVariables& Swarm() { return ProgramVariables<SwarmVariables>(); }
