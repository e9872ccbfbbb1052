// The force phase: every live particle feels every other live particle, is
// pushed off those too close, pulled towards its kin (strongly) and strangers
// (weakly), damped, moved and bounced off the field's edges. Updates are made
// in place, so later particles see the new state of earlier ones.
#include "programs/swarm/force_root.h"
#include "programs/swarm/live_particles.h"
#include "programs/swarm/partner_sums.h"
#include "programs/swarm/program_numbers.h"
#include "programs/swarm/swarm_model.h"

#include <bit>

using namespace partner_sums;

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
void TradeEnergy(SwarmVariables& v, int32_t i, const LiveParticles& live, const PhaseSums& sums, int32_t e) {
    for (int32_t word = 0; word * 64 < live.count; ++word) {
        for (uint64_t bits = sums.closeStrangers[word][e]; bits != 0; bits &= bits - 1) {
            const int32_t j = live.index[word * 64 + std::countr_zero(bits)];
            v.shareSelf = Rnd() * v.strength[i] / 100.0;
            v.shareOther = Rnd() * v.strength[j] / 100.0;
            v.energyGain = v.energyGain + (v.shareSelf - v.shareOther);
            v.exchangeMark = 1;
        }
    }
}

// Particle i's tally, trades, stored results and, with the exchange rule,
// the death rule.
void SettleEnergy(SwarmVariables& v, const SwarmRules& rules, int32_t i, int32_t closeKin,
                  const LiveParticles& live, const PhaseSums& sums, int32_t e) {
    v.strengthTally = TallyStrength(v.energy[i], closeKin);
    v.energyGain = 0.0;
    v.exchangeMark = 0;
    if (rules.exchangeAndDeath) TradeEnergy(v, i, live, sums, e);
    v.strength[i] = v.strengthTally;
    v.energy[i] = v.energy[i] + v.energyGain;
    v.exchanged[i] = v.exchangeMark;
    if (rules.exchangeAndDeath && v.energy[i] < 0.0) v.alive[i] = 0;  // it has moved once more
}

// The same for every particle of a phase without trades, after the moves:
// the gain and the mark are 0, and the tally depends only on the energy and
// the number of close kin, which mostly repeat from one particle to the next
// (without trades every energy stays as placed), so it is worked out again
// only when they change.
void SettleWithoutTrades(SwarmVariables& v, const LiveParticles& live, const int32_t* closeKin) {
    if (live.count == 0) return;
    v.energyGain = 0.0;
    v.exchangeMark = 0;
    uint64_t talliedEnergy = 0;
    int32_t talliedKin = -1;  // nothing tallied yet
    for (int32_t e = 0; e < live.count; ++e) {
        const int32_t i = live.index[e];
        const uint64_t energy = std::bit_cast<uint64_t>(v.energy[i]);
        if (energy != talliedEnergy || closeKin[e] != talliedKin) {
            v.strengthTally = TallyStrength(v.energy[i], closeKin[e]);
            talliedEnergy = energy;
            talliedKin = closeKin[e];
        }
        v.strength[i] = v.strengthTally;
        v.energy[i] = v.energy[i] + v.energyGain;
        v.exchanged[i] = v.exchangeMark;
    }
}

[[gnu::always_inline]] inline void Bounce(double& position, double& velocity, double limit) {
    if (position < 0.0) {
        position = 0.0;
        velocity = velocity * -1.0;
    }
    if (position > limit) {
        position = limit;
        velocity = velocity * -1.0;
    }
}

// Damping, the move and the bounces (x first, then y; a position exactly on
// an edge is not bounced), worked out in registers, both components in one
// vector, and then stored.
[[gnu::always_inline]] inline void Move(SwarmVariables& v, int32_t i, Double2 force, double forceNorm, double& x,
                                        double& y) {
    const Double2 velocity = Double2{v.velX[i], v.velY[i]} * 0.8 + force / forceNorm;
    const Double2 position = Double2{v.posX[i], v.posY[i]} + velocity;
    double velX = velocity[0];
    double velY = velocity[1];
    x = position[0];
    y = position[1];
    Bounce(x, velX, v.fieldWidth);
    Bounce(y, velY, v.fieldHeight);
    v.velX[i] = velX;
    v.velY[i] = velY;
    v.posX[i] = x;
    v.posY[i] = y;
}

// Particles are updated one after another in live-list order. Entry e's
// sums hold the terms of the entries before it, added as each of them was
// updated; they are ended with the entries after it, then e is updated, and
// its own term goes to the entries after it. Only the first receivers of
// that term are needed at once: the term of e - 1 for the others is added
// while e's square root is under way. A particle that dies is no one's
// partner from then on, and so gives no term.
//
// Without the exchange rule nothing in the phase reads strength, tally or
// energy, so the tallies are settled after the moves, in the same order,
// keeping the calls they make out of the moves' path.
// The phase's working copies, too large for the stack, shared by both
// programs' phases; the phase runs on one thread.
struct PhaseScratch {
    LiveParticles live;
    PhaseSums sums;
    int32_t closeKin[kParticleSlots];
};

PhaseScratch& Scratch() {
    static PhaseScratch scratch;
    return scratch;
}

template <bool kExchange>
void RunPhase(const SwarmRules& rules) {
    SwarmVariables& v = Swarm();
    PhaseScratch& scratch = Scratch();
    LiveParticles& live = scratch.live;
    PhaseSums& sums = scratch.sums;
    int32_t* closeKin = scratch.closeKin;
    GatherLiveParticles(live);
    StartPhaseSums(sums, live.count, kExchange);
    FinalPartner previous{};
    bool hasPrevious = false;
    for (int32_t e = 0; e < live.count; ++e) {
        const int32_t i = live.index[e];
        v.i = StoreInt16(i);
        const ForceTotals totals = SumPartners<kExchange>(live, hasPrevious ? &previous : nullptr, e, v.posX[i],
                                                          v.posY[i], rules.kinRange, sums);
        v.forceX = totals.force[0];
        v.forceY = totals.force[1];
        ForceRoot root(v.forceX * v.forceX + v.forceY * v.forceY);
        if (hasPrevious) {
            AddToLaterReceivers<kExchange>(live, previous, (e & ~1) + 2, rules.kinRange, sums, root);
        } else {
            for (int step = 0; step < ForceRoot::kSteps; ++step) root.Advance();
        }
        const double forceNorm = root.Length() + 1.0;
        v.forceNorm = forceNorm;
        double x;
        double y;
        Move(v, i, totals.force, forceNorm, x, y);
        if constexpr (kExchange) {
            SettleEnergy(v, rules, i, totals.closeKin, live, sums, e);
        } else {
            closeKin[e] = totals.closeKin;
        }
        hasPrevious = v.alive[i] == 1;
        previous = {e, x, y, live.group[e]};
    }
    if constexpr (!kExchange) SettleWithoutTrades(v, live, closeKin);
}

}  // namespace

void RunForcePhase(const SwarmRules& rules) {
    if (rules.exchangeAndDeath) {
        RunPhase<true>(rules);
    } else {
        RunPhase<false>(rules);
    }
}
