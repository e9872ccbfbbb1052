// Gathering the live particles that a force phase visits.
#include "programs/swarm/live_particles.h"

namespace {

void FindGroupRuns(LiveParticles& live) {
    live.groupsInRuns = true;
    int32_t start = 0;
    for (int32_t k = 1; k <= live.count; ++k) {
        if (k < live.count && live.group[k] == live.group[start]) continue;
        for (int32_t member = start; member < k; ++member) live.runEnd[member] = static_cast<int16_t>(k);
        if (k < live.count && live.group[k] < live.group[start]) live.groupsInRuns = false;
        start = k;
    }
}

}  // namespace

void GatherLiveParticles(LiveParticles& live) {
    const SwarmVariables& v = Swarm();
    int32_t count = 0;
    for (int32_t i = 0; i <= v.lastParticle; ++i) {
        if (v.alive[i] != 1) continue;
        live.posX[count] = v.posX[i];
        live.posY[count] = v.posY[i];
        live.group[count] = v.particleGroup[i];
        live.index[count] = static_cast<int16_t>(i);
        ++count;
    }
    live.posX[count] = 0.0;
    live.posY[count] = 0.0;
    live.group[count] = 0.0;
    live.index[count] = 0;
    live.count = count;
    FindGroupRuns(live);
}
