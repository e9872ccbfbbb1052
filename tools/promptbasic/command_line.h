// The promptbasic command line: a verb, a source file and its options.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace promptbasic {

enum class Verb { kBuild, kRun, kCheck, kHelp };

struct CommandLine {
    Verb verb = Verb::kHelp;
    std::string helpTopic;                 // the verb whose help was asked for, if any
    std::string source;                    // FILE.bas
    std::string output;                    // -o OUT (build); empty: FILE without .bas
    bool console = false;                  // --console
    bool printCpp = false;                 // --cpp (check): print the C++ translation
    std::string target = "native";         // --target native|windows
    std::vector<std::string> programArgs;  // after "--" (run)
};

// The parsed command line, or nullopt with *error set to a message for the user.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string* error);

// The text of `promptbasic --help` (topic empty) or `promptbasic VERB --help`.
std::string HelpText(const std::string& topic);

}  // namespace promptbasic
