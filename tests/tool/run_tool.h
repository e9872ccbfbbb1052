// Test support: running a command-line tool and collecting what it says.
#pragma once
#include <string>
#include <vector>

struct ToolRun {
    int status = -1;  // exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Runs program with the arguments; standard input reads `input`.
ToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments,
                const std::string& input = "");

// A fresh empty directory for one test, removed by the destructor.
struct ScratchDirectory {
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    std::string Path(const std::string& name) const { return path + "/" + name; }
    std::string path;
};

// Writes text to a file; false on failure.
bool WriteTextFile(const std::string& path, const std::string& text);
