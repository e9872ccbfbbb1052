// The swarm model: set-up, the force phase's rules and thresholds, and the
// circle chosen for each particle.
#include "programs/swarm/swarm_model.h"
#include "runtime_reset.h"
#include "swarm_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <tuple>

namespace {

void SetUpWithSeed(const SwarmRules& rules, uint32_t seed) {
    ResetRuntime();
    SetSwarmConstants(rules);
    SetSeed(seed);
    PlaceSwarm();
}

// A field with no particles; tests add the ones they need.
SwarmVariables& EmptyField(const SwarmRules& rules) {
    ResetRuntime();
    SetSwarmConstants(rules);
    return Swarm();
}

void AddParticle(int i, int group, double x, double y, double energy = 100.0) {
    SwarmVariables& v = Swarm();
    v.particleGroup[i] = static_cast<int16_t>(group);
    v.posX[i] = x;
    v.posY[i] = y;
    v.energy[i] = energy;
    v.alive[i] = 1;
    v.groupColour[i] = static_cast<int16_t>(group % 6 + 1);
}

TEST(SwarmSetUp, PlacesWholeGroupsInsideTheField) {
    for (const SwarmRules* rules : {&kSwarm50Rules, &kSwarm5Rules}) {
        SetUpWithSeed(*rules, 424242);
        const SwarmVariables& v = Swarm();
        const int groupSize = rules->lastGroup == 50 ? 2 : 20;
        const int placed = (rules->lastGroup + 1) * groupSize;
        ASSERT_EQ(PlacedParticleCount(), placed);
        EXPECT_EQ(std::count(v.alive, v.alive + kParticleSlots, 1), placed);
        for (int g = 0; g <= rules->lastGroup; ++g) {
            const double* xs = v.posX + g * groupSize;
            const double* ys = v.posY + g * groupSize;
            const auto [minX, maxX] = std::minmax_element(xs, xs + groupSize);
            const auto [minY, maxY] = std::minmax_element(ys, ys + groupSize);
            EXPECT_TRUE(*minX >= 0 && *maxX < 800 && *maxX - *minX < 50) << g;
            EXPECT_TRUE(*minY >= 0 && *maxY < 500 && *maxY - *minY < 50) << g;
            for (int i = g * groupSize; i < (g + 1) * groupSize; ++i) {
                EXPECT_EQ(v.particleGroup[i], g);
                EXPECT_EQ(v.groupColour[i], g % 6 + 1);
                EXPECT_EQ(v.energy[i], 100.0);
            }
        }
    }
}

TEST(SwarmSetUp, SeedsFromTheClock) {
    ResetRuntime();
    const uint32_t before = GetTickCount();
    SetUpSwarm(kSwarm50Rules);
    const uint32_t after = GetTickCount();
    const SwarmVariables placed = Swarm();
    bool matched = false;
    for (uint32_t tick = before; !matched && tick - before <= after - before; ++tick) {
        SetUpWithSeed(kSwarm50Rules, tick);
        matched = std::equal(placed.posX, placed.posX + 102, Swarm().posX);
    }
    EXPECT_TRUE(matched);
}

// Runs the model and the plain one side by side from one seed and compares
// every placed particle, and the random seed, now and then. With scattered
// groups the kin are spread over the index range instead of in blocks.
void ExpectSameRuns(const SwarmRules& rules, uint32_t seed, int frames, bool scatterGroups,
                    int64_t usage[3]) {
    SetUpWithSeed(rules, seed);
    ReferenceSwarm reference(rules.lastGroup, rules.kinRange, rules.exchangeAndDeath, seed);
    SwarmVariables& v = Swarm();
    const int placed = PlacedParticleCount();
    ASSERT_EQ(placed, static_cast<int>(reference.posX.size()));
    if (scatterGroups) {
        for (int i = 0; i < placed; ++i) reference.group[i] = v.particleGroup[i] = static_cast<int16_t>(i * 7 % 13);
    }
    const auto same = [](double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); };
    for (int frame = 1; frame <= frames; ++frame) {
        RunForcePhase(rules);
        reference.Frame();
        if (frame % 250 != 0 && frame != 1) continue;
        for (int i = 0; i < placed; ++i) {
            ASSERT_TRUE(same(v.posX[i], reference.posX[i]) && same(v.posY[i], reference.posY[i]) &&
                        same(v.velX[i], reference.velX[i]) && same(v.velY[i], reference.velY[i]) &&
                        same(v.energy[i], reference.energy[i]) && same(v.strength[i], reference.strength[i]) &&
                        v.alive[i] == reference.alive[i] && v.exchanged[i] == reference.exchanged[i])
                << "seed " << seed << " frame " << frame << " particle " << i;
        }
        ASSERT_EQ(gRuntime.randomSeed, reference.seed) << "seed " << seed << " frame " << frame;
    }
    usage[0] += reference.trades;
    usage[1] += reference.deaths;
    usage[2] += reference.wraps;
}

// Many seeds and thousands of frames against the plain model: placement and
// draw order, in-place updates, the exchange, deaths and the 16-bit tally.
TEST(SwarmModel, MatchesThePlainModelToTheBit) {
    int64_t usage[3] = {0, 0, 0};  // trades, deaths, wrapped tallies
    for (const SwarmRules* rules : {&kSwarm50Rules, &kSwarm5Rules}) {
        for (const uint32_t seed : {1u, 77u, 0xFFFFFFFFu}) {
            ExpectSameRuns(*rules, seed, 2000, false, usage);
            ExpectSameRuns(*rules, seed, 500, true, usage);
        }
    }
    // The runs must have used the rules they are meant to check.
    EXPECT_GT(usage[0], 0);
    EXPECT_GT(usage[1], 0);
    EXPECT_GT(usage[2], 0);
}

// Particle 0 at (100, 100) with one partner at the given offset; returns
// particle 0 after one force phase.
struct FirstUpdate {
    double velX;
    double strength;
    int exchanged;
};
FirstUpdate PairUpdate(const SwarmRules& rules, bool kin, double offsetX, double offsetY) {
    SwarmVariables& v = EmptyField(rules);
    AddParticle(0, 0, 100.0, 100.0);
    AddParticle(1, kin ? 0 : 1, 100.0 + offsetX, 100.0 + offsetY);
    v.strength[1] = 50.0;
    RunForcePhase(rules);
    return {v.velX[0], v.strength[0], v.exchanged[0]};
}

TEST(SwarmForcePhase, RangesEndBelowTheirThresholds) {
    // Kin: squared distance exactly 100 (swarm50) or 1000 (swarm5) pulls.
    for (const auto& [rules, farY, nearY] : {std::tuple{&kSwarm50Rules, 8.0, 7.9}, std::tuple{&kSwarm5Rules, 30.0, 29.9}}) {
        const double dx = rules == &kSwarm50Rules ? 6.0 : 10.0;
        const FirstUpdate pulled = PairUpdate(*rules, true, dx, farY);
        EXPECT_GT(pulled.velX, 0.0);
        EXPECT_EQ(pulled.strength, 0.0);
        const FirstUpdate pushed = PairUpdate(*rules, true, dx, nearY);
        EXPECT_LT(pushed.velX, 0.0);
        EXPECT_EQ(pushed.strength, 100.0);  // the particle's own energy, once
    }
    // Strangers: exactly 200 pulls weakly and does not trade; closer pushes
    // and, in swarm5 only, trades.
    for (const SwarmRules* rules : {&kSwarm50Rules, &kSwarm5Rules}) {
        const FirstUpdate weak = PairUpdate(*rules, false, 10.0, 10.0);
        EXPECT_DOUBLE_EQ(weak.velX, 0.01 / (Sqr(0.0002) + 1.0));
        EXPECT_EQ(weak.exchanged, 0);
        const FirstUpdate pushed = PairUpdate(*rules, false, 10.0, 9.9);
        EXPECT_LT(pushed.velX, 0.0);
        EXPECT_EQ(pushed.exchanged, rules->exchangeAndDeath ? 1 : 0);
    }
}

// One particle alone on the field, moved once: no force, so its velocity
// is only damped before the move and the bounce.
SwarmVariables& MoveAlone(double x, double y, double velX, double velY) {
    SwarmVariables& v = EmptyField(kSwarm50Rules);
    AddParticle(0, 0, x, y);
    v.velX[0] = velX;
    v.velY[0] = velY;
    RunForcePhase(kSwarm50Rules);
    return v;
}

TEST(SwarmForcePhase, BouncesAndDamping) {
    SwarmVariables& v = MoveAlone(1.0, 499.0, -5.0, 2.0);  // ends at x = -3, y = 500.6
    EXPECT_EQ(v.posX[0], 0.0);
    EXPECT_EQ(v.velX[0], 4.0);
    EXPECT_EQ(v.posY[0], 500.0);
    EXPECT_EQ(v.velY[0], -1.6);
    MoveAlone(795.0, 2.0, 6.25, -5.0);  // ends exactly on x = 800, and at y = -2
    EXPECT_EQ(v.posX[0], 800.0);
    EXPECT_EQ(v.velX[0], 5.0);  // on the edge: not bounced
    EXPECT_EQ(v.posY[0], 0.0);
    EXPECT_EQ(v.velY[0], 4.0);

    // A particle with no live partner: no force, norm 1, velocity * 0.8.
    SwarmVariables& alone = EmptyField(kSwarm50Rules);
    AddParticle(0, 0, 400.0, 200.0);
    AddParticle(1, 0, 402.0, 200.0);  // dead: neither acts nor moves
    alone.alive[1] = 0;
    alone.velX[0] = alone.velX[1] = 3.0;
    for (int frame = 0; frame < 3; ++frame) RunForcePhase(kSwarm50Rules);
    EXPECT_EQ(alone.forceX, 0.0);
    EXPECT_EQ(alone.forceNorm, 1.0);
    EXPECT_EQ(alone.velX[0], 3.0 * 0.8 * 0.8 * 0.8);
    EXPECT_EQ(alone.posX[1], 402.0);
    EXPECT_EQ(alone.strength[0], 0.0);
}

TEST(SwarmForcePhase, StrengthTallyTruncatesAndWrapsInSixteenBits) {
    SwarmVariables& v = EmptyField(kSwarm5Rules);
    AddParticle(0, 0, 100.0, 100.0, 20000.0);
    AddParticle(1, 0, 101.0, 100.0);
    AddParticle(2, 0, 100.0, 101.0);
    RunForcePhase(kSwarm5Rules);
    EXPECT_EQ(v.strength[0], 40000.0 - 65536.0);

    SwarmVariables& w = EmptyField(kSwarm50Rules);  // no deaths: energy may be negative
    AddParticle(0, 0, 100.0, 100.0, -2.7);
    AddParticle(1, 0, 101.0, 100.0);
    RunForcePhase(kSwarm50Rules);
    EXPECT_EQ(w.strength[0], -2.0);  // toward zero, not down
}

TEST(SwarmForcePhase, ExchangeAndDeath) {
    // Shares: own first, partner second, difference added.
    SwarmVariables& v = EmptyField(kSwarm5Rules);
    AddParticle(0, 0, 100.0, 100.0);
    AddParticle(1, 1, 105.0, 100.0);
    v.strength[0] = 100.0;
    v.strength[1] = 50.0;
    SetSeed(99);
    RunForcePhase(kSwarm5Rules);
    SetSeed(99);
    const double self = Rnd() * 100.0 / 100.0;
    const double other = Rnd() * 50.0 / 100.0;
    EXPECT_EQ(v.energy[0], 100.0 + (self - other));

    // Zero strengths on both sides: energy 0 stays 0, alive, still marked.
    EmptyField(kSwarm5Rules);
    AddParticle(0, 0, 100.0, 100.0, 0.0);
    AddParticle(1, 1, 105.0, 100.0);
    RunForcePhase(kSwarm5Rules);
    EXPECT_EQ(v.alive[0], 1);
    EXPECT_EQ(v.exchanged[0], 1);
    EXPECT_EQ(v.energy[0], 0.0);

    // Below zero the particle dies, moves once more, and later particles of
    // the same phase already ignore it.
    EmptyField(kSwarm5Rules);
    AddParticle(0, 0, 100.0, 100.0, 0.0);
    AddParticle(1, 1, 105.0, 100.0);
    v.strength[1] = 100.0;
    v.velX[0] = 1.0;
    SetSeed(5);
    Rnd();
    ASSERT_GT(Rnd(), 0.0);  // the partner's share is positive
    SetSeed(5);
    RunForcePhase(kSwarm5Rules);
    EXPECT_LT(v.energy[0], 0.0);
    EXPECT_EQ(v.alive[0], 0);
    EXPECT_EQ(v.posX[0], 100.0 + v.velX[0]);
    EXPECT_NE(v.velX[0], 0.0);
    EXPECT_EQ(v.forceNorm, 1.0);  // particle 1 found no live partner
    EXPECT_EQ(v.exchanged[1], 0);
}

TEST(SwarmDrawing, CircleCentreAndColour) {
    SwarmVariables& v = EmptyField(kSwarm5Rules);
    AddParticle(0, 3, 12.7, 499.99);
    AddParticle(1, 5, 0.0, 0.5);
    v.exchanged[1] = 1;
    SelectDrawing(0);
    EXPECT_EQ(v.drawX, 12);
    EXPECT_EQ(v.drawY, 499);
    EXPECT_EQ(v.drawColour, 4);
    SelectDrawing(1);
    EXPECT_EQ(v.drawX, 0);
    EXPECT_EQ(v.drawY, 0);
    EXPECT_EQ(v.drawColour, 7);
}

}  // namespace
