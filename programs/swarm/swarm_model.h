// The swarm model shared by both programs: the one-time set-up and the force
// phase that moves every live particle once per frame, plus the choice of
// circle for a particle in the draw phase.
#pragma once
#include "programs/swarm/swarm_variables.h"

#include <cstdint>

// What tells the two programs' models apart.
struct SwarmRules {
    int16_t lastGroup;      // groups 0..lastGroup are placed
    double kinRange;        // a kin at a squared distance below this is too close
    bool exchangeAndDeath;  // close strangers trade energy; below zero a particle dies
};

inline constexpr SwarmRules kSwarm50Rules{50, 100.0, false};
inline constexpr SwarmRules kSwarm5Rules{5, 1000.0, true};

// Set-up in its three steps: the constants, the seed, the placement. The
// programs run all three through SetUpSwarm; a tool may seed in between by
// other means.
void SetSwarmConstants(const SwarmRules& rules);
void PlaceSwarm();  // draws its positions from the current random seed
void SetUpSwarm(const SwarmRules& rules);

// The number of particles placed by set-up, (lastGroup + 1) * groupSize.
int32_t PlacedParticleCount();

void RunForcePhase(const SwarmRules& rules);

// Sets drawX, drawY and drawColour for particle i, as the draw phase needs.
void SelectDrawing(int32_t i);
