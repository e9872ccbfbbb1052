// promptdraw's scripts: one graphics statement a line.
//   circle X Y RADIUS COLOUR START END RATIO FILL FILLCOLOUR
//   cls MODE
// Integers are decimal and must fit 32 bits; reals are read as strtod reads
// them (so -0.0, nan and inf are allowed). Blank lines and lines whose first
// non-blank character is # are ignored.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class StatementKind { Circle, Cls };

struct CircleArguments {
    int32_t x, y, radius, colour;
    double start, end, ratio;
    int32_t fill, fillColour;
};

struct Statement {
    StatementKind kind;
    CircleArguments circle;  // Circle
    int32_t mode;            // Cls
};

struct ScriptError {
    int line = 0;  // 1-based
    std::string message;
};

// Parses the whole script; on the first bad line returns false with error set
// and statements left incomplete.
bool ParseScript(std::string_view text, std::vector<Statement>& statements, ScriptError& error);
