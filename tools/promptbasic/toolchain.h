// Where the C++ compiler, promptrt's headers and libraries are, as the build
// wrote them down in a toolchain file beside the tool (build tree) or under
// PREFIX/lib/promptbasic (installed).
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace promptbasic {

struct Toolchain {
    std::string compiler;
    std::vector<std::string> compileFlags;
    std::vector<std::string> includeDirs;
    std::vector<std::string> libraries;       // promptrt and its platform layer, in link order
    std::string windowDisplay;                // the display archive of window programs
    std::string consoleDisplay;               // the display archive of console programs
    std::vector<std::string> systemLibraries; // -l flags after the archives
    std::vector<std::string> windowLinkFlags;  // extra link flags of window programs
    std::vector<std::string> consoleLinkFlags; // extra link flags of console programs
    std::string identity;  // what changes when the compiler or the libraries change
};

// Reads the toolchain of `target` ("native" or "windows") for the tool at
// selfPath. nullopt with *error set when the file is missing or unreadable.
std::optional<Toolchain> LoadToolchain(const std::string& selfPath, const std::string& target,
                                       std::string* error);

// The compiler's command line that turns cppFile into the program `output`.
std::vector<std::string> CompileCommand(const Toolchain& toolchain, bool console,
                                        const std::string& cppFile, const std::string& output);

}  // namespace promptbasic
