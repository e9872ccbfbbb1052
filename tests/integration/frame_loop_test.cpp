// The swarm programs' frames on the real console: what the draw phase draws
// and when the clear step clears.
#include "programs/swarm/frame_loop.h"
#include "runtime/math/numeric.h"
#include "tests/integration/console_runtime.h"

#include <array>
#include <map>

namespace console_test {
namespace {

constexpr int kSpacing = 12;
constexpr int kColumns = 40;

// Particle i's place on a grid far enough apart that circles of radius 2
// never touch; a fraction that Int drops is added.
int GridX(int i) { return kSpacing + kSpacing * (i % kColumns); }
int GridY(int i) { return kSpacing + kSpacing * (i / kColumns); }

void SpreadParticlesOnGrid(int count) {
    SwarmVariables& v = Swarm();
    for (int i = 0; i < count; ++i) {
        v.posX[i] = GridX(i) + 0.7;
        v.posY[i] = GridY(i) + 0.7;
    }
}

// The colours lit in the 5 by 5 box around a grid place.
std::map<uint32_t, int> ColoursAround(const headless::Pixels& pixels, int i) {
    std::map<uint32_t, int> colours;
    for (int y = GridY(i) - 2; y <= GridY(i) + 2; ++y)
        for (int x = GridX(i) - 2; x <= GridX(i) + 2; ++x)
            if (pixels.At(x, y) != 0) ++colours[pixels.At(x, y)];
    return colours;
}

// Runs the first frame's force phase from a fixed seed, then draws it with
// the particles spread out, and returns how many circles each group colour
// got. Checks every circle's colour and that nothing else was drawn.
std::array<int, 8> DrawFirstFrame(const SwarmRules& rules) {
    SetSwarmConstants(rules);
    SetSeed(12345);
    PlaceSwarm();
    RunForcePhase(rules);
    const int placed = PlacedParticleCount();
    SpreadParticlesOnGrid(placed);
    Cls(2);
    DrawPhase();

    std::array<int, 8> circlesPerGroupColour{};
    const headless::Pixels back = ReadBackBuffer();
    const SwarmVariables& v = Swarm();
    for (int i = 0; i < placed; ++i) {
        std::map<uint32_t, int> colours = ColoursAround(back, i);
        const bool drawn = i <= v.lastParticle && v.alive[i] == 1;
        EXPECT_EQ(!colours.empty(), drawn) << "particle " << i;
        if (colours.empty()) continue;
        const int expected = v.exchanged[i] == 1 ? 7 : v.groupColour[i];
        EXPECT_EQ(colours.size(), 1u) << "particle " << i;
        EXPECT_EQ(colours.begin()->first, PaletteColor(expected)) << "particle " << i;
        ++circlesPerGroupColour[v.groupColour[i]];
    }
    return circlesPerGroupColour;
}

TEST_F(ConsoleRuntime, TheFirstFrameOfSwarm50DrawsParticlesZeroToOneHundred) {
    std::array<int, 8> circles = DrawFirstFrame(kSwarm50Rules);
    int total = 0;
    for (int count : circles) total += count;
    EXPECT_EQ(total, 101);
    EXPECT_EQ(PlacedParticleCount(), 102);  // particle 101 is placed, never drawn
}

TEST_F(ConsoleRuntime, TheFirstFrameOfSwarm5DrawsTwentyOfEachGroupColourAndOneOfTheSixth) {
    std::array<int, 8> circles = DrawFirstFrame(kSwarm5Rules);
    for (int colour = 1; colour <= 5; ++colour) EXPECT_EQ(circles[colour], 20) << colour;
    EXPECT_EQ(circles[6], 1);
    EXPECT_EQ(circles[0] + circles[7], 0);
}

TEST_F(ConsoleRuntime, TheClearStepClearsEverySixthFrameBeforeItIsDrawn) {
    SetUpSwarm(kSwarm50Rules);
    Swarm().frameCounter = 0;
    for (int frame = 1; frame <= 12; ++frame) {
        SCOPED_TRACE(frame);
        Circle(500, 500, 3, 7, 0.0, 0.0, 1.0, 0, 0);
        ClearStep();
        headless::Pixels back = ReadBackBuffer();
        const bool cleared = frame % 6 == 0;
        EXPECT_EQ(Swarm().frameCounter, cleared ? 0 : frame % 6);
        EXPECT_EQ(CountLit(back, 490, 490, 510, 510) == 0, cleared);
    }
}

}  // namespace
}  // namespace console_test
