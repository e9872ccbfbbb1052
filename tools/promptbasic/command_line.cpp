#include "tools/promptbasic/command_line.h"

#include <string_view>

namespace promptbasic {
namespace {

constexpr char kGeneralHelp[] =
    "usage: promptbasic build FILE.bas [-o OUT] [--console] [--target native|windows]\n"
    "       promptbasic run FILE.bas [--console] [-- ARGS...]\n"
    "       promptbasic check FILE.bas [--cpp [--console]]\n"
    "\n"
    "Compiles BASIC programs into native programs on promptrt.\n"
    "  build   writes the program to OUT (default: FILE without .bas)\n"
    "  run     builds into a cache keyed by the program's content and runs it,\n"
    "          passing its exit status on\n"
    "  check   reports the program's errors without building anything\n"
    "Window programs (the default) open the \"BASIC PROMPT\" window; --console\n"
    "programs read standard input and write standard output instead.\n"
    "`promptbasic VERB --help` tells more. Exit status: 2 for errors in the\n"
    "program or the command line, 4 when the toolchain fails.\n";

constexpr char kBuildHelp[] =
    "usage: promptbasic build FILE.bas [-o OUT] [--console] [--target native|windows]\n"
    "Checks FILE.bas and, when it has no errors, writes a standalone program.\n"
    "  -o OUT            the program's path (default: FILE without .bas;\n"
    "                    FILE.exe for --target windows)\n"
    "  --console         a console program: standard input and output, no window\n"
    "  --target windows  a Windows program, built with the mingw-w64 toolchain\n";

constexpr char kRunHelp[] =
    "usage: promptbasic run FILE.bas [--console] [-- ARGS...]\n"
    "Builds FILE.bas into the cache (again only when the program changed) and runs\n"
    "it with ARGS, which the program reads as COMMAND$. The exit status is the\n"
    "program's. The cache is $PROMPTBASIC_CACHE, else $XDG_CACHE_HOME/promptbasic,\n"
    "else ~/.cache/promptbasic.\n"
    "  --console   run as a console program: standard input and output, no window\n";

constexpr char kCheckHelp[] =
    "usage: promptbasic check FILE.bas [--cpp [--console]]\n"
    "Reports every error of FILE.bas (and its includes) as FILE:LINE:COLUMN with\n"
    "the line and a caret; exit status 0 when there is none, 2 otherwise.\n"
    "  --cpp       also print the program's C++ translation (of a window program,\n"
    "              or with --console of a console program)\n";

bool ParseVerb(std::string_view word, Verb* verb) {
    if (word == "build") *verb = Verb::kBuild;
    else if (word == "run") *verb = Verb::kRun;
    else if (word == "check") *verb = Verb::kCheck;
    else return false;
    return true;
}

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

}  // namespace

std::string HelpText(const std::string& topic) {
    if (topic == "build") return kBuildHelp;
    if (topic == "run") return kRunHelp;
    if (topic == "check") return kCheckHelp;
    return kGeneralHelp;
}

std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string* error) {
    CommandLine line;
    if (argc < 2 || IsHelp(argv[1])) return line;
    if (!ParseVerb(argv[1], &line.verb)) {
        *error = std::string("unknown command '") + argv[1] + "' (build, run or check; --help)";
        return std::nullopt;
    }
    const std::string verbName = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (IsHelp(word)) {
            line.helpTopic = verbName;
            line.verb = Verb::kHelp;
            return line;
        }
        if (word == "--" && line.verb == Verb::kRun) {
            line.programArgs.assign(argv + i + 1, argv + argc);
            break;
        }
        if (word == "--console") {
            line.console = true;
        } else if (word == "--cpp" && line.verb == Verb::kCheck) {
            line.printCpp = true;
        } else if (word == "-o" && line.verb == Verb::kBuild) {
            if (i + 1 >= argc) {
                *error = "-o needs a file name";
                return std::nullopt;
            }
            line.output = argv[++i];
        } else if (word == "--target" && line.verb == Verb::kBuild) {
            if (i + 1 >= argc || (std::string_view(argv[i + 1]) != "native" &&
                                  std::string_view(argv[i + 1]) != "windows")) {
                *error = "--target takes 'native' or 'windows'";
                return std::nullopt;
            }
            line.target = argv[++i];
        } else if (!word.empty() && word[0] == '-') {
            *error = "'" + std::string(word) + "' is not an option of " + verbName +
                     " (promptbasic " + verbName + " --help)";
            return std::nullopt;
        } else if (line.source.empty()) {
            line.source = word;
        } else {
            *error = "one source file at a time ('" + line.source + "' and '" + std::string(word) +
                     "')";
            return std::nullopt;
        }
    }
    if (line.source.empty()) {
        *error = verbName + " needs a FILE.bas (promptbasic " + verbName + " --help)";
        return std::nullopt;
    }
    return line;
}

}  // namespace promptbasic
