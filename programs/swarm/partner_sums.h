// The sums of the force phase's pair loop: for one particle, the pull of
// its live partners, taken in index order, and which of them are close kin
// or close strangers.
#pragma once
#include "programs/swarm/live_particles.h"
#include "runtime/math/numeric.h"

#include <cstdint>

struct PartnerSums {
    double forceX;  // the sums so far, in partner order
    double forceY;
    int32_t closeKin;  // the particle itself counts: it is its own close kin
    int32_t closeStrangerCount;
    int16_t closeStrangers[kParticleSlots];  // particle indices, in order
};

// The particle whose sums are formed, and the kin range that applies.
struct SummedParticle {
    int32_t entry;  // its place in the live list
    double x;
    double y;
    double group;
    double kinRange;  // squared distance below which a kin is too close
};

void StartPartnerSums(PartnerSums& sums);

// Adds the partners at live entries [from, to). Covering 0..count in
// consecutive ranges gives the same sums, bit for bit, as one pass; close
// strangers are recorded only when kExchange is set. Along the way a square
// root in progress, if given, is advanced once per eight partners, so that
// its divisions overlap the pair work.
template <bool kExchange>
void AddPartnerRange(const LiveParticles& live, const SummedParticle& particle, int32_t from, int32_t to,
                     PartnerSums& sums, SqrInProgress* root);
