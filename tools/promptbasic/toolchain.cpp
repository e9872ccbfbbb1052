#include "tools/promptbasic/toolchain.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace promptbasic {
namespace {

namespace fs = std::filesystem;

constexpr char kPrefixMark[] = "@PREFIX@";

// The file of the build tree (beside the tool) or of an installation.
std::optional<fs::path> FindToolchainFile(const fs::path& self, const std::string& target) {
    const std::string name = "toolchain-" + target + ".txt";
    const fs::path candidates[] = {self.parent_path() / name,
                                   self.parent_path().parent_path() / PROMPTBASIC_TOOLCHAIN_DIR / name};
    for (const fs::path& candidate : candidates) {
        std::error_code ignored;
        if (fs::is_regular_file(candidate, ignored)) return candidate;
    }
    return std::nullopt;
}

std::string WithPrefix(std::string value, const std::string& prefix) {
    for (size_t at; (at = value.find(kPrefixMark)) != std::string::npos;)
        value.replace(at, sizeof kPrefixMark - 1, prefix);
    return value;
}

// One "key=value" line into the toolchain; false for an unknown key.
bool Apply(Toolchain& toolchain, const std::string& key, const std::string& value) {
    if (key == "compiler") toolchain.compiler = value;
    else if (key == "compile_flag") toolchain.compileFlags.push_back(value);
    else if (key == "include") toolchain.includeDirs.push_back(value);
    else if (key == "library") toolchain.libraries.push_back(value);
    else if (key == "window_display") toolchain.windowDisplay = value;
    else if (key == "console_display") toolchain.consoleDisplay = value;
    else if (key == "system_library") toolchain.systemLibraries.push_back(value);
    else if (key == "window_link_flag") toolchain.windowLinkFlags.push_back(value);
    else if (key == "console_link_flag") toolchain.consoleLinkFlags.push_back(value);
    else return false;
    return true;
}

// The libraries' sizes and times: a rebuilt promptrt gives programs a new key.
std::string FileStamp(const std::string& path) {
    std::error_code error;
    const auto size = fs::file_size(path, error);
    const auto time = fs::last_write_time(path, error);
    std::ostringstream stamp;
    stamp << path << ':' << size << ':' << time.time_since_epoch().count() << '\n';
    return stamp.str();
}

}  // namespace

std::optional<Toolchain> LoadToolchain(const std::string& selfPath, const std::string& target,
                                       std::string* error) {
    std::error_code ignored;
    const fs::path self = fs::weakly_canonical(selfPath, ignored);
    const std::optional<fs::path> file = FindToolchainFile(self, target);
    if (!file) {
        *error = target == "windows"
                     ? "no Windows toolchain beside this promptbasic: build promptrt for Windows "
                       "first (see the README, \"Building for Windows\")"
                     : "no toolchain file beside this promptbasic (toolchain-native.txt): is it "
                       "installed completely?";
        return std::nullopt;
    }
    std::ifstream in(*file);
    const std::string prefix = self.parent_path().parent_path().string();
    Toolchain toolchain;
    std::string line, text;
    for (int number = 1; std::getline(in, line); ++number) {
        text += line + '\n';
        if (line.empty() || line[0] == '#') continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos ||
            !Apply(toolchain, line.substr(0, equals), WithPrefix(line.substr(equals + 1), prefix))) {
            *error = file->string() + ":" + std::to_string(number) + ": not a toolchain line";
            return std::nullopt;
        }
    }
    if (toolchain.compiler.empty() || toolchain.libraries.empty()) {
        *error = file->string() + ": names no compiler or no library";
        return std::nullopt;
    }
    toolchain.identity = text;
    for (const std::string& library : toolchain.libraries) toolchain.identity += FileStamp(library);
    toolchain.identity += FileStamp(toolchain.windowDisplay) + FileStamp(toolchain.consoleDisplay);
    return toolchain;
}

std::vector<std::string> CompileCommand(const Toolchain& toolchain, bool console,
                                        const std::string& cppFile, const std::string& output) {
    std::vector<std::string> command{toolchain.compiler};
    command.insert(command.end(), toolchain.compileFlags.begin(), toolchain.compileFlags.end());
    for (const std::string& dir : toolchain.includeDirs) command.push_back("-I" + dir);
    command.insert(command.end(), {"-x", "c++", cppFile, "-x", "none", "-o", output});
    const auto& linkFlags = console ? toolchain.consoleLinkFlags : toolchain.windowLinkFlags;
    command.insert(command.end(), linkFlags.begin(), linkFlags.end());
    // The display's objects replace the platform's fallback display, so they
    // are linked whole, ahead of the libraries that refer to them.
    const std::string& display = console ? toolchain.consoleDisplay : toolchain.windowDisplay;
    if (!display.empty())
        command.insert(command.end(), {"-Wl,--whole-archive", display, "-Wl,--no-whole-archive"});
    command.insert(command.end(), toolchain.libraries.begin(), toolchain.libraries.end());
    command.insert(command.end(), toolchain.systemLibraries.begin(), toolchain.systemLibraries.end());
    return command;
}

}  // namespace promptbasic
