// rastercompare: draws a figure script with the POSIX layer's rasterizer and
// compares the pixels with the reference renderer's picture of the same
// script (a binary PPM), figure by figure.
//
//   rastercompare SCRIPT REFERENCE.ppm [--show N] [--diff OUT.ppm] [--figure LINE]
//
// --show prints the first N differing figures (default 20); --diff writes a
// picture of the differences (red: only the reference, green: only ours);
// --figure prints both pictures of the figure on that script line.
//
// Each differing pixel is charged to the figure whose box holds it (the last
// one drawn when boxes overlap); pixels outside every box are counted apart.
// Exit status: 0 identical, 1 different, 2 unreadable input.
#include "platform/posix/raster/figures.h"
#include "tools/rastercompare/figure_script.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using rastercompare::Figure;
using rastercompare::FigureKind;
using rastercompare::FigureScript;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00BBGGRR
};

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

bool ReadPpm(const std::string& path, Picture& picture) {
    std::string data;
    if (!ReadFile(path, data)) return false;
    std::istringstream header(data);
    std::string magic;
    int maxValue = 0;
    header >> magic >> picture.width >> picture.height >> maxValue;
    if (magic != "P6" || maxValue != 255 || picture.width <= 0 || picture.height <= 0) return false;
    const size_t start = static_cast<size_t>(header.tellg()) + 1;
    const size_t count = static_cast<size_t>(picture.width) * picture.height;
    if (data.size() < start + count * 3) return false;
    picture.pixels.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const auto* rgb = reinterpret_cast<const unsigned char*>(data.data() + start + i * 3);
        picture.pixels[i] = rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
    }
    return true;
}

void WritePpm(const std::string& path, const Picture& picture) {
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    for (uint32_t p : picture.pixels) {
        const char rgb[3] = {static_cast<char>(p & 0xFF), static_cast<char>((p >> 8) & 0xFF),
                             static_cast<char>((p >> 16) & 0xFF)};
        file.write(rgb, 3);
    }
}

void Draw(posix::Surface& surface, const Figure& f) {
    const RECT all{0, 0, surface.width, surface.height};
    const posix::raster::FigureColours colours{f.pen, f.brush};
    switch (f.kind) {
    case FigureKind::Ellipse:
        posix::raster::DrawEllipse(surface, all, f.v[0], f.v[1], f.v[2], f.v[3], colours);
        break;
    case FigureKind::Arc:
        posix::raster::DrawArc(surface, all, f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5],
                               f.v[6], f.v[7], f.pen);
        break;
    case FigureKind::Pie:
        posix::raster::DrawPie(surface, all, f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5],
                               f.v[6], f.v[7], colours);
        break;
    case FigureKind::PatBlt:
        if (!f.brush) break;
        for (long long y = std::max(0, f.v[1]); y < std::min<long long>(surface.height, 0LL + f.v[1] + f.v[3]); ++y) {
            for (long long x = std::max(0, f.v[0]); x < std::min<long long>(surface.width, 0LL + f.v[0] + f.v[2]); ++x) {
                surface.pixels[y * surface.width + x] = *f.brush;
            }
        }
        break;
    }
}

// For every pixel, the index of the last figure whose box holds it, or -1.
std::vector<int> BoxOwners(const FigureScript& script) {
    std::vector<int> owner(static_cast<size_t>(script.width) * script.height, -1);
    for (size_t i = 0; i < script.figures.size(); ++i) {
        const Figure& f = script.figures[i];
        if (f.kind == FigureKind::PatBlt) continue;
        const long long x0 = std::max(0, std::min(f.v[0], f.v[2]));
        const long long x1 = std::min<long long>(script.width, std::max(f.v[0], f.v[2]));
        const long long y0 = std::max(0, std::min(f.v[1], f.v[3]));
        const long long y1 = std::min<long long>(script.height, std::max(f.v[1], f.v[3]));
        for (long long y = y0; y < y1; ++y) {
            for (long long x = x0; x < x1; ++x) owner[y * script.width + x] = static_cast<int>(i);
        }
    }
    return owner;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: rastercompare SCRIPT REFERENCE.ppm [--show N] [--diff OUT.ppm] "
                 "[--figure LINE]\n");
    return 2;
}

char PixelLetter(uint32_t colour) {
    if (colour == 0) return '.';
    if (colour == 0xFFFFFFu) return '#';
    if (colour == 0x0000FFu) return 'o';
    return '?';
}

// Both pictures of one figure's box with a one-pixel margin, side by side.
void PrintFigure(const FigureScript& script, const Figure& f, const Picture& reference,
                 const Picture& ours) {
    const int x0 = std::min(f.v[0], f.v[2]) - 1, x1 = std::max(f.v[0], f.v[2]);
    const int y0 = std::min(f.v[1], f.v[3]) - 1, y1 = std::max(f.v[1], f.v[3]);
    std::printf("line %d: %s\nreference | ours (box from %d,%d)\n", f.line, f.text.c_str(), x0 + 1,
                y0 + 1);
    for (int y = y0; y <= y1; ++y) {
        std::string left, right;
        for (int x = x0; x <= x1; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < script.width && y < script.height;
            const size_t i = inside ? static_cast<size_t>(y) * script.width + x : 0;
            left += inside ? PixelLetter(reference.pixels[i]) : ' ';
            right += inside ? PixelLetter(ours.pixels[i]) : ' ';
        }
        std::printf("%s | %s%s\n", left.c_str(), right.c_str(), left == right ? "" : "  <");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> operands;
    std::string diffPath;
    long show = 20;
    int figureLine = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--diff" && i + 1 < argc) diffPath = argv[++i];
        else if (arg == "--show" && i + 1 < argc) show = std::strtol(argv[++i], nullptr, 10);
        else if (arg == "--figure" && i + 1 < argc) figureLine = std::atoi(argv[++i]);
        else operands.push_back(arg);
    }
    if (operands.size() != 2) return Usage();

    std::string text, error;
    FigureScript script;
    if (!ReadFile(operands[0], text) || !rastercompare::ParseFigureScript(text, script, error)) {
        std::fprintf(stderr, "rastercompare: %s: %s\n", operands[0].c_str(),
                     error.empty() ? "cannot read" : error.c_str());
        return 2;
    }
    Picture reference;
    if (!ReadPpm(operands[1], reference) || reference.width != script.width ||
        reference.height != script.height) {
        std::fprintf(stderr, "rastercompare: %s: not a %dx%d P6 picture\n", operands[1].c_str(),
                     script.width, script.height);
        return 2;
    }

    Picture ours{script.width, script.height,
                 std::vector<uint32_t>(static_cast<size_t>(script.width) * script.height, 0)};
    posix::Surface surface{ours.pixels.data(), script.width, script.height};
    for (const Figure& f : script.figures) Draw(surface, f);

    const std::vector<int> owner = BoxOwners(script);
    std::vector<long> differing(script.figures.size(), 0);
    long outside = 0, total = 0;
    Picture diff = ours;
    for (size_t i = 0; i < ours.pixels.size(); ++i) {
        const bool same = ours.pixels[i] == reference.pixels[i];
        diff.pixels[i] = same ? (ours.pixels[i] ? 0x404040u : 0u)
                              : (reference.pixels[i] ? 0x0000FFu : 0x00FF00u);  // red: only reference
        if (same) continue;
        ++total;
        if (owner[i] < 0) ++outside;
        else ++differing[static_cast<size_t>(owner[i])];
    }
    long figuresDiffering = 0;
    for (size_t i = 0; i < script.figures.size(); ++i) {
        if (differing[i] == 0) continue;
        if (figuresDiffering++ < show) {
            std::printf("line %d: %s: %ld pixels differ\n", script.figures[i].line,
                        script.figures[i].text.c_str(), differing[i]);
        }
    }
    const long figures = static_cast<long>(script.figures.size());
    std::printf("rastercompare: %ld figures, %ld identical, %ld differ; %ld pixels differ, %ld "
                "of them outside every box\n",
                figures, figures - figuresDiffering, figuresDiffering, total, outside);
    if (!diffPath.empty()) WritePpm(diffPath, diff);
    for (const Figure& f : script.figures) {
        if (f.line == figureLine) PrintFigure(script, f, reference, ours);
    }
    return total == 0 ? 0 : 1;
}
