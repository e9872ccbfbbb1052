// The force phase's working copy of the particles it visits that are alive:
// their positions and groups in index order, packed together so that the
// pair loop reads no particle it has to skip and takes two partners per
// step.
#pragma once
#include "programs/swarm/swarm_variables.h"

#include <cstdint>

struct LiveParticles {
    int32_t count;
    // True when the groups never decrease along the list, so that each
    // group's entries form one run (set-up places groups in index order).
    bool groupsInRuns;
    // One slot more after the last entry, so that a pair can always be
    // loaded whole; the lane that holds it is not used.
    alignas(16) double posX[kParticleSlots + 1];
    alignas(16) double posY[kParticleSlots + 1];
    alignas(16) double group[kParticleSlots + 1];
    int16_t index[kParticleSlots + 1];
    int16_t runEnd[kParticleSlots];  // one past the last entry of this entry's group run
};

// Fills the list from particles 0..lastParticle with alive = 1.
void GatherLiveParticles(LiveParticles& live);
