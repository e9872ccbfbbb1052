// The BASIC compiler's one entry point: a program's source file in, its
// diagnostics or its C++ translation out. The stages behind it run as the data
// flows: source text, tokens, syntax tree, checked program, C++.
#pragma once
#include <string>
#include <vector>

namespace basic {

enum class ProgramMode { kWindow, kConsole };

struct Diagnostic {
    std::string file;        // as the user named it (an include: as the include line named it)
    int line = 0;            // 1-based
    int column = 0;          // 1-based, in characters of the source line
    std::string message;
    std::string sourceLine;  // the line's text (UTF-8), for the caret display
};

struct Translation {
    std::vector<Diagnostic> errors;  // at most 50; empty when the program is sound
    std::string cpp;                 // the C++ translation when errors is empty
};

// Reads, checks and translates the program at path (and its includes). Never
// throws; an unreadable file is a diagnostic at line 0.
Translation TranslateFile(const std::string& path, ProgramMode mode);

// "FILE:LINE:COLUMN: error: MESSAGE", then the source line and a caret under
// the column, each line ending in '\n'.
std::string FormatDiagnostic(const Diagnostic& diagnostic);

}  // namespace basic
