// The pair loop of the force phase, two partners per step.
//
// The pull on a particle is a sum over its partners in index order of
// offset * factor, with factor -1 for a partner too close, 1 for a kin and
// 0.001 for a stranger: offset * -1 and offset * 1 are exact, so these terms
// are bit for bit those of the case-by-case subtractions and additions.
// The particle meets itself among the live ones: its offset is +0, so it
// adds -0, which leaves the sums unchanged (they start at +0 and so are never
// -0), and it counts as its own close kin.
#include "programs/swarm/partner_sums.h"

#include <algorithm>
#include <cstring>

namespace {

typedef double Double2 __attribute__((vector_size(16)));
typedef int64_t Bits2 __attribute__((vector_size(16)));

inline Double2 Load2(const double* values) {
    Double2 pair;
    std::memcpy(&pair, values, sizeof pair);
    return pair;
}

inline Double2 Both(double value) { return Double2{value, value}; }

// Lane by lane: a where the mask is set, otherwise b.
inline Double2 Select(Bits2 mask, Double2 a, Double2 b) {
    return (Double2)((Bits2)b ^ (mask & ((Bits2)a ^ (Bits2)b)));
}

// The summed particle in both lanes, and the running sums in vector form.
struct PairView {
    Double2 x;
    Double2 y;
    Double2 group;
    Double2 kinRange;
};

struct PairSums {
    Double2 force;  // forceX, forceY
    int32_t closeKin;
    int32_t closeStrangerCount;
    int16_t* closeStrangers;
};

const Double2 kStrangerRange = {200.0, 200.0};  // squared distance
const Double2 kWeakPull = {0.001, 0.001};
const Double2 kKinPull = {1.0, 1.0};
const Double2 kPush = {-1.0, -1.0};

// Partners are taken two at a time from the live list; where a range has an
// odd length, the second lane of its last pair is dropped ("both" false).
struct PairOffsets {
    Double2 x;
    Double2 y;
    Double2 distSq;
};

inline PairOffsets OffsetsTo(const LiveParticles& live, int32_t k, const PairView& p) {
    const Double2 x = Load2(live.posX + k) - p.x;
    const Double2 y = Load2(live.posY + k) - p.y;
    return {x, y, x * x + y * y};
}

inline void AddTerms(PairSums& sums, const PairOffsets& offsets, Double2 factor, bool both) {
    const Double2 termX = offsets.x * factor;
    const Double2 termY = offsets.y * factor;
    sums.force = sums.force + __builtin_shufflevector(termX, termY, 0, 2);
    if (both) sums.force = sums.force + __builtin_shufflevector(termX, termY, 1, 3);
}

inline void CountCloseKin(PairSums& sums, Bits2 closeKin, bool both) {
    sums.closeKin -= static_cast<int32_t>(closeKin[0] + (both ? closeKin[1] : 0));
}

// Close strangers are rare; their indices are kept in order for the trades.
inline void RecordCloseStrangers(PairSums& sums, const LiveParticles& live, int32_t k,
                                 Bits2 closeStranger, bool both) {
    if ((closeStranger[0] | (both ? closeStranger[1] : 0)) == 0) return;
    if (closeStranger[0]) sums.closeStrangers[sums.closeStrangerCount++] = live.index[k];
    if (both && closeStranger[1]) sums.closeStrangers[sums.closeStrangerCount++] = live.index[k + 1];
}

template <bool kExchange>
inline void AddStrangerPair(const LiveParticles& live, int32_t k, const PairView& p, PairSums& sums,
                            bool both) {
    const PairOffsets offsets = OffsetsTo(live, k, p);
    const Bits2 tooClose = (Bits2)(offsets.distSq < kStrangerRange);
    AddTerms(sums, offsets, Select(tooClose, kPush, kWeakPull), both);
    if constexpr (kExchange) RecordCloseStrangers(sums, live, k, tooClose, both);
}

inline void AddKinPair(const LiveParticles& live, int32_t k, const PairView& p, PairSums& sums,
                       bool both) {
    const PairOffsets offsets = OffsetsTo(live, k, p);
    const Bits2 tooClose = (Bits2)(offsets.distSq < p.kinRange);
    AddTerms(sums, offsets, Select(tooClose, kPush, kKinPull), both);
    CountCloseKin(sums, tooClose, both);
}

// A pair that may hold kin and strangers alike.
template <bool kExchange>
inline void AddMixedPair(const LiveParticles& live, int32_t k, const PairView& p, PairSums& sums,
                         bool both) {
    const PairOffsets offsets = OffsetsTo(live, k, p);
    const Bits2 kin = (Bits2)(Load2(live.group + k) == p.group);
    const Bits2 tooClose = (Bits2)(offsets.distSq < Select(kin, p.kinRange, kStrangerRange));
    AddTerms(sums, offsets, Select(tooClose, kPush, Select(kin, kKinPull, kWeakPull)), both);
    CountCloseKin(sums, kin & tooClose, both);
    if constexpr (kExchange) RecordCloseStrangers(sums, live, k, tooClose & ~kin, both);
}

// Entries [first, last) of the live list, all strangers, kin or mixed.
enum class Partners { kStrangers, kKin, kMixed };

template <Partners kPartners, bool kExchange>
void AddPartners(const LiveParticles& live, int32_t first, int32_t last, const PairView& p, PairSums& sums,
                 SqrInProgress* root) {
    const auto addPair = [&](int32_t k, bool both) {
        if constexpr (kPartners == Partners::kStrangers) AddStrangerPair<kExchange>(live, k, p, sums, both);
        if constexpr (kPartners == Partners::kKin) AddKinPair(live, k, p, sums, both);
        if constexpr (kPartners == Partners::kMixed) AddMixedPair<kExchange>(live, k, p, sums, both);
    };
    int32_t k = first;
    if (root != nullptr) {
        for (; k + 7 < last; k += 8) {
            addPair(k, true);
            addPair(k + 2, true);
            SqrAdvance(*root);
            addPair(k + 4, true);
            addPair(k + 6, true);
        }
    }
    for (; k + 1 < last; k += 2) addPair(k, true);
    if (k < last) addPair(k, false);  // the list's spare slot makes the pair loadable
}

}  // namespace

void StartPartnerSums(PartnerSums& sums) {
    sums.forceX = 0.0;
    sums.forceY = 0.0;
    sums.closeKin = 0;
    sums.closeStrangerCount = 0;
}

// When each group forms one run of the live list, that run is the particle's
// kin and everything else strangers: the range splits into at most three
// parts that need no group test per pair.
template <bool kExchange>
void AddPartnerRange(const LiveParticles& live, const SummedParticle& particle, int32_t from, int32_t to,
                     PartnerSums& partnerSums, SqrInProgress* root) {
    const PairView p{Both(particle.x), Both(particle.y), Both(particle.group), Both(particle.kinRange)};
    PairSums sums{{partnerSums.forceX, partnerSums.forceY}, partnerSums.closeKin,
                  partnerSums.closeStrangerCount, partnerSums.closeStrangers};
    if (live.groupsInRuns) {
        const int32_t kinFirst = live.runStart[particle.entry];
        const int32_t kinLast = live.runEnd[particle.entry];
        AddPartners<Partners::kStrangers, kExchange>(live, from, std::min(to, kinFirst), p, sums, root);
        AddPartners<Partners::kKin, kExchange>(live, std::max(from, kinFirst), std::min(to, kinLast), p, sums, root);
        AddPartners<Partners::kStrangers, kExchange>(live, std::max(from, kinLast), to, p, sums, root);
    } else {
        AddPartners<Partners::kMixed, kExchange>(live, from, to, p, sums, root);
    }
    partnerSums.forceX = sums.force[0];
    partnerSums.forceY = sums.force[1];
    partnerSums.closeKin = sums.closeKin;
    partnerSums.closeStrangerCount = sums.closeStrangerCount;
}

template void AddPartnerRange<false>(const LiveParticles&, const SummedParticle&, int32_t, int32_t, PartnerSums&,
                                     SqrInProgress*);
template void AddPartnerRange<true>(const LiveParticles&, const SummedParticle&, int32_t, int32_t, PartnerSums&,
                                    SqrInProgress*);
