// Positions in the program's source files and the list of errors found in
// them. Every stage reports into one Diagnostics; the first 50 in source
// order are reported.
#pragma once
#include <string>
#include <vector>

#include "basic/compiler.h"

namespace basic {

// A place in a source file: the file's index in the SourceSet, 1-based line
// and column (in characters of the line).
struct Position {
    int file = 0;
    int line = 0;
    int column = 0;
};

class SourceSet;

class Diagnostics {
public:
    static constexpr size_t kLimit = 50;

    explicit Diagnostics(const SourceSet& sources) : sources_(sources) {}
    void Error(Position at, std::string message);
    bool Full() const;  // the stages may stop
    bool Any() const { return !errors_.empty(); }
    // The first kLimit errors in source order.
    std::vector<Diagnostic> Take();

private:
    const SourceSet& sources_;
    std::vector<Diagnostic> errors_;
    std::vector<std::vector<std::pair<int, int>>> orders_;  // SourceSet::ReadingOrder
};

}  // namespace basic
