// The set-up every swarmsim mode shares: the model's constants, the seed
// (the given one, or the clock's as in the programs) and the placement.
#pragma once
#include "programs/swarm/swarm_model.h"
#include "runtime/math/numeric.h"
#include "tools/swarmsim/options.h"

inline void SetUpModel(const SimOptions& options) {
    SetSwarmConstants(*options.rules);
    if (options.seedGiven) {
        SetSeed(options.seed);
    } else {
        Randomize();
    }
    PlaceSwarm();
}
