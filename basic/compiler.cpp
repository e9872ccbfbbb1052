// The entry point: runs the stages in order and formats their diagnostics.
#include "basic/compiler.h"

#include <algorithm>
#include <filesystem>

#include "basic/checker.h"
#include "basic/emitter.h"
#include "basic/parser.h"
#include "basic/scanner.h"
#include "basic/source.h"
#include "basic/text_encoding.h"

namespace basic {
namespace {

// Errors are gathered from every stage, then reported in source order; the
// stages stop early only when this many have piled up.
constexpr size_t kCollectLimit = 1000;

}  // namespace

void Diagnostics::Error(Position at, std::string message) {
    if (errors_.size() >= kCollectLimit) return;
    Diagnostic diagnostic;
    if (at.file >= 0 && at.file < sources_.Count()) diagnostic.file = sources_.File(at.file).name;
    diagnostic.line = at.line;
    diagnostic.column = at.column;
    diagnostic.message = std::move(message);
    diagnostic.sourceLine = sources_.Line(at.file, at.line);
    orders_.push_back(sources_.ReadingOrder(at.file, at.line, at.column));
    errors_.push_back(std::move(diagnostic));
}

std::vector<Diagnostic> Diagnostics::Take() {
    std::vector<size_t> order(errors_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return orders_[a] < orders_[b]; });
    std::vector<Diagnostic> sorted;
    for (size_t i = 0; i < order.size() && sorted.size() < kLimit; ++i) sorted.push_back(std::move(errors_[order[i]]));
    errors_.clear();
    orders_.clear();
    return sorted;
}

bool Diagnostics::Full() const { return errors_.size() >= kCollectLimit; }

Translation TranslateFile(const std::string& path, ProgramMode mode) {
    Translation translation;
    SourceSet sources;
    Diagnostics diagnostics(sources);
    int root = sources.Load(path, path);
    if (root < 0) {
        Diagnostic diagnostic;
        diagnostic.file = path;
        diagnostic.message = "cannot read the file";
        translation.errors.push_back(diagnostic);
        return translation;
    }
    std::vector<Token> tokens = ScanProgram(sources, root, diagnostics);
    CheckedProgram checked;
    checked.program = ParseProgram(std::move(tokens), diagnostics);
    CheckProgram(checked, diagnostics);
    if (diagnostics.Any()) {
        translation.errors = diagnostics.Take();
        return translation;
    }
    std::string sourceName = std::filesystem::path(path).filename().string();
    translation.cpp = EmitProgram(checked, mode, sourceName);
    return translation;
}

std::string FormatDiagnostic(const Diagnostic& diagnostic) {
    if (diagnostic.line <= 0) return diagnostic.file + ": error: " + diagnostic.message + "\n";
    std::string text = diagnostic.file + ":" + std::to_string(diagnostic.line) + ":" +
                       std::to_string(diagnostic.column) + ": error: " + diagnostic.message + "\n";
    text += diagnostic.sourceLine + "\n";
    // The caret line keeps the source's tabs so the caret stands under the column.
    std::string caret;
    int column = 1;
    const std::string& line = diagnostic.sourceLine;
    for (size_t i = 0; i < line.size() && column < diagnostic.column; ++column) {
        caret += line[i] == '\t' ? '\t' : ' ';
        i += static_cast<size_t>(Utf8CharLength(static_cast<unsigned char>(line[i])));
    }
    while (column++ < diagnostic.column) caret += ' ';
    return text + caret + "^\n";
}

}  // namespace basic
