// promptdraw end to end: scripts in, PNG files out, read back with libpng.
#include "tests/tool/run_tool.h"
#include "tests/tool/tool_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kPromptdraw = PROMPTDRAW_PATH;

class Promptdraw : public ::testing::Test {
protected:
    // Runs promptdraw on the script text (given on standard input) and reads
    // the picture it wrote.
    Picture Draw(const std::string& script, std::vector<std::string> options = {}) {
        const std::string out = scratch.Path("out-" + std::to_string(++runs) + ".png");
        options.push_back("-");
        options.push_back(out);
        const ToolRun run = RunTool(kPromptdraw, options, script);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        Picture picture;
        std::string error;
        EXPECT_TRUE(ReadPngFile(out, picture, error)) << error;
        return picture;
    }

    ScratchDirectory scratch;
    int runs = 0;
};

}  // namespace

// A radius-2 outline at (100, 100) in green lights exactly its eight pixels
// of the 1024x768 back buffer, and palette numbers become their colours.
TEST_F(Promptdraw, SmallCircleLightsItsEightPixels) {
    const Picture picture = Draw("circle 100 100 2 4 0 0 1 0 0\n");
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 768);
    const PixelMap lit = LitPixels(picture);
    std::set<std::pair<int32_t, int32_t>> where;
    for (const auto& [point, colour] : lit) {
        where.insert(point);
        EXPECT_EQ(colour, kPalette[4]) << point.first << "," << point.second;
    }
    EXPECT_EQ(where, RadiusTwoOutline(100, 100));

    for (int colour = 1; colour <= 7; ++colour) {
        const Picture one = Draw("circle 10 10 2 " + std::to_string(colour) + " 0 0 1 0 0\n",
                                 {"--screen", "32x32"});
        EXPECT_EQ(Colours(LitPixels(one)), std::set<uint32_t>{kPalette[colour]}) << colour;
    }
    // Outside the palette the outline is black: nothing shows.
    EXPECT_TRUE(LitPixels(Draw("circle 10 10 2 9 0 0 1 0 0\n", {"--screen", "32x32"})).empty());
}

// A filled circle: red outline, yellow inside, nothing else; along the
// centre row the outline closes the yellow run on both sides.
TEST_F(Promptdraw, FilledCircleHasOutlineAndInterior) {
    const Picture picture = Draw("circle 50 40 20 2 0 0 1 1 6\n", {"--screen", "100x80"});
    const PixelMap lit = LitPixels(picture);
    EXPECT_EQ(Colours(lit), (std::set<uint32_t>{kPalette[2], kPalette[6]}));
    EXPECT_EQ(picture.At(50, 40), kPalette[6]);
    int32_t left = 0, right = picture.width - 1;
    while (picture.At(left, 40) == 0) ++left;
    while (picture.At(right, 40) == 0) --right;
    EXPECT_EQ(picture.At(left, 40), kPalette[2]);
    EXPECT_EQ(picture.At(right, 40), kPalette[2]);
    EXPECT_NEAR(left, 30, 1);
    EXPECT_NEAR(right, 69, 1);
    for (int32_t x = left + 1; x < right; ++x) ASSERT_EQ(picture.At(x, 40), kPalette[6]) << x;
    for (const auto& [point, colour] : lit) {
        const int32_t dx = point.first - 50, dy = point.second - 40;
        EXPECT_LE(dx * dx + dy * dy, 21 * 21) << "outside the circle: " << dx << "," << dy;
    }
    // The same figure unfilled leaves the centre dark.
    EXPECT_EQ(Draw("circle 50 40 20 2 0 0 1 0 6\n", {"--screen", "100x80"}).At(50, 40), 0u);
}

// Modes 2 and 3 clear the graphics layer; 0, 1 and others leave it; a
// figure drawn after a clear stays.
TEST_F(Promptdraw, ClsClearsTheGraphicsLayerOnlyInModesTwoAndThree) {
    const std::string figure = "circle 20 20 5 7 0 0 1 1 3\n";
    const Picture drawn = Draw(figure, {"--screen", "40x40"});
    ASSERT_FALSE(LitPixels(drawn).empty());
    for (int mode : {0, 1, 4, -1}) {
        const Picture after = Draw(figure + "cls " + std::to_string(mode) + "\n", {"--screen", "40x40"});
        EXPECT_EQ(after.pixels, drawn.pixels) << "mode " << mode;
    }
    for (int mode : {2, 3}) {
        const Picture after = Draw(figure + "cls " + std::to_string(mode) + "\n", {"--screen", "40x40"});
        EXPECT_TRUE(LitPixels(after).empty()) << "mode " << mode;
        const Picture redrawn = Draw("circle 1 1 3 2 0 0 1 0 0\ncls " + std::to_string(mode) + "\n" + figure,
                                     {"--screen", "40x40"});
        EXPECT_EQ(redrawn.pixels, drawn.pixels) << "mode " << mode;
    }
}

// The window's client area after a paint: the back buffer where the screen
// reaches, and black beyond it when the window is larger than the screen.
TEST_F(Promptdraw, WindowLayerShowsTheBackBufferInsideTheScreenOnly) {
    // Figures touch the back buffer's right and bottom edges, and a clear
    // before them must not leave anything of the first figure.
    const std::string script = "circle 100 50 30 5 0 0 1 0 0\ncls 3\n"
                               "circle 185 50 15 6 0 0 1 1 1\ncircle 100 90 10 7 0 0 1 0 0\n";
    const Picture back = Draw(script, {"--screen", "200x100", "--window", "300x150"});
    const Picture window =
        Draw(script, {"--screen", "200x100", "--window", "300x150", "--layer", "window"});
    ASSERT_EQ(back.width, 200);
    ASSERT_EQ(back.height, 100);
    ASSERT_EQ(window.width, 300);
    ASSERT_EQ(window.height, 150);
    EXPECT_EQ(back.At(199, 50), kPalette[6]);
    EXPECT_EQ(back.At(100, 99), kPalette[7]);
    EXPECT_EQ(back.At(100, 20), 0u);  // the cleared circle's top
    for (int32_t y = 0; y < window.height; ++y) {
        for (int32_t x = 0; x < window.width; ++x) {
            const uint32_t expected = x < back.width && y < back.height ? back.At(x, y) : 0;
            ASSERT_EQ(window.At(x, y), expected) << x << "," << y;
        }
    }
    // A window smaller than the screen shows the back buffer's top-left part.
    const Picture small = Draw(script, {"--screen", "200x100", "--window", "190x90", "--layer", "window"});
    ASSERT_EQ(small.width, 190);
    ASSERT_EQ(small.height, 90);
    for (int32_t y = 0; y < small.height; ++y)
        for (int32_t x = 0; x < small.width; ++x) ASSERT_EQ(small.At(x, y), back.At(x, y)) << x << "," << y;
}

// A bad line is reported as SCRIPT:LINE: with status 2, and nothing is drawn
// or written, not even over an existing file.
TEST_F(Promptdraw, BadScriptLineIsReportedAndNothingWritten) {
    const std::string script = scratch.Path("bad.txt");
    ASSERT_TRUE(WriteTextFile(script, "cls 3\n# comment\ncircle 1 2 3 4 0 0 1 0 0\ncircle 1 2 x 4 0 0 1 0 0\n"));
    const std::string out = scratch.Path("kept.png");
    ASSERT_TRUE(WriteTextFile(out, "old"));
    ToolRun run = RunTool(kPromptdraw, {script, out});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind(script + ":4: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("'x'"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFileBytes(out), std::vector<unsigned char>({'o', 'l', 'd'}));

    const std::string fresh = scratch.Path("fresh.png");
    run = RunTool(kPromptdraw, {"-", fresh}, "cls 1\nellipse 1 2\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("<stdin>:2: ", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

// Usage: --help on stdout with status 0, no arguments on stderr with 2; bad
// options and sizes name the problem, show the usage and write nothing.
TEST_F(Promptdraw, CommandLineMistakesShowTheUsage) {
    ToolRun run = RunTool(kPromptdraw, {"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: promptdraw", 0), 0u);
    EXPECT_EQ(run.err, "");
    run = RunTool(kPromptdraw, {});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("usage: promptdraw", 0), 0u);
    EXPECT_EQ(run.out, "");

    const std::string out = scratch.Path("never.png");
    const std::vector<std::vector<std::string>> mistakes = {
        {"--screen", "0x10", "-", out},       {"--screen", "10", "-", out},
        {"--screen", "8193x10", "-", out},    {"--screen", "10x-5", "-", out},
        {"--window", "axb", "-", out},        {"--layer", "front", "-", out},
        {"--layer", "window", "--layer", "window", "-", out},
        {"--screen"},                         {"--frobnicate", "-", out},
        {"-", out, "extra"},                  {out},
    };
    for (const auto& arguments : mistakes) {
        run = RunTool(kPromptdraw, arguments, "cls 3\n");
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_EQ(run.err.rfind("promptdraw: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("usage: promptdraw"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << arguments[0];
    }
}

// Files that cannot be read or written: status 1 and the path in the message.
TEST_F(Promptdraw, UnreadableScriptAndUnwritableOutputFailWithStatusOne) {
    const std::string missing = scratch.Path("missing.txt");
    ToolRun run = RunTool(kPromptdraw, {missing, scratch.Path("a.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;

    const std::string unwritable = scratch.Path("no/such/dir/out.png");
    run = RunTool(kPromptdraw, {"-", unwritable}, "cls 3\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(unwritable), std::string::npos) << run.err;
}
