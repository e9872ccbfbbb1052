// Set-up: each group gets a random 50 by 50 square of the field and its
// particles random spots inside it.
#include "programs/swarm/program_numbers.h"
#include "programs/swarm/swarm_model.h"

void SetSwarmConstants(const SwarmRules& rules) {
    SwarmVariables& v = Swarm();
    v.fieldWidth = 800;
    v.fieldHeight = 500;
    v.lastGroup = rules.lastGroup;
    v.lastParticle = 100;
}

namespace {

void PlaceParticle(SwarmVariables& v, int32_t i, int32_t g) {
    v.particleGroup[i] = StoreInt16(g);
    v.posX[i] = Rnd() * 50.0 + v.cornerX;  // posX is drawn before posY
    v.posY[i] = Rnd() * 50.0 + v.cornerY;
    v.velX[i] = 0.0;
    v.velY[i] = 0.0;
    v.energy[i] = 100.0;
    v.strength[i] = 0.0;
    v.alive[i] = 1;
    v.groupColour[i] = StoreInt16(g % 6 + 1);
}

}  // namespace

// The group size is Int(lastParticle / lastGroup) in real division, so the
// highest index placed, (lastGroup + 1) * groupSize - 1, stays below 200 for
// any positive lastGroup: far inside the arrays.
void PlaceSwarm() {
    SwarmVariables& v = Swarm();
    v.groupSize = StoreInt16(Int(static_cast<double>(v.lastParticle) / v.lastGroup));
    for (int32_t g = 0; g <= v.lastGroup; ++g) {
        v.g = StoreInt16(g);
        // The corner offsets 750 and 450 are integers, multiplied as reals
        // and truncated on assignment.
        v.cornerX = RealToInt16((v.fieldWidth - 50) * Rnd());
        v.cornerY = RealToInt16((v.fieldHeight - 50) * Rnd());
        const int32_t first = v.groupSize * g;
        const int32_t last = v.groupSize * (g + 1) - 1;
        for (int32_t i = first; i <= last; ++i) {
            v.i = StoreInt16(i);
            PlaceParticle(v, i, g);
        }
    }
}

void SetUpSwarm(const SwarmRules& rules) {
    SetSwarmConstants(rules);
    Randomize();
    PlaceSwarm();
}

int32_t PlacedParticleCount() {
    const SwarmVariables& v = Swarm();
    return (v.lastGroup + 1) * v.groupSize;
}
