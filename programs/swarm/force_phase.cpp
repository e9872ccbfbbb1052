// The force phase: every live particle feels every other live particle, is
// pushed off those too close, pulled towards its kin (strongly) and strangers
// (weakly), damped, moved and bounced off the field's edges. Updates are made
// in place, so later particles see the new state of earlier ones.
#include "programs/swarm/live_particles.h"
#include "programs/swarm/partner_sums.h"
#include "programs/swarm/program_numbers.h"
#include "programs/swarm/swarm_model.h"

#include <utility>

namespace {

// The particle's own energy, added once per close kin; each sum is truncated
// to a 16-bit integer, so a large tally wraps into negative values.
int16_t TallyStrength(double energy, int32_t closeKin) {
    int16_t tally = 0;
    for (int32_t k = 0; k < closeKin; ++k) tally = RealToInt16(tally + energy);
    return tally;
}

// The energy trades with close strangers, in partner order. Each trade draws
// the own share before the partner's and adds their difference; the partner
// trades separately in its own update.
void TradeEnergy(SwarmVariables& v, int32_t i, const PartnerSums& sums) {
    for (int32_t k = 0; k < sums.closeStrangerCount; ++k) {
        const int32_t j = sums.closeStrangers[k];
        v.shareSelf = Rnd() * v.strength[i] / 100.0;
        v.shareOther = Rnd() * v.strength[j] / 100.0;
        v.energyGain = v.energyGain + (v.shareSelf - v.shareOther);
        v.exchangeMark = 1;
    }
}

void Bounce(double& position, double& velocity, double limit) {
    if (position < 0.0) {
        position = 0.0;
        velocity = velocity * -1.0;
    }
    if (position > limit) {
        position = limit;
        velocity = velocity * -1.0;
    }
}

// Particle i's update from its complete partner sums and forceNorm: the
// tally, the trades, damping, the stored results, the death rule, the move
// and the bounces.
void ApplyUpdate(SwarmVariables& v, const SwarmRules& rules, int32_t i, const PartnerSums& sums) {
    v.strengthTally = TallyStrength(v.energy[i], sums.closeKin - 1);  // less the particle itself
    v.energyGain = 0.0;
    v.exchangeMark = 0;
    if (rules.exchangeAndDeath) TradeEnergy(v, i, sums);

    v.velX[i] = v.velX[i] * 0.8 + v.forceX / v.forceNorm;
    v.velY[i] = v.velY[i] * 0.8 + v.forceY / v.forceNorm;

    v.strength[i] = v.strengthTally;
    v.energy[i] = v.energy[i] + v.energyGain;
    v.exchanged[i] = v.exchangeMark;
    if (rules.exchangeAndDeath && v.energy[i] < 0.0) v.alive[i] = 0;  // moves once more

    v.posX[i] = v.posX[i] + v.velX[i];
    v.posY[i] = v.posY[i] + v.velY[i];
    // x first, then y; a position exactly on an edge is not bounced.
    Bounce(v.posX[i], v.velX[i], v.fieldWidth);
    Bounce(v.posY[i], v.velY[i], v.fieldHeight);
}

SummedParticle Summed(const SwarmVariables& v, const SwarmRules& rules, int32_t i, int32_t entry) {
    return {entry, v.posX[i], v.posY[i], static_cast<double>(v.particleGroup[i]), rules.kinRange};
}

// The next particle after i that the phase visits, or lastParticle + 1.
int32_t NextLive(const SwarmVariables& v, int32_t i) {
    do ++i;
    while (i <= v.lastParticle && v.alive[i] != 1);
    return i;
}

// Particles are updated one after another, and each one's sums need the
// updated positions of those before it. The partners before the current
// particle's entry are final, though: the next particle's sums over them
// are formed before the current particle's update, with the current
// particle's square root advanced along the way, so that the root's long
// chain of divisions runs alongside the pair work instead of before it. The
// results are the same, bit for bit.
template <bool kExchange>
void RunPhase(const SwarmRules& rules) {
    SwarmVariables& v = Swarm();
    LiveParticles live;
    GatherLiveParticles(live);
    PartnerSums sumsA;
    PartnerSums sumsB;
    PartnerSums* current = &sumsA;
    PartnerSums* next = &sumsB;
    StartPartnerSums(*current);
    int32_t summedUpTo = 0;  // entries [0, summedUpTo) are in *current
    int32_t entry = 0;       // particle i's entry in the live list
    for (int32_t i = NextLive(v, -1); i <= v.lastParticle;) {
        v.i = StoreInt16(i);
        AddPartnerRange<kExchange>(live, Summed(v, rules, i, entry), summedUpTo, live.count, *current, nullptr);
        v.forceX = current->forceX;
        v.forceY = current->forceY;
        const double lengthSq = v.forceX * v.forceX + v.forceY * v.forceY;
        // Zero (no partner, or forces that cancel) is Sqr's own case.
        SqrInProgress root = SqrBegin(lengthSq > 0.0 ? lengthSq : 1.0);

        const int32_t nextI = NextLive(v, i);
        if (nextI <= v.lastParticle) {
            StartPartnerSums(*next);
            AddPartnerRange<kExchange>(live, Summed(v, rules, nextI, entry + 1), 0, entry, *next, &root);
        }
        v.forceNorm = (lengthSq > 0.0 ? SqrEnd(root) : Sqr(lengthSq)) + 1.0;

        ApplyUpdate(v, rules, i, *current);
        if (v.alive[i] == 1) {
            live.posX[entry] = v.posX[i];
            live.posY[entry] = v.posY[i];
            summedUpTo = entry++;
        } else {
            GatherLiveParticles(live);  // it died: later particles skip it
            summedUpTo = entry;
        }
        std::swap(current, next);
        i = nextI;
    }
}

}  // namespace

void RunForcePhase(const SwarmRules& rules) {
    if (rules.exchangeAndDeath) {
        RunPhase<true>(rules);
    } else {
        RunPhase<false>(rules);
    }
}
