#include "tools/rastercompare/figure_script.h"

#include <cstdlib>
#include <sstream>

namespace rastercompare {
namespace {

bool ParseColour(const std::string& word, uint32_t& colour) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(word.c_str(), &end, 16);
    if (word.empty() || *end != '\0' || value > 0xFFFFFFul) return false;
    colour = static_cast<uint32_t>(value);
    return true;
}

bool ParseBrush(const std::string& word, std::optional<uint32_t>& brush) {
    if (word == "null" || word == "NULL") {
        brush.reset();
        return true;
    }
    uint32_t colour = 0;
    if (!ParseColour(word, colour)) return false;
    brush = colour;
    return true;
}

bool ParseInt(const std::string& word, int32_t& value) {
    char* end = nullptr;
    const long long parsed = std::strtoll(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

struct Shape {
    const char* name;
    FigureKind kind;
    int numbers;
    bool pen;
    bool brush;
};

constexpr Shape kShapes[] = {
    {"ellipse", FigureKind::Ellipse, 4, true, true},
    {"arc", FigureKind::Arc, 8, true, false},
    {"pie", FigureKind::Pie, 8, true, true},
    {"patblt", FigureKind::PatBlt, 4, false, true},
};

bool ParseFigure(const std::vector<std::string>& words, Figure& figure) {
    for (const Shape& shape : kShapes) {
        if (words[0] != shape.name) continue;
        const size_t expected = 1 + shape.numbers + (shape.pen ? 1 : 0) + (shape.brush ? 1 : 0);
        if (words.size() != expected) return false;
        figure.kind = shape.kind;
        size_t at = 1;
        for (int i = 0; i < shape.numbers; ++i) {
            if (!ParseInt(words[at++], figure.v[i])) return false;
        }
        if (shape.pen && !ParseColour(words[at++], figure.pen)) return false;
        if (shape.brush && !ParseBrush(words[at++], figure.brush)) return false;
        return true;
    }
    return false;
}

}  // namespace

bool ParseFigureScript(const std::string& text, FigureScript& script, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream wordStream(line);
        std::vector<std::string> words;
        for (std::string word; wordStream >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (words[0] == "size") {
            int32_t w = 0, h = 0;
            if (words.size() != 3 || !ParseInt(words[1], w) || !ParseInt(words[2], h) || w <= 0 ||
                h <= 0 || w > 8192 || h > 8192) {
                error = "line " + std::to_string(number) + ": bad size";
                return false;
            }
            script.width = w;
            script.height = h;
            continue;
        }
        Figure figure;
        figure.line = number;
        figure.text = line;
        if (!ParseFigure(words, figure)) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        script.figures.push_back(figure);
    }
    return true;
}

}  // namespace rastercompare
