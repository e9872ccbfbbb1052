// A second, deliberately plain swarm model for the tests: each rule written
// out case by case, in its own arrays, with the random draws inside the pair
// loop. The model under test must match it to the bit.
#pragma once
#include "runtime/core/runtime_state.h"
#include "runtime/math/numeric.h"

#include <cmath>
#include <cstdint>
#include <vector>

struct ReferenceSwarm {
    int lastGroup;
    double kinRange;
    bool exchange;
    std::vector<int> group, alive, colour, exchanged;
    std::vector<double> posX, posY, velX, velY, energy, strength;
    int64_t trades = 0, deaths = 0, wraps = 0;  // how much of the rules a run used
    uint32_t seed;  // its own generator state, swapped in around its draws

    // Runs step() with this model's random state in the runtime record.
    template <class Step>
    void WithOwnSeed(Step step) {
        const uint32_t other = gRuntime.randomSeed;
        gRuntime.randomSeed = seed;
        step();
        seed = gRuntime.randomSeed;
        gRuntime.randomSeed = other;
    }

    static int16_t Low16(int64_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF)); }

    ReferenceSwarm(int lastGroupValue, double kinRangeValue, bool exchangeValue, uint32_t seedValue)
        : lastGroup(lastGroupValue), kinRange(kinRangeValue), exchange(exchangeValue), seed(seedValue) {
        WithOwnSeed([this] { Place(); });
    }

    void Frame() {
        WithOwnSeed([this] { Move(); });
    }

  private:
    void Place() {
        const int size = Int(100.0 / lastGroup);
        for (int g = 0; g <= lastGroup; ++g) {
            const int cornerX = static_cast<int>(750.0 * Rnd());
            const int cornerY = static_cast<int>(450.0 * Rnd());
            for (int i = size * g; i < size * (g + 1); ++i) {
                group.push_back(g);
                const double x = Rnd() * 50.0 + cornerX;
                posX.push_back(x);
                posY.push_back(Rnd() * 50.0 + cornerY);
                velX.push_back(0.0);
                velY.push_back(0.0);
                energy.push_back(100.0);
                strength.push_back(0.0);
                alive.push_back(1);
                colour.push_back(g % 6 + 1);
                exchanged.push_back(0);
            }
        }
    }

    void Move() {
        for (int i = 0; i <= 100; ++i) {
            if (alive[i] != 1) continue;
            double forceX = 0, forceY = 0, gain = 0;
            int tally = 0, mark = 0;
            for (int j = 0; j <= 100; ++j) {
                if (alive[j] != 1 || j == i) continue;
                const double offsetX = posX[j] - posX[i], offsetY = posY[j] - posY[i];
                const double distSq = offsetX * offsetX + offsetY * offsetY;
                if (group[j] == group[i] && distSq < kinRange) {
                    forceX = forceX - offsetX;
                    forceY = forceY - offsetY;
                    const double sum = tally + energy[i];
                    const int64_t whole = std::fabs(sum) < 0x1p31 ? static_cast<int64_t>(sum) : INT32_MIN;
                    tally = Low16(whole);
                    wraps += whole != tally;
                } else if (group[j] == group[i]) {
                    forceX = forceX + offsetX;
                    forceY = forceY + offsetY;
                } else if (distSq < 200) {
                    forceX = forceX - offsetX;
                    forceY = forceY - offsetY;
                    if (exchange) {
                        const double self = Rnd() * strength[i] / 100;
                        const double other = Rnd() * strength[j] / 100;
                        gain = gain + (self - other);
                        mark = 1;
                        ++trades;
                    }
                } else {
                    forceX = forceX + offsetX * 0.001;
                    forceY = forceY + offsetY * 0.001;
                }
            }
            const double norm = Sqr(forceX * forceX + forceY * forceY) + 1;
            velX[i] = velX[i] * 0.8 + forceX / norm;
            velY[i] = velY[i] * 0.8 + forceY / norm;
            strength[i] = tally;
            energy[i] = energy[i] + gain;
            exchanged[i] = mark;
            if (exchange && energy[i] < 0) {
                alive[i] = 0;
                ++deaths;
            }
            posX[i] = posX[i] + velX[i];
            posY[i] = posY[i] + velY[i];
            if (posX[i] < 0) { posX[i] = 0; velX[i] = -velX[i]; }
            if (posX[i] > 800) { posX[i] = 800; velX[i] = -velX[i]; }
            if (posY[i] < 0) { posY[i] = 0; velY[i] = -velY[i]; }
            if (posY[i] > 500) { posY[i] = 500; velY[i] = -velY[i]; }
        }
    }
};
