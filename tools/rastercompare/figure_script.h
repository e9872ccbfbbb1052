// Figure scripts as the GDI reference renderer reads them: "size W H" first,
// then one figure a line ("ellipse l t r b pen brush", "arc l t r b xs ys xe
// ye pen", "pie l t r b xs ys xe ye pen brush", "patblt x y w h brush");
// '#' starts a comment; colours are hex 0x00BBGGRR, a brush may be "null".
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rastercompare {

enum class FigureKind { Ellipse, Arc, Pie, PatBlt };

struct Figure {
    int line = 0;           // 1-based line in the script
    std::string text;       // the line as written, comment removed
    FigureKind kind = FigureKind::Ellipse;
    int32_t v[8] = {};      // box, then radial points (arc, pie)
    uint32_t pen = 0;
    std::optional<uint32_t> brush;
};

struct FigureScript {
    int width = 256;
    int height = 256;
    std::vector<Figure> figures;
};

// Reads a script; on a bad line returns false with `error` naming it.
bool ParseFigureScript(const std::string& text, FigureScript& script, std::string& error);

}  // namespace rastercompare
