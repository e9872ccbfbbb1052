#include "tools/promptbasic/native_build.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

extern char** environ;

namespace promptbasic {
namespace {

namespace fs = std::filesystem;

bool WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int RunQuietly(const std::vector<std::string>& argv, const std::string& logFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

NativeBuildResult BuildNative(const Toolchain& toolchain, bool console, const std::string& cpp,
                              const std::string& output, const std::string& workDir) {
    NativeBuildResult result;
    std::error_code error;
    fs::create_directories(workDir, error);
    // Named by process, so that two builds of one program never share files.
    const std::string pid = std::to_string(getpid());
    const fs::path cppFile = fs::path(workDir) / ("program-" + pid + ".cpp");
    const fs::path logFile = fs::path(workDir) / ("compiler-" + pid + ".log");
    if (!WriteFile(cppFile, cpp)) {
        result.problem = "cannot write " + cppFile.string();
        return result;
    }
    const fs::path target = fs::absolute(output, error);
    const fs::path partial = target.string() + ".partial-" + pid;
    if (!WriteFile(partial, "")) {
        result.problem = "cannot write " + target.string() + ": " + std::strerror(errno);
        return result;
    }
    const int status = RunQuietly(CompileCommand(toolchain, console, cppFile, partial), logFile);
    if (status != 0) {
        fs::remove(partial, error);
        result.problem =
            status < 0 ? "could not run the C++ compiler '" + toolchain.compiler + "'"
                       : "internal error: the program's C++ translation did not build. Please "
                         "report it with the program and " + logFile.string();
        return result;
    }
    fs::remove(cppFile, error);
    fs::remove(logFile, error);
    fs::rename(partial, target, error);
    if (error) {
        fs::remove(partial, error);
        result.problem = "cannot write " + target.string();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace promptbasic
