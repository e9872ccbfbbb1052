// Fuzz target: the BASIC compiler's front end on arbitrary bytes. Each input
// is written to a file and translated in both program modes; the compiler must
// neither crash nor hang, must keep to 50 diagnostics, and must give either
// diagnostics with positions inside the file or C++.
#include "basic/compiler.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One file per fuzzing process, rewritten for every input.
const std::string& InputPath() {
    static const std::string path = [] {
        char directory[] = "/tmp/basic_fuzz.XXXXXX";
        if (mkdtemp(directory) == nullptr) std::abort();
        return std::string(directory) + "/input.bas";
    }();
    return path;
}

void Check(const basic::Translation& translation) {
    if (translation.errors.size() > 50) std::abort();
    if (translation.errors.empty() && translation.cpp.empty()) std::abort();
    for (const basic::Diagnostic& error : translation.errors) {
        if (error.message.empty() || error.line < 0 || error.column < 0) std::abort();
        (void)basic::FormatDiagnostic(error);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Check(basic::TranslateFile(InputPath(), basic::ProgramMode::kConsole));
    Check(basic::TranslateFile(InputPath(), basic::ProgramMode::kWindow));
    return 0;
}
