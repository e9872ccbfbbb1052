// Turns a program's C++ translation into an executable with the toolchain's
// compiler, out of the user's sight: the compiler's messages go to a log.
#pragma once
#include "tools/promptbasic/toolchain.h"

#include <string>

namespace promptbasic {

struct NativeBuildResult {
    bool ok = false;
    std::string problem;  // for the user when !ok: what failed and where the log is
};

// Writes cpp beside output, compiles and links it into output. The program
// appears at output only when the build succeeded (written under a temporary
// name and renamed), so a failed build never leaves a program that looks whole.
NativeBuildResult BuildNative(const Toolchain& toolchain, bool console, const std::string& cpp,
                              const std::string& output, const std::string& workDir);

// Runs argv, its output to logFile; the exit status, or -1 when it could not
// start or ended by a signal.
int RunQuietly(const std::vector<std::string>& argv, const std::string& logFile);

}  // namespace promptbasic
