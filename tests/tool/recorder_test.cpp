// swarmsim's recorder end to end: the programs' frame loop on the console,
// frames written as PNG files and compared with the model's own circles.
#include "tests/tool/run_tool.h"
#include "tests/tool/tool_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

const std::string kSwarmsim = SWARMSIM_PATH;

struct DrawnCircle {
    int32_t x, y, colour;
};

// The circles the model's draw phase makes in the last of `frames` frames.
std::vector<DrawnCircle> ModelCircles(const std::string& program, int seed, int frames) {
    const ToolRun run = RunTool(kSwarmsim, {"--program", program, "--seed", std::to_string(seed),
                                            "--frames", std::to_string(frames), "--draws"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<DrawnCircle> circles;
    std::istringstream lines(run.out);
    int32_t index;
    DrawnCircle circle;
    while (lines >> index >> circle.x >> circle.y >> circle.colour) circles.push_back(circle);
    return circles;
}

std::vector<std::string> FileNames(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ToolRun Record(const std::string& directory, const std::string& program, int seed, int frames,
               std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--program", program, "--seed", std::to_string(seed),
                                       "--frames", std::to_string(frames), "--record", directory};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunTool(kSwarmsim, arguments);
}

Picture ReadFrame(const std::string& directory, const std::string& name) {
    Picture picture;
    std::string error;
    EXPECT_TRUE(ReadPngFile(directory + "/" + name, picture, error)) << error;
    return picture;
}

}  // namespace

// The sixth frame clears the screen before it draws, so its picture holds
// exactly the outlines of that frame's circles, where the model puts them,
// in their colours. Frames draw particles 0 to 100, so of swarm5's sixth
// group only particle 100 shows; with seed 4 it is alive and yellow in frame
// 6, so all six group colours show, and white ones from the exchange.
TEST(Recorder, FrameShowsTheModelsCirclesInGroupColours) {
    ScratchDirectory scratch;
    const std::string directory = scratch.Path("frames");
    const ToolRun run = Record(directory, "swarm5", 4, 6);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");  // no progress bar: standard error is no terminal
    const Picture picture = ReadFrame(directory, "frame-000006.png");
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 768);

    const std::vector<DrawnCircle> circles = ModelCircles("swarm5", 4, 6);
    ASSERT_FALSE(circles.empty());  // some may have died in the exchange
    ASSERT_LE(circles.size(), 101u);
    std::set<std::pair<int32_t, int32_t>> outlines;
    std::set<uint32_t> modelColours;
    for (const DrawnCircle& circle : circles) {
        modelColours.insert(kPalette[circle.colour & 7]);
        for (const auto& point : RadiusTwoOutline(circle.x, circle.y)) {
            if (point.first < 0 || point.second < 0 || point.first >= picture.width ||
                point.second >= picture.height)
                continue;
            outlines.insert(point);
            EXPECT_NE(picture.At(point.first, point.second), 0u) << point.first << "," << point.second;
        }
    }
    const PixelMap lit = LitPixels(picture);
    for (const auto& [point, colour] : lit)
        EXPECT_TRUE(outlines.count(point)) << "stray pixel " << point.first << "," << point.second;
    const std::set<uint32_t> colours = Colours(lit);
    EXPECT_EQ(colours, modelColours);
    for (int group = 1; group <= 6; ++group) EXPECT_TRUE(colours.count(kPalette[group])) << group;

    // Before the first clear the trails of frames 1 to 5 add up.
    const Picture fifth = ReadFrame(directory, "frame-000005.png");
    const Picture first = ReadFrame(directory, "frame-000001.png");
    EXPECT_GT(LitPixels(fifth).size(), LitPixels(first).size());
}

// The same seed gives the same files byte for byte, whatever the number of
// encoding threads; another seed other ones. The frames, eight colours at
// most, are 4-bit indexed PNG files.
TEST(Recorder, SameSeedGivesIdenticalFiles) {
    ScratchDirectory scratch;
    const std::string a = scratch.Path("a"), c = scratch.Path("c");
    ASSERT_EQ(Record(a, "swarm50", -5, 8).status, 0);
    ASSERT_EQ(Record(c, "swarm50", 6, 8).status, 0);
    const std::vector<std::string> names = FileNames(a);
    ASSERT_EQ(names.size(), 8u);
    for (const char* threads : {"1", "3"}) {
        const std::string b = scratch.Path(std::string("threads") + threads);
        ASSERT_EQ(Record(b, "swarm50", -5, 8, {"--threads", threads}).status, 0);
        ASSERT_EQ(FileNames(b), names);
        for (const std::string& name : names)
            EXPECT_EQ(ReadFileBytes(a + "/" + name), ReadFileBytes(b + "/" + name)) << threads << " " << name;
    }
    EXPECT_NE(ReadFileBytes(a + "/" + names[0]), ReadFileBytes(c + "/" + names[0]));
    const std::vector<unsigned char> first = ReadFileBytes(a + "/" + names[0]);
    ASSERT_GT(first.size(), 25u);
    EXPECT_EQ(first[24], 4);  // bit depth
    EXPECT_EQ(first[25], 3);  // colour type: palette
}

// --every K: file n holds the picture after frame n*K, numbered from 1 with
// six digits; a nested directory is created; --screen sets the frame size.
TEST(Recorder, EveryKthFrameIsNumberedFromOne) {
    ScratchDirectory scratch;
    const std::string all = scratch.Path("all"), some = scratch.Path("deep/er/some");
    ASSERT_EQ(Record(all, "swarm5", 2, 7, {"--screen", "820x520"}).status, 0);
    const ToolRun run = Record(some, "swarm5", 2, 7, {"--every", "3", "--screen", "820x520"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(FileNames(some), (std::vector<std::string>{"frame-000001.png", "frame-000002.png"}));
    ASSERT_EQ(FileNames(all).size(), 7u);
    EXPECT_EQ(ReadFileBytes(some + "/frame-000001.png"), ReadFileBytes(all + "/frame-000003.png"));
    EXPECT_EQ(ReadFileBytes(some + "/frame-000002.png"), ReadFileBytes(all + "/frame-000006.png"));
    const Picture picture = ReadFrame(some, "frame-000001.png");
    EXPECT_EQ(picture.width, 820);
    EXPECT_EQ(picture.height, 520);
}

// --fps runs the loop, writes nothing and reports start-up, speed and peak
// memory; mistakes in the recorder's options are usage errors (2), a
// directory or frame that cannot be written an input/output error (1) with
// the path in the message.
TEST(Recorder, FpsAndErrors) {
    ScratchDirectory scratch;
    ToolRun run = RunTool(kSwarmsim, {"--program", "swarm50", "--seed", "1", "--frames", "30", "--fps"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("start-up to the first paint: ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n30 frames in "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("frames per second\npeak resident memory: "), std::string::npos) << run.out;

    const std::string blocker = scratch.Path("file");
    ASSERT_TRUE(WriteTextFile(blocker, "x"));
    run = Record(blocker, "swarm50", 1, 2);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(blocker), std::string::npos) << run.err;

    // The first frame's file name is taken by a directory.
    const std::string directory = scratch.Path("taken");
    std::filesystem::create_directories(directory + "/frame-000001.png");
    run = Record(directory, "swarm50", 1, 2);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("frame-000001.png"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(directory + "/frame-000002.png"));

    const std::string unused = scratch.Path("unused");
    const std::vector<std::vector<std::string>> mistakes = {
        {"--every", "0"},      {"--every", "x"},           {"--screen", "0x100"},
        {"--screen", "100"},   {"--fps"},                  {"--draws"},
        {"--every", "1", "--every", "2"},                  {"--threads", "0"},
        {"--threads", "65"},   {"--video-fps", "30"},      {"--video-lossless"},
    };
    for (const auto& more : mistakes) {
        run = Record(unused, "swarm50", 1, 2, more);
        EXPECT_EQ(run.status, 2) << more[0];
        EXPECT_NE(run.err.find("usage: swarmsim"), std::string::npos) << run.err;
    }
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--program", "swarm50", "--every", "2"},
             {"--program", "swarm50", "--screen", "100x100"},
             {"--program", "swarm50", "--fps", "--frames", "0"}}) {
        run = RunTool(kSwarmsim, arguments);
        EXPECT_EQ(run.status, 2) << arguments[1];
    }
    EXPECT_FALSE(std::filesystem::exists(unused));
}
