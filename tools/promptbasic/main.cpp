// promptbasic: compiles BASIC programs into native programs on promptrt.
//   promptbasic build FILE.bas [-o OUT] [--console] [--target native|windows]
//   promptbasic run FILE.bas [--console] [-- ARGS...]
//   promptbasic check FILE.bas
#include "basic/compiler.h"
#include "tools/promptbasic/command_line.h"
#include "tools/promptbasic/native_build.h"
#include "tools/promptbasic/program_cache.h"
#include "tools/promptbasic/toolchain.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace promptbasic;
namespace fs = std::filesystem;

constexpr int kProgramErrors = 2;  // diagnostics, or a bad command line
constexpr int kToolchainFailed = 4;

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "promptbasic: %s\n", message.c_str());
    return status;
}

// Checks and translates; prints every diagnostic. True when the program is sound.
bool Translate(const CommandLine& line, basic::Translation* translation) {
    const auto mode = line.console ? basic::ProgramMode::kConsole : basic::ProgramMode::kWindow;
    *translation = basic::TranslateFile(line.source, mode);
    for (const basic::Diagnostic& diagnostic : translation->errors)
        std::fputs(basic::FormatDiagnostic(diagnostic).c_str(), stderr);
    if (translation->errors.size() >= 50)
        std::fputs("promptbasic: stopped after 50 errors\n", stderr);
    return translation->errors.empty();
}

std::string DefaultOutput(const CommandLine& line) {
    fs::path output = line.source;
    if (output.extension() == ".bas") output.replace_extension();
    if (line.target == "windows") output += ".exe";
    else if (output == fs::path(line.source)) output += ".out";  // never overwrite the source
    return output.string();
}

int Build(const CommandLine& line, const char* self) {
    basic::Translation translation;
    if (!Translate(line, &translation)) return kProgramErrors;
    std::string error;
    const auto toolchain = LoadToolchain(self, line.target, &error);
    if (!toolchain) return Fail(error, kToolchainFailed);
    const std::string output = line.output.empty() ? DefaultOutput(line) : line.output;
    const std::string workDir = CacheFolder(CacheRoot(), translation.cpp, line.console,
                                            toolchain->identity + line.target);
    const NativeBuildResult built =
        BuildNative(*toolchain, line.console, translation.cpp, output, workDir);
    if (!built.ok) return Fail(built.problem, kToolchainFailed);
    return 0;
}

int Run(const CommandLine& line, const char* self) {
    basic::Translation translation;
    if (!Translate(line, &translation)) return kProgramErrors;
    std::string error;
    const auto toolchain = LoadToolchain(self, "native", &error);
    if (!toolchain) return Fail(error, kToolchainFailed);
    const std::string folder =
        CacheFolder(CacheRoot(), translation.cpp, line.console, toolchain->identity);
    const std::string program = folder + "/program";
    std::error_code ignored;
    if (!fs::is_regular_file(program, ignored)) {
        const NativeBuildResult built =
            BuildNative(*toolchain, line.console, translation.cpp, program, folder);
        if (!built.ok) return Fail(built.problem, kToolchainFailed);
    }
    // The program takes this process's place, so its exit status is ours.
    std::vector<char*> args{const_cast<char*>(line.source.c_str())};
    for (const std::string& arg : line.programArgs) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    std::fflush(nullptr);
    execv(program.c_str(), args.data());
    return Fail("cannot start " + program, kToolchainFailed);
}

int Check(const CommandLine& line) {
    basic::Translation translation;
    if (!Translate(line, &translation)) return kProgramErrors;
    if (line.printCpp) std::fputs(translation.cpp.c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto line = ParseCommandLine(argc, argv, &error);
    if (!line) return Fail(error, kProgramErrors);
    switch (line->verb) {
        case Verb::kHelp: std::fputs(HelpText(line->helpTopic).c_str(), stdout); return 0;
        case Verb::kBuild: return Build(*line, "/proc/self/exe");
        case Verb::kRun: return Run(*line, "/proc/self/exe");
        case Verb::kCheck: return Check(*line);
    }
    return 0;
}
