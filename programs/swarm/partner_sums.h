// The sums of the force phase's pair loop, two pair terms at a time.
//
// A particle's pull is a sum over its live partners in index order. The
// partners before it are final once they have been updated, so each updated
// particle's term is added at once to the running sums of every particle
// still to come (its receivers): those additions are independent of one
// another and of the chain of the particle being summed. The partners after
// a particle still hold their old positions; their terms end its sums in
// one chain when its turn comes.
//
// A term is offset * factor, with factor -1 for a partner too close, 1 for a
// kin and 0.001 for a stranger: offset * -1 and offset * 1 are exact, so the
// terms are bit for bit those of the case-by-case subtractions and
// additions. A chain that starts one entry early, to end on a whole pair,
// meets the particle itself: its offset is +0, so it adds -0, which leaves
// the sums unchanged (they start at +0 and so are never -0), and it counts
// as its own close kin.
//
// Everything here is inline: the force phase keeps the values on its
// critical path in registers from one particle to the next.
#pragma once
#include "programs/swarm/live_particles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace partner_sums {

typedef double Double2 __attribute__((vector_size(16)));
typedef int64_t Bits2 __attribute__((vector_size(16)));

inline constexpr int kStrangerWords = (kParticleSlots + 63) / 64;
// Entries, the spare slot a pair may run into, and one more to keep each
// array a whole number of pairs long.
inline constexpr int kSumSlots = kParticleSlots + 3;

// The running sums per live entry. Receivers are taken in pairs that start
// at even entries, so the arrays keep to 16-byte boundaries and each pair is
// stored and loaded whole.
struct PhaseSums {
    alignas(16) double forceX[kSumSlots];
    alignas(16) double forceY[kSumSlots];
    alignas(16) int64_t closeKin[kSumSlots];
    // Close strangers (kept only with the exchange rule): bit k % 64 of
    // closeStrangers[k / 64][e] is set when entry k is a close stranger of
    // entry e, so the bits read in order give the partners in index order.
    alignas(16) uint64_t closeStrangers[kStrangerWords][kSumSlots];
};

// An updated particle whose term its receivers take.
struct FinalPartner {
    int32_t entry;
    double x;
    double y;
    double group;
};

// The entry's complete sums.
struct ForceTotals {
    Double2 force;  // forceX, forceY
    int32_t closeKin;
};

// ---- Pair terms ----

inline Double2 Load2(const double* values) {
    Double2 pair;
    std::memcpy(&pair, values, sizeof pair);
    return pair;
}

inline void Store2(double* values, Double2 pair) { std::memcpy(values, &pair, sizeof pair); }

inline Bits2 LoadBits2(const void* values) {
    Bits2 pair;
    std::memcpy(&pair, values, sizeof pair);
    return pair;
}

inline void StoreBits2(void* values, Bits2 pair) { std::memcpy(values, &pair, sizeof pair); }

inline Double2 Both(double value) { return Double2{value, value}; }

// Lane by lane: a where the mask is set, otherwise b.
inline Double2 Select(Bits2 mask, Double2 a, Double2 b) {
    return (Double2)((Bits2)b ^ (mask & ((Bits2)a ^ (Bits2)b)));
}

// The same between two constants: one and, one xor. The compiler, seeing
// both constants, would rebuild the select in three steps; the bits in
// which they differ are hidden from it.
inline Double2 SelectConstant(Bits2 mask, Double2 a, Double2 b) {
    Bits2 differing = (Bits2)a ^ (Bits2)b;
    asm("" : "+x"(differing));
    return (Double2)((Bits2)b ^ (mask & differing));
}

inline constexpr Double2 kStrangerRange = {200.0, 200.0};  // squared distance
inline constexpr Double2 kWeakPull = {0.001, 0.001};
inline constexpr Double2 kKinPull = {1.0, 1.0};
inline constexpr Double2 kPush = {-1.0, -1.0};

// The factors of one pair of terms, and which of them are close kin and
// close strangers.
struct PairFactors {
    Double2 factor;
    Bits2 closeKin;
    Bits2 closeStranger;
};

inline Double2 DistSq(Double2 x, Double2 y) { return x * x + y * y; }

inline PairFactors StrangerFactors(Double2 distSq) {
    const Bits2 tooClose = (Bits2)(distSq < kStrangerRange);
    return {SelectConstant(tooClose, kPush, kWeakPull), Bits2{0, 0}, tooClose};
}

inline PairFactors MixedFactors(Double2 distSq, Bits2 kin, Double2 kinRange) {
    const Bits2 tooClose = (Bits2)(distSq < Select(kin, kinRange, kStrangerRange));
    return {Select(tooClose, kPush, SelectConstant(kin, kKinPull, kWeakPull)), kin & tooClose, tooClose & ~kin};
}

// With each group in one run of the list, the kin of an entry are its run,
// and the entries past the run are strangers, which need no group test.
inline int32_t KinEnd(const LiveParticles& live, int32_t entry) {
    return live.groupsInRuns ? live.runEnd[entry] : live.count;
}

// ---- Receivers: one final partner, two receiving entries per step ----

struct PartnerView {
    Double2 x;
    Double2 y;
    Double2 group;
    Double2 kinRange;
    Bits2 strangerBit;  // the partner's bit in its word of closeStrangers
    int32_t strangerWord;
};

inline PartnerView ViewOf(const FinalPartner& partner, double kinRange) {
    const auto bit = static_cast<int64_t>(uint64_t{1} << (partner.entry % 64));
    return {Both(partner.x), Both(partner.y), Both(partner.group), Both(kinRange), Bits2{bit, bit},
            partner.entry / 64};
}

// Receivers p and p + 1 (p even) take the partner's term; forceX and forceY
// get their new sums.
template <bool kExchange, bool kMixed>
[[gnu::always_inline]] inline void AddToReceiverPair(const LiveParticles& live, const PartnerView& partner,
                                                     int32_t p, PhaseSums& sums, Double2& forceX, Double2& forceY) {
    const Double2 offsetX = partner.x - Load2(live.posX + p);
    const Double2 offsetY = partner.y - Load2(live.posY + p);
    const Double2 distSq = DistSq(offsetX, offsetY);
    PairFactors f;
    if constexpr (kMixed) {
        f = MixedFactors(distSq, (Bits2)(Load2(live.group + p) == partner.group), partner.kinRange);
        StoreBits2(sums.closeKin + p, LoadBits2(sums.closeKin + p) - f.closeKin);
    } else {
        f = StrangerFactors(distSq);
    }
    forceX = Load2(sums.forceX + p) + offsetX * f.factor;
    forceY = Load2(sums.forceY + p) + offsetY * f.factor;
    Store2(sums.forceX + p, forceX);
    Store2(sums.forceY + p, forceY);
    if constexpr (kExchange) {
        uint64_t* word = sums.closeStrangers[partner.strangerWord] + p;
        StoreBits2(word, LoadBits2(word) | (f.closeStranger & partner.strangerBit));
    }
}

template <bool kExchange, bool kMixed>
[[gnu::always_inline]] inline void AddToReceiverPair(const LiveParticles& live, const PartnerView& partner,
                                                     int32_t p, PhaseSums& sums) {
    Double2 forceX;
    Double2 forceY;
    AddToReceiverPair<kExchange, kMixed>(live, partner, p, sums, forceX, forceY);
}

// ---- The chain: one entry, two partners per step ----

struct ChainView {
    Double2 x;
    Double2 y;
    Double2 group;
    Double2 kinRange;
    int32_t entry;
};

struct Chain {
    Double2 force;   // forceX, forceY
    Bits2 closeKin;  // per lane, negated
};

inline void RecordCloseStrangers(const ChainView& self, int32_t k, Bits2 closeStranger, PhaseSums& sums) {
    if ((closeStranger[0] | closeStranger[1]) == 0) return;  // rare
    for (int32_t lane = 0; lane < 2; ++lane) {
        if (closeStranger[lane] == 0) continue;
        const int32_t partner = k + lane;
        sums.closeStrangers[partner / 64][self.entry] |= uint64_t{1} << (partner % 64);
    }
}

template <bool kExchange, bool kMixed>
[[gnu::always_inline]] inline void AddPartnerPair(const LiveParticles& live, const ChainView& self, int32_t k,
                                                  Chain& chain, PhaseSums& sums) {
    const Double2 offsetX = Load2(live.posX + k) - self.x;
    const Double2 offsetY = Load2(live.posY + k) - self.y;
    const Double2 distSq = DistSq(offsetX, offsetY);
    PairFactors f;
    if constexpr (kMixed) {
        f = MixedFactors(distSq, (Bits2)(Load2(live.group + k) == self.group), self.kinRange);
        chain.closeKin += f.closeKin;
    } else {
        f = StrangerFactors(distSq);
    }
    const Double2 termX = offsetX * f.factor;
    const Double2 termY = offsetY * f.factor;
    chain.force = chain.force + __builtin_shufflevector(termX, termY, 0, 2);
    chain.force = chain.force + __builtin_shufflevector(termX, termY, 1, 3);
    if constexpr (kExchange) RecordCloseStrangers(self, k, f.closeStranger, sums);
}

// ---- The phase's steps ----

inline void StartPhaseSums(PhaseSums& sums, int32_t count, bool exchange) {
    const size_t slots = static_cast<size_t>(count) + 2;
    std::memset(sums.forceX, 0, slots * sizeof(double));
    std::memset(sums.forceY, 0, slots * sizeof(double));
    std::memset(sums.closeKin, 0, slots * sizeof(int64_t));
    if (!exchange) return;
    for (int32_t word = 0; word * 64 < count; ++word) {
        std::memset(sums.closeStrangers[word], 0, slots * sizeof(uint64_t));
    }
}

// Entry e's complete sums: the term of the entry just updated (if any) goes
// to e first (with e's neighbour in its pair; when the pair starts at e - 1,
// that lane's sums are no longer read), then the chain over the entries
// after e. (x, y) is e's own position.
template <bool kExchange>
[[gnu::always_inline]] inline ForceTotals SumPartners(const LiveParticles& live, const FinalPartner* justUpdated,
                                                      int32_t e, double x, double y, double kinRange,
                                                      PhaseSums& sums) {
    Double2 start{sums.forceX[e], sums.forceY[e]};
    if (justUpdated != nullptr) {
        Double2 forceX;
        Double2 forceY;
        AddToReceiverPair<kExchange, true>(live, ViewOf(*justUpdated, kinRange), e & ~1, sums, forceX, forceY);
        start = (e & 1) == 0 ? __builtin_shufflevector(forceX, forceY, 0, 2)
                             : __builtin_shufflevector(forceX, forceY, 1, 3);
    }
    const ChainView self{Both(x), Both(y), Both(live.group[e]), Both(kinRange), e};
    // Start at the entry itself when that makes the partners a whole number
    // of pairs; the entry's own term changes nothing but the kin count.
    const int32_t withSelf = (live.count - e) % 2 == 0;
    Chain chain{start, Bits2{0, 0}};
    const int32_t kinEnd = KinEnd(live, e);
    int32_t k = e + 1 - withSelf;
    for (; k < kinEnd; k += 2) AddPartnerPair<kExchange, true>(live, self, k, chain, sums);
    for (; k < live.count; k += 2) AddPartnerPair<kExchange, false>(live, self, k, chain, sums);
    const int64_t laterKin = -(chain.closeKin[0] + chain.closeKin[1]) - withSelf;
    return {chain.force, static_cast<int32_t>(sums.closeKin[e] + laterKin)};
}

// Adds the partner's term to receivers [first, count) (first even; the last
// pair may run into the spare slot). The kin come first, apart. Then each of
// the root's kSteps steps is followed by a fixed share of the strangers'
// pairs, so that the root's chain of divisions runs alongside them, and the
// rest of the strangers follow. Fixed shares keep the branches predictable,
// and the loop over the strangers has registers enough to keep the root in
// one.
inline constexpr int32_t kPairsPerRootStep = 4;
template <bool kExchange, class Root>
[[gnu::always_inline]] inline void AddToLaterReceivers(const LiveParticles& live, const FinalPartner& partner,
                                                       int32_t first, double kinRange, PhaseSums& sums,
                                                       Root& root) {
    const PartnerView view = ViewOf(partner, kinRange);
    const int32_t kinEnd = KinEnd(live, partner.entry);
    const int32_t count = live.count;
    int32_t p = first;
    for (; p < kinEnd; p += 2) AddToReceiverPair<kExchange, true>(live, view, p, sums);
    for (int32_t step = 0; step < Root::kSteps; ++step) {
        root.Advance();
        if (p + 2 * (kPairsPerRootStep - 1) < count) {
            for (int32_t pair = 0; pair < kPairsPerRootStep; ++pair, p += 2) {
                AddToReceiverPair<kExchange, false>(live, view, p, sums);
            }
        }
    }
    for (; p < count; p += 2) AddToReceiverPair<kExchange, false>(live, view, p, sums);
}

}  // namespace partner_sums
